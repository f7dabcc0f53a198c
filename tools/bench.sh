#!/bin/sh
# MarquillAmp under Wine side by side with the programs that set its limits: prints the date, the machine and how
# busy it was around the run, then the table of tests/bench/side_by_side, then what a burst of five songs in five
# seconds does in a real IRC channel (tests/bench/irc_burst, beside an ngircd of its own). Figures only; nothing is
# asserted.
# Usage: tools/bench.sh BUILD_DIR [--rounds N] [--starts N] [--announcements N] [--cpu-seconds S]
build=$(cd "${1:?usage: tools/bench.sh BUILD_DIR [options]}" && pwd) || exit 1
shift
here=$(cd "$(dirname "$0")" && pwd)

echo "date: $(date -u '+%Y-%m-%d %H:%M UTC')"
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), $(wine --version)"
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
"$here/../cmake/wine-session.sh" "$build/wineprefix" wine "$build/tests/bench/side_by_side/side_by_side.exe" "$@"
status=$?
echo
python3 "$here/../peers/irc/irc_server.py" "$build/irc" \
    "$here/../cmake/wine-session.sh" "$build/wineprefix" wine "$build/tests/bench/irc_burst/irc_burst.exe" || status=1
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
exit $status
