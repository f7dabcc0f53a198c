#!/bin/sh
# Installs the Debian packages the build and the tests need, and any named as arguments, when some are missing.
# Needs root for apt-get.
set -e
packages="cmake ninja-build g++ libgtest-dev googletest libbenchmark-dev g++-mingw-w64-i686 g++-mingw-w64-x86-64-posix wine wine32:i386 wine64 xvfb xauth
x11-apps imagemagick util-linux clang-format-14
fonts-wine python3 zip unzip ngircd"
packages="$packages $*"

missing=
for package in $packages; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing="$missing $package"
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -ne 0 ]; then
    echo "install-packages: run as root (or install these packages yourself):$missing" >&2
    exit 1
fi
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
# shellcheck disable=SC2086
apt-get install -y -q --no-install-recommends $missing
