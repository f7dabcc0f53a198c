#!/bin/sh
# Runs a command (typically ctest) with one Wine session around it: the prefix ready, an Xvfb display when none
# is set, and a persistent wineserver, so each Windows program starts in a fraction of a second.
# Usage: wine-session.sh PREFIX COMMAND [ARGS...]
WINEPREFIX="$1"
shift
here=$(dirname "$0")
. "$here/wine-env.sh"
"$here/wine-prefix.sh" || { echo "wine-session: could not create the Wine prefix $WINEPREFIX" >&2; exit 1; }

xvfb_pid=
if [ -z "$DISPLAY" ]; then
    display_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$display_file" ] && break
        sleep 0.1
    done
    [ -s "$display_file" ] || { echo "wine-session: Xvfb did not start" >&2; exit 1; }
    export DISPLAY=":$(cat "$display_file")"
    rm -f "$display_file"
fi

wineserver -p
# Wine's background services start with the first program; start them here, detached from the command's output,
# or they hold its pipes open (and ctest waits for them) until the session ends.
wine cmd /c exit >/dev/null 2>&1 </dev/null
"$@"
status=$?
wineserver -k 2>/dev/null
wineserver -w 2>/dev/null
[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
exit $status
