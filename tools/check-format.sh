#!/bin/sh
# Fails when a tracked C++ file differs from the root .clang-format, and names each one.
cd "$(dirname "$0")/.." || exit 1
status=0
for file in $(git ls-files '*.cpp' '*.h'); do
    if ! clang-format-14 --dry-run --Werror "$file" >/dev/null 2>&1; then
        echo "not formatted: $file (clang-format-14 -i $file)" >&2
        status=1
    fi
done
exit $status
