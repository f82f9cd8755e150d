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
# result folder.
# Usage: build-debian-package.sh [<result folder>]   (as root; default build/debian)
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD

bash scripts/ensure-packages.sh debian

result=$(mkdir -p "${1:-build/debian}" && cd "${1:-build/debian}" && pwd)
cache=${ZORVEL_PBUILDER_CACHE:-/var/cache/zorvel}
base=$cache/pbuilder-bookworm-$(dpkg --print-architecture).tgz

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
chroot_options=(--basetgz "$base" --distribution bookworm --mirror "$mirror" --othermirror "$othermirror")
if [ -f "$base" ]; then
    pbuilder update "${chroot_options[@]}" --override-config
else
    pbuilder create "${chroot_options[@]}" \
        --debootstrapopts --keyring=/usr/share/keyrings/debian-archive-keyring.gpg
fi
echo "Chroot ready in $((SECONDS - started)) s."

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && dpkg-source --build "$top")
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
pbuilder build --basetgz "$base" --buildresult "$result" --hookdir "$work/hooks" \
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
