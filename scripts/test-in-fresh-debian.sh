#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs the whole test command as a new user of a Debian release would: makes a fresh
# minimal Debian (debootstrap --variant=minbase) from this machine's own apt sources,
# unpacks the source release into it as /work/main (no git there) and runs
# `bash .ci/run` as root inside. Everything the tests need is installed there by the
# test command itself (scripts/ensure-packages.sh), Qt for Windows included.
# Usage: test-in-fresh-debian.sh bookworm|trixie [<folder for the chroot>]
#   (as root; default /var/tmp/zorvel-fresh-<release>, emptied first; the log of the
#   run is <folder>.log)
set -euo pipefail
cd "$(dirname "$0")/.."

release=${1:?usage: test-in-fresh-debian.sh bookworm|trixie [<folder for the chroot>]}
root=${2:-/var/tmp/zorvel-fresh-$release}
if [ "$(id -u)" -ne 0 ]; then
    echo "Run this command as root: it makes a chroot and mounts into it." >&2
    exit 1
fi
bash scripts/ensure-packages.sh debian
command -v debootstrap >/dev/null || apt-get install -y --no-install-recommends debootstrap

# This machine's Debian suites (its release, -updates, -security) with the release
# asked for in place of its own; other vendors' sources stay out.
own=$(sed -n 's/^VERSION_CODENAME=//p' /etc/os-release)
# shellcheck disable=SC2016 # $(...) are apt's own field names, not the shell's
sources=$(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' 'Created-By: Packages' |
          awk -v own="$own" '$2 == own || index($2, own "-") == 1' | sort -u)
mirror=$(awk -v own="$own" '$2 == own { print $1; exit }' <<<"$sources")
if [ -z "$mirror" ]; then
    echo "No $own entry in this machine's apt sources to make the chroot from." >&2
    exit 1
fi

release_tarball=$(bash scripts/make-source-release.sh | tail -n 1)

unmount_all() {
    local point
    for point in dev/shm dev/pts sys proc; do
        if mountpoint -q "$root/$point"; then umount -l "$root/$point"; fi
    done
}
trap unmount_all EXIT
unmount_all
rm -rf "$root"

started=$SECONDS
debootstrap --variant=minbase --keyring=/usr/share/keyrings/debian-archive-keyring.gpg \
    "$release" "$root" "$mirror"
while read -r uri suite; do
    echo "deb $uri $release${suite#"$own"} main"
done <<<"$sources" >"$root/etc/apt/sources.list"
echo "A fresh minimal $release in $((SECONDS - started)) s, with these sources:"
cat "$root/etc/apt/sources.list"

mkdir -p "$root/work"
tar -xf "$release_tarball" -C "$root/work"
mv "$root/work/$(basename "$release_tarball" .tar.xz)" "$root/work/main"

mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
mount -t devpts -o newinstance,ptmxmode=0666 devpts "$root/dev/pts"
mount -t tmpfs -o mode=1777 tmpfs "$root/dev/shm"
chmod 1777 "$root/tmp"

started=$SECONDS
status=0
chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    bash -c 'cd /work/main && bash .ci/run' || status=$?
echo "The test command in a fresh $release: exit status $status after $((SECONDS - started)) s."
exit "$status"
