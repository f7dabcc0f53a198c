#!/bin/sh
# Proves the README's set-up on a new machine: a minimal Debian root (debootstrap minbase, the suite and mirror of
# this machine's apt sources) with only git and make added, the current commit cloned into it, then `make test`
# there. Nothing of this machine's packages can help. Needs root. Every mount is undone and the folder removed on
# any exit. Usage: tools/fresh-check.sh   (from a clone; checks its HEAD)
set -u
[ "$(id -u)" -eq 0 ] || { echo "fresh-check: run as root" >&2; exit 1; }
repo=$(git rev-parse --show-toplevel) || exit 1
commit=$(git -C "$repo" rev-parse HEAD) || exit 1
started=$(date +%s)

# The first source of the main archive: deb822 files (Types/URIs/Suites stanzas) or one-line sources.list.
sources() {
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -f "$file" ] && awk '/^Types:/ { deb = / deb( |$)/ } /^URIs:/ { uri = $2 } /^Suites:/ { suite = $2 }
            /^$/ { if (deb && uri && suite) print uri, suite; deb = uri = suite = "" }
            END { if (deb && uri && suite) print uri, suite }' "$file"
    done
    [ -f /etc/apt/sources.list ] &&
        awk '$1 == "deb" { sub(/\[[^]]*\]/, ""); $0 = $0; print $2, $3 }' /etc/apt/sources.list
}
set -- $(sources | grep -v -e security -e '-updates' -e '-backports' | head -n 1)
mirror=${1:-}
suite=${2:-}
[ -n "$mirror" ] && [ -n "$suite" ] || { echo "fresh-check: no Debian source in /etc/apt" >&2; exit 1; }

if ! command -v debootstrap >/dev/null; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends debootstrap >/dev/null || exit 1
fi

folder=$(mktemp -d /var/tmp/marquill-fresh.XXXXXX) || exit 1
root="$folder/root"

mounted() {
    awk -v root="$root" '$2 == root || index($2, root "/") == 1 { print $2 }' /proc/mounts
}

cleanup() {
    status=$?
    # Programs left running in the root (a wineserver, an Xvfb) would keep its mounts busy.
    for proc in /proc/[0-9]*; do
        [ "$(readlink "$proc/root" 2>/dev/null)" = "$root" ] && kill -9 "${proc#/proc/}" 2>/dev/null
    done
    for target in "$root/dev" "$root/sys" "$root/proc"; do
        mountpoint -q "$target" && umount -R "$target"
    done
    if [ -n "$(mounted)" ]; then
        # Removing the folder now would reach into the machine's own /dev or /proc.
        echo "fresh-check: still mounted, $folder left in place:" $(mounted) >&2
        status=1
    else
        rm -rf --one-file-system "$folder"
    fi
    elapsed=$(($(date +%s) - started))
    if [ "$status" -eq 0 ]; then result=passed; else result=FAILED; fi
    echo "fresh-check: $result on a minimal $suite root in $((elapsed / 60)) min $((elapsed % 60)) s"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

echo "fresh-check: $commit on $suite from $mirror in $folder"
debootstrap --variant=minbase "$suite" "$root" "$mirror" >"$folder/debootstrap.log" 2>&1 ||
    { tail -n 20 "$folder/debootstrap.log" >&2; exit 1; }
mount -t proc proc "$root/proc" && mount -t sysfs sysfs "$root/sys" &&
    mount --rbind /dev "$root/dev" && mount --make-rslave "$root/dev" || exit 1
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null
git -C "$repo" bundle create "$root/root/marquill.bundle" HEAD 2>/dev/null || exit 1

# What a new user does: install git and make, clone, `make test`.
chroot "$root" env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive \
    sh -c 'apt-get update -q && apt-get install -y -q --no-install-recommends git make >/dev/null &&
           git clone -q /root/marquill.bundle /root/marquill && cd /root/marquill && make test'
