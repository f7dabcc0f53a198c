#!/bin/sh
# tools/dist-check.sh must reject each fault a release archive could have. Each row changes one thing in the files
# of a good archive, packs them again and expects the check to fail; the first row changes nothing and must pass.
# Usage: tools/dist-check-rejects.sh GOOD_ARCHIVE EXE
good=${1:?usage: tools/dist-check-rejects.sh GOOD_ARCHIVE EXE}
exe=${2:?usage: tools/dist-check-rejects.sh GOOD_ARCHIVE EXE}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
unzip -q "$good" -d "$work/good" || exit 1

status=0
while IFS='|' read -r outcome fault change; do
    rm -rf "$work/case" "$work/case.zip"
    cp -R "$work/good" "$work/case"
    (cd "$work/case" && eval "$change" && zip -q -X "$work/case.zip" *) || { echo "cannot make: $fault" >&2; exit 1; }
    if sh "$here/dist-check.sh" "$work/case.zip" "$exe" >/dev/null 2>&1; then result=passes; else result=fails; fi
    if [ "$result" = "$outcome" ]; then
        echo "dist-check $result on $fault"
    else
        echo "dist-check $result on $fault, but it should have been: $outcome" >&2
        status=1
    fi
done <<'ROWS'
passes|the same files packed again|true
fails|an extra file|echo extra >notes.txt
fails|a file missing|rm LICENSE.txt
fails|a README.txt line ending in LF alone|{ printf 'first line\n'; cat README.txt; } >lf && mv lf README.txt
fails|a README.txt with a lone CR|printf 'one\rline\r\n' >>README.txt
fails|a LICENSE.txt that ends in a lone CR|printf 'last\r' >>LICENSE.txt
fails|an exe not the built one, its sum to match|printf x >>MarquillAmp.exe && sha256sum MarquillAmp.exe >SHA256SUMS
fails|a SHA256SUMS that does not match the exe|printf '%064d  MarquillAmp.exe\n' 0 >SHA256SUMS
ROWS
exit $status
