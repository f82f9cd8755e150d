#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the Debian source package in a clean Debian 12 chroot, as Debian's build
# machines do, then tests the installed package there with autopkgtest
# (debian/tests): pbuilder makes the chroot once, from this machine's own apt sources,
# keeps it as a tarball in the cache and updates it on later runs; each build unpacks a
# fresh copy, installs only Build-Depends, builds, and runs pbuilder's autopkgtest hook.
# The source package, the .deb, the build log and the tests' output end up in the
# result folder. The architecture is this machine's unless named: one whose programs
# this processor runs natively (i386 on amd64) gets its own chroot and is built and
# tested as Debian's machines for it would.
# Usage: build-debian-package.sh [--architecture <arch>] [<result folder>]
#        (as root; default: this machine's architecture, results in build/debian-<arch>)
set -euo pipefail
cd "$(dirname "$0")/.."

architecture=$(dpkg --print-architecture)
if [ "${1:-}" = --architecture ]; then
    architecture=${2:?--architecture needs a Debian architecture name, such as i386}
    shift 2
fi

bash scripts/ensure-packages.sh debian

# Some virtual machines refuse 32-bit x86 programs although their processor runs them;
# there qemu runs them instead (binfmt_misc, the interpreter opened once so that it works
# inside the chroot too). The probe is the smallest i386 program: exit(0).
i386_runs_here() {
    local probe
    probe=$(mktemp)
    printf '\177ELF\1\1\1\0\0\0\0\0\0\0\0\0\2\0\3\0\1\0\0\0\124\200\4\10\64\0\0\0\0\0\0\0\0\0\0\0\64\0\40\0\1\0\0\0\0\0\0\0' >"$probe"
    printf '\1\0\0\0\0\0\0\0\0\200\4\10\0\200\4\10\135\0\0\0\135\0\0\0\5\0\0\0\0\20\0\0' >>"$probe"
    printf '\61\333\270\1\0\0\0\315\200' >>"$probe" # xor ebx,ebx; mov eax,1; int 0x80
    chmod +x "$probe"
    local status=0
    "$probe" 2>/dev/null || status=$?
    rm -f "$probe"
    return "$status"
}
if [ "$architecture" = i386 ] && ! i386_runs_here; then
    echo "This machine does not run i386 programs itself: qemu-user-static runs them."
    mountpoint -q /proc/sys/fs/binfmt_misc || mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
    printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
        >/proc/sys/fs/binfmt_misc/register
fi

result=$(mkdir -p "${1:-build/debian-$architecture}" && cd "${1:-build/debian-$architecture}" && pwd)
cache=${ZORVEL_PBUILDER_CACHE:-/var/cache/zorvel}
base=$cache/pbuilder-bookworm-$architecture.tgz

# This machine's apt sources, whatever their format: the Debian 12 archive as the
# mirror, its other suites (updates, security) as further lines.
# shellcheck disable=SC2016 # $(...) are apt's own field names, not the shell's
sources=$(apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' 'Created-By: Packages' |
          sort -u | awk '{ key = $1 " " $2; parts[key] = parts[key] (parts[key] ? " " : "") $3 }
                         END { for (key in parts) print key, parts[key] }' | sort)
mirror='' other=()
while read -r uri suite components; do
    if [ "$suite" = bookworm ] && [ -z "$mirror" ]; then
        mirror=$uri
    else
        other+=("deb $uri $suite $components")
    fi
done <<<"$sources"
if [ -z "$mirror" ]; then
    echo "No bookworm entry in this machine's apt sources to make the chroot from." >&2
    exit 1
fi
othermirror=$(IFS='|'; echo "${other[*]}")

started=$SECONDS
mkdir -p "$cache"
chroot_options=(--basetgz "$base" --architecture "$architecture" --distribution bookworm
                --mirror "$mirror" --othermirror "$othermirror")
if [ -s "$base" ]; then
    pbuilder update "${chroot_options[@]}" --override-config
elif ! pbuilder create "${chroot_options[@]}" \
        --debootstrapopts --keyring=/usr/share/keyrings/debian-archive-keyring.gpg; then
    rm -f "$base" # a failed creation leaves an empty tarball that no later run could use
    exit 1
fi
echo "Chroot ready in $((SECONDS - started)) s."

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bash scripts/make-debian-source-package.sh "$work" >/dev/null
# pbuilder's example hook runs autopkgtest after the build; the next one keeps its summary
# and output in a folder shared with this machine (the hook itself leaves failures to them).
mkdir "$work/hooks" "$work/autopkgtest"
ln -s /usr/share/doc/pbuilder/examples/B20autopkgtest "$work/hooks/"
cat >"$work/hooks/B30keep-autopkgtest" <<HOOK
#!/bin/sh
cp "\$BUILDDIR/autopkgtest.summary" "\$BUILDDIR/autopkgtest.tar.gz" "$work/autopkgtest/"
HOOK
chmod +x "$work/hooks/B30keep-autopkgtest"

started=$SECONDS
pbuilder build --basetgz "$base" --architecture "$architecture" --buildresult "$result" --hookdir "$work/hooks" \
    --bindmounts "$work/autopkgtest" --logfile "$result/build.log" "$work"/zorvel_*.dsc
cp "$work"/autopkgtest/* "$result/"
echo "Built and tested in the chroot in $((SECONDS - started)) s; results in $result."

# Every test must have passed.
summary=$(cat "$result/autopkgtest.summary")
echo "autopkgtest: $summary"
if [ -z "$summary" ] || grep -qv ' PASS$' <<<"$summary"; then
    echo "autopkgtest did not pass in the chroot; see $result/autopkgtest.tar.gz." >&2
    exit 1
fi
