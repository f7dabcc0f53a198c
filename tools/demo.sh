#!/bin/sh
# Shows the program at work under Wine: the fake player plays a short playlist, the four fake chat clients list
# what they receive (mIRC a real client of an IRC server started for the demo, in a channel that a second
# connection logs), announcing is switched on from outside, the holders, the transcripts and what the channel got
# are printed and a screenshot is saved as BUILD_DIR/demo/marquill-demo.png. Every wait is bounded; all programs
# and the server are closed at the end. Ends with a line per client and one for the channel ("AIM 4 of 4 songs,
# each once") and fails when one missed a song the holders showed or got one twice (the third song's caption
# scrolls for a whole cycle, as the player's own option does).
# Usage: tools/demo.sh BUILD_DIR   (a built win32 build folder)
build=$(cd "${1:?usage: tools/demo.sh BUILD_DIR}" && pwd) || exit 1
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${MARQUILL_DEMO_SESSION:-}" ]; then
    MARQUILL_DEMO_SESSION=1 exec python3 "$here/../peers/irc/irc_server.py" "$build/irc" \
        "$here/../cmake/wine-session.sh" "$build/wineprefix" "$here/demo.sh" "$build"
fi

out="$build/demo"
rm -rf "$out"
mkdir -p "$out/run" || exit 1
# A fresh folder: the program reads its templates from beside itself, so the demo shows the defaults.
cp "$build/app/MarquillAmp.exe" "$out/run/" || exit 1

# A desktop of Wine's own draws window frames and titles, also under Xvfb where no window manager runs.
desktop="explorer /desktop=MarquillDemo,1280x720"
songs=4
song_ms=2500

drive() {
    wine "$build/peers/demo_driver.exe" --desktop=MarquillDemo "$@"
}

fail() {
    echo "demo: $1" >&2
    drive close >/dev/null 2>&1
    exit 1
}

wine $desktop "$build/peers/fake_chat.exe" 60 "$(winepath -w "$out/transcript.txt")" >/dev/null 2>&1 &
pids=$!
wine $desktop "$build/peers/fake_player.exe" $song_ms 60 >/dev/null 2>&1 &
pids="$pids $!"
(cd "$out/run" && exec wine $desktop "$(winepath -w "$out/run/MarquillAmp.exe")" >/dev/null 2>&1) &
pids="$pids $!"

drive enable || fail "could not switch announcing on"
drive watch $songs $((songs * song_ms / 1000 + 20)) | tee "$out/holders.txt"
[ "$(grep -c '^holders:' "$out/holders.txt")" -eq $songs ] || fail "the songs did not change"

shot="$out/marquill-demo.png"
if ! xwd -silent -display "$DISPLAY" -name "MarquillDemo - Wine desktop" 2>/dev/null | convert xwd:- "$shot" 2>/dev/null
then
    xwd -silent -display "$DISPLAY" -root | convert xwd:- "$shot" || fail "no screenshot"
fi

drive close || fail "the programs did not close"
# The desktop's own process ends after the last program on it, the chat clients' transcript written.
waited=0
for pid in $pids; do
    while kill -0 "$pid" 2>/dev/null; do
        [ $waited -lt 150 ] || fail "the programs did not end"
        waited=$((waited + 1))
        sleep 0.1
    done
done
echo
cat "$out/transcript.txt" || fail "no transcript"
echo
echo "screenshot: $shot"
# Each title the holders showed, looked up in each client's part of the transcript and in the channel's (Windows
# line ends).
# Each message must carry its own song's track number ("[12]"), which the holders showed with its title.
awk '{ sub(/\r$/, "") }
     FNR == NR {
         if (match($0, /^holders: txtTitle "[^"]*"/)) {
             titles[++n] = substr($0, 20, RLENGTH - 20)
             if (match($0, /lblTrackNumber "[^"]*"/)) numbers[n] = "[" substr($0, RSTART + 16, RLENGTH - 17) "]"
         }
         next
     }
     / received:$/ { clients[++c] = $1; next }
     / text | command | PRIVMSG / {
         for (i = 1; i <= n; i++) if (index($0, titles[i])) { got[c, i]++; own[c, i] += index($0, numbers[i]) > 0 }
     }
     END {
         for (k = 1; k <= c; k++) {
             m = 0; twice = 0; others = 0
             for (i = 1; i <= n; i++) { m += got[k, i] > 0; twice += got[k, i] > 1; others += got[k, i] > own[k, i] }
             printf "%s %d of %d songs%s%s\n", clients[k], m, n, twice ? ", some more than once" : ", each once",
                    others ? ", " others " with another song'"'"'s number" : ", each with its own number"
             if (m < n || twice || others) missed = 1
         }
         exit missed || c != 5
     }' "$out/holders.txt" "$out/transcript.txt" || { echo "demo: a client missed a song or its values" >&2; exit 1; }
