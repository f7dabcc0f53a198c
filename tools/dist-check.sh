#!/bin/sh
# Checks a release archive as a user's tools see it: exactly the four files, the exe byte for byte the built one,
# README.txt and LICENSE.txt with CR LF line ends only, and a SHA256SUMS that `sha256sum -c` accepts.
# Usage: tools/dist-check.sh ARCHIVE EXE
archive=${1:?usage: tools/dist-check.sh ARCHIVE EXE}
exe=${2:?usage: tools/dist-check.sh ARCHIVE EXE}
folder=$(mktemp -d) || exit 1
trap 'rm -rf "$folder"' EXIT

fail() {
    echo "dist-check: $archive: $1" >&2
    exit 1
}

expected="LICENSE.txt MarquillAmp.exe README.txt SHA256SUMS"
listing=$(unzip -Z1 "$archive" | sort | tr '\n' ' ')
[ "$listing" = "$expected " ] || fail "holds [${listing% }], not [$expected]"
unzip -q "$archive" -d "$folder" || fail "does not unpack"
cmp -s "$folder/MarquillAmp.exe" "$exe" || fail "its MarquillAmp.exe is not the built $exe"
for text in README.txt LICENSE.txt; do
    [ "$(tail -c 2 "$folder/$text" | od -An -tx1 | tr -d ' \n')" = 0d0a ] || fail "$text does not end in CR LF"
    # Each line ends in CR LF, and no CR stands anywhere else.
    awk '!sub(/\r$/, "") || /\r/ { print "line " FNR " does not end in CR LF alone"; exit 1 }' "$folder/$text" >&2 ||
        fail "$text has a line end other than CR LF"
done
(cd "$folder" && sha256sum --strict --quiet -c SHA256SUMS) || fail "SHA256SUMS does not check"
echo "dist-check: $archive holds [$expected] as it should"
unzip -lv "$archive"
