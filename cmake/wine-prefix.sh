#!/bin/sh
# Creates the 32-bit Wine prefix named by WINEPREFIX once, with Wine's own fonts installed so that Tahoma exists.
# Safe to call from several processes at once.
. "$(dirname "$0")/wine-env.sh"
ready="$WINEPREFIX/.marquill-ready"
[ -f "$ready" ] && exit 0
mkdir -p "$(dirname "$WINEPREFIX")"
(
    flock 9
    [ -f "$ready" ] && exit 0
    rm -rf "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 && wineserver -w || exit 1
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" || exit 1
    touch "$ready"
) 9>"$WINEPREFIX.lock"
