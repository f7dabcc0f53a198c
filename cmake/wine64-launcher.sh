#!/bin/sh
# Wine's own launcher takes the 32-bit loader whenever it is installed; a 64-bit build's prefix needs the 64-bit one.
exec /usr/lib/wine/wine64 "$@"
