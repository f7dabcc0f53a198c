#!/bin/sh
# Builds the release archive twice from the current commit (make dist in two fresh clones: the second later, in a
# long folder name with blanks, in another time zone and with another umask) and fails unless both archives and both
# exes are the same bytes. Prints each SHA-256 with its folder.
# Usage: tools/reproducible-check.sh   (from a clone; checks its HEAD, not uncommitted changes)
set -u
repo=$(git rev-parse --show-toplevel) || exit 1
commit=$(git -C "$repo" rev-parse HEAD) || exit 1
top=$(mktemp -d /tmp/marquill-reproducible.XXXXXX) || exit 1
trap 'rm -rf "$top"' EXIT

# Clones the commit into FOLDER, runs make dist there and writes the SHA-256 of the archive and the exe to SUMS.
build() {
    folder=$1
    sums=$2
    echo "$(date -u '+%H:%M:%S') make dist in $folder"
    git clone -q --no-checkout "$repo" "$folder" && git -C "$folder" checkout -q --detach "$commit" || exit 1
    if ! make -C "$folder" dist >"$sums.log" 2>&1; then
        cat "$sums.log" >&2
        echo "reproducible-check: make dist failed in $folder" >&2
        exit 1
    fi
    { (cd "$folder/build/dist" && sha256sum ./*.zip) && (cd "$folder/build/win32/app" && sha256sum MarquillAmp.exe); } \
        >"$sums" || exit 1
    sed 's/^/    /' "$sums"
}

echo "reproducible-check: $commit"
build "$top/first" "$top/first.sums" || exit 1
(umask 077 && TZ=Pacific/Kiritimati build \
    "$top/a second build, in a folder with a long name that has blanks in it as many folders on Windows do/MarquillAmp" \
    "$top/second.sums") || exit 1
if ! cmp -s "$top/first.sums" "$top/second.sums"; then
    echo "reproducible-check: FAILED, the two builds differ" >&2
    exit 1
fi
echo "reproducible-check: passed, both builds made the same archive and the same exe"
