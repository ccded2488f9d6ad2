#!/usr/bin/env bash
# Builds, tests and packages this tree on Debian 13 in a chroot that is made once and kept (about 6 GB) under
# build/debian13. Usage, as root: debian13.sh [MAKE TARGET...] (default: test, which builds the package too).
# The package, the logs of the package checks and the test logs are left in build/debian13-out.
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" = 0 ] || { echo "debian13: debootstrap and chroot need root" >&2; exit 1; }
tree=$PWD
root=$tree/build/debian13
out=$tree/build/debian13-out
src=/root/redizado
targets=("${@:-test}")

# The same archive this system installs from.
mirror=${DEBIAN13_MIRROR:-}
if [ -z "$mirror" ] && [ -f /etc/apt/sources.list.d/debian.sources ]; then
    mirror=$(sed -n 's/^URIs:[[:space:]]*//p' /etc/apt/sources.list.d/debian.sources | head -n1)
fi
if [ -z "$mirror" ] && [ -f /etc/apt/sources.list ]; then
    mirror=$(awk '$1 == "deb" {print $2; exit}' /etc/apt/sources.list)
fi
mirror=${mirror:-http://deb.debian.org/debian}

mounted=()
cleanup() {
    # What the tests left running inside holds the mounts.
    for proc in /proc/[0-9]*; do
        [ "$(readlink "$proc/root" 2>/dev/null)" = "$root" ] && kill -9 "${proc#/proc/}" 2>/dev/null || true
    done
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount "${mounted[i]}" 2>/dev/null || umount -l "${mounted[i]}" || echo "debian13: cannot unmount ${mounted[i]}" >&2
    done
}
trap cleanup EXIT
trap 'exit 130' INT TERM
mount_in() {
    local target=$root/$1
    shift
    mkdir -p "$target"
    mountpoint -q "$target" && umount -l "$target"
    mount "$@" "$target"
    mounted+=("$target")
}

started=$SECONDS
if [ ! -f "$root/.made" ]; then
    command -v debootstrap >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap
    # A half-made chroot from an interrupted run is made again from the start.
    rm -rf --one-file-system "$root"
    echo "debian13: making the chroot from $mirror"
    debootstrap --variant=minbase trixie "$root" "$mirror"
    touch "$root/.made"
    echo "debian13: chroot made in $((SECONDS - started)) s"
fi

# Packages installed in the chroot start no services.
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod 755 "$root/usr/sbin/policy-rc.d"
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true

mount_in proc -t proc proc
mount_in sys -t sysfs sys
mount_in dev --bind /dev
mount --make-private "$root/dev"
mount_in dev/pts -t devpts -o newinstance,ptmxmode=0666 devpts
mount_in dev/shm -t tmpfs -o mode=1777 shm

in_chroot() {
    chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        LANG=C.UTF-8 TERM=dumb DEBIAN_FRONTEND=noninteractive CMAKE_CXX_COMPILER_LAUNCHER=ccache \
        CCACHE_DIR=/root/.ccache "$@"
}

if ! in_chroot sh -c 'command -v make && command -v git && command -v ccache' >/dev/null; then
    in_chroot apt-get update -qq
    in_chroot apt-get install -y -qq make git ccache
fi

# The tree's files (as git lists them, uncommitted ones too), over what the last run left so that its build
# folders are reused; files gone from the tree since then go there too.
mkdir -p "$root$src"
files=$(mktemp)
git ls-files -z --cached --others --exclude-standard | sort -z >"$files"
if [ -d "$root$src/.git" ]; then
    git -C "$root$src" ls-files -z | sort -z | comm -z -23 - "$files" | (cd "$root$src" && xargs -0 -r rm -f)
fi
tar --null -T "$files" --ignore-failed-read -cf - 2>/dev/null | tar -xf - -C "$root$src"
rm -f "$files"
if [ ! -d "$root$src/.git" ]; then
    in_chroot git -C "$src" init -q
fi
# format-check lists the tracked files with git.
in_chroot sh -c "cd $src && git add -A . && git -c user.name=ci -c user.email=ci@localhost commit -qm tree --allow-empty"

status=0
echo "debian13: make ${targets[*]}"
in_chroot sh -c "cd $src && make ${targets[*]}" || status=$?

rm -rf "$out" && mkdir -p "$out"
cp "$root$src"/redizado_*.deb "$out/" 2>/dev/null || true
cp -r "$root$src/build/default/Testing" "$out/default-Testing" 2>/dev/null || true
cp -r "$root$src/build/asan/Testing" "$out/asan-Testing" 2>/dev/null || true
echo "debian13: make ${targets[*]} exited $status after $((SECONDS - started)) s"
exit "$status"
