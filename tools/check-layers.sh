#!/bin/sh
# Fails when product code includes a folder its layer may not see: app -> message, chat, winamp -> platform, and
# no other arrow (message and chat do not know each other; platform knows none of them).
cd "$(dirname "$0")/.." || exit 1
status=0
check() {
    folder=$1
    allowed=$2
    for file in $(git ls-files "$folder/*.cpp" "$folder/*.h"); do
        for included in $(sed -n 's/^#include "\([a-z_]*\)\/.*"$/\1/p' "$file"); do
            case " $allowed " in
                *" $included "*) ;;
                *) echo "layers: $file includes $included/" >&2; status=1 ;;
            esac
        done
    done
}
check app "app message chat winamp platform"
check message "message platform"
check chat "chat platform"
check winamp "winamp platform"
check platform "platform"
exit $status
