# Sourced by every script that runs Wine for a build: the build's own 32-bit prefix (WINEPREFIX, set by the caller
# first), no debug output, and no prompt to install Mono or Gecko.
: "${WINEPREFIX:?names the build's Wine prefix}"
export WINEPREFIX WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
