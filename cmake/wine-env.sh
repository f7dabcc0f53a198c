# Sourced by every script that runs Wine for a build: the build's own prefix (WINEPREFIX, set by the caller first),
# no debug output, and no prompt to install Mono or Gecko. A 64-bit build (the Windows tiers' build on a machine
# that runs no i386 code) leaves launchers of Wine's 64-bit loader beside its prefix, and its prefix is 64-bit;
# every other prefix is 32-bit.
: "${WINEPREFIX:?names the build's Wine prefix}"
if [ -d "$WINEPREFIX-bin" ]; then
    PATH="$WINEPREFIX-bin:$PATH"
    WINEARCH=win64
else
    WINEARCH=win32
fi
export PATH WINEPREFIX WINEARCH WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
