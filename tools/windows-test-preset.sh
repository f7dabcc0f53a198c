#!/bin/sh
# Prints the build preset whose Windows programs the Wine tiers run: win32, the build that ships, where this
# machine runs i386 code; win64, the same sources for x86_64 under 64-bit Wine, where it does not (some virtual
# machines run 64-bit user code only: every i386 execve fails, Wine's 32-bit loader included).
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    echo win32
else
    echo win64
fi
