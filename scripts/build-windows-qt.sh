#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds Qt for 64-bit Windows from Debian's own qt6-base source package with Debian's
# MinGW-w64, and installs it into a cache folder outside the clone. The host tools (moc,
# rcc, uic) are Debian's, so the source is the very version of the installed qt6-base-dev.
#
# Usage: build-windows-qt.sh        prints the Qt folder on standard output, and the
#                                   build's progress on standard error
#   ZORVEL_WINDOWS_QT_CACHE   the cache's parent folder (default /var/cache/zorvel as root,
#                             ~/.cache/zorvel otherwise)
#
# The folder is reused while the source version, the compiler, the toolchain file and the
# options below are the ones it was built with (they are written in its zorvel-qt.stamp,
# last, so an interrupted build is started again). The first build takes about 14 minutes
# on two idle cores (25 on busy ones); later runs return at once. Nothing outside the cache
# folder is written: apt fetches the source with a configuration of its own (see below).
set -euo pipefail

# Only the Qt folder goes to standard output: the caller reads it.
exec 3>&1 1>&2

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
toolchain_source="$here/../cmake/mingw-w64-x86_64.cmake"

if [ "$(id -u)" -eq 0 ]; then
    cache=${ZORVEL_WINDOWS_QT_CACHE:-/var/cache/zorvel}
else
    cache=${ZORVEL_WINDOWS_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zorvel}
fi

version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
upstream=${version%%+*}
prefix="$cache/qt-$upstream-mingw"

# Only what Zorvel and its tests use: Core, Gui, Widgets, Test, the windows and offscreen
# platforms and the windowsvista style. Everything from Debian's 3rdparty folder is bundled,
# so the DLLs need nothing beyond the MinGW runtime. tabletevent is off because Debian's
# source leaves out wintab.h; androiddeployqt because Debian's cross patch enables it.
# OpenGL is off as configure's -no-opengl puts it (INPUT_opengl=no) and dynamicgl with it:
# FEATURE_opengl=OFF alone leaves dynamicgl on, and the windows plugin does not compile.
# Without direct2d (its own platform plugin) Qt builds no DirectWrite 3 font database,
# so directwrite3 is off too; the windows platform uses its default GDI font database.
options=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DFEATURE_sql=OFF
    -DFEATURE_network=OFF
    -DFEATURE_dbus=OFF
    -DINPUT_opengl=no
    -DFEATURE_opengl=OFF
    -DFEATURE_dynamicgl=OFF
    -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_xml=OFF
    -DFEATURE_tabletevent=OFF
    -DFEATURE_androiddeployqt=OFF
    -DFEATURE_jpeg=OFF
    -DFEATURE_gif=OFF
    -DFEATURE_direct2d=OFF
    -DFEATURE_directwrite3=OFF
    -DFEATURE_icu=OFF
    -DFEATURE_zstd=OFF
    -DFEATURE_pkg_config=OFF
    -DFEATURE_system_zlib=OFF
    -DFEATURE_system_png=OFF
    -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_doubleconversion=OFF
)

stamp_text() {
    echo "qt6-base $version"
    x86_64-w64-mingw32-g++-posix -dumpfullversion
    printf '%s\n' "${options[@]}"
    cat "$toolchain_source"
}

# What Qt's source lacks, from Debian's packages (both build packages): the fonts of the
# offscreen platform, on which the tests run, which Qt for Windows reads from lib/fonts
# (Debian's Liberation fonts); and the Italian texts of Qt's own menus and buttons
# (qt6-translations-l10n), where QLibraryInfo looks for them and the package copies them.
add_debian_files() {
    ln -sfn /usr/share/fonts/truetype/liberation "$prefix/lib/fonts"
    mkdir -p "$prefix/translations"
    cp /usr/share/qt6/translations/qtbase_it.qm "$prefix/translations/"
}

if [ -f "$prefix/zorvel-qt.stamp" ] && [ "$(cat "$prefix/zorvel-qt.stamp")" = "$(stamp_text)" ]; then
    add_debian_files
    echo "$prefix" >&3
    exit 0
fi

started=$SECONDS
work="$cache/qt-$upstream-mingw.work"
rm -rf "$work" "$prefix"
mkdir -p "$work" "$prefix"
cp "$toolchain_source" "$prefix/mingw-w64-x86_64.cmake"

# apt fetches the source through a configuration of its own in the work folder: its
# entries, lists and downloads live there, so the machine's /etc/apt and its package lists
# stay as they were.
private_apt="$work/apt"
mkdir -p "$private_apt/sources" "$private_apt/lists/partial" "$private_apt/cache/archives/partial"
apt_options=(
    -o Dir::Etc::SourceList=/dev/null
    -o Dir::Etc::SourceParts="$private_apt/sources"
    -o Dir::State::Lists="$private_apt/lists"
    -o Dir::Cache="$private_apt/cache"
)

# Each machine entry that gave qt6-base-dev is mirrored as a deb-src entry, with its options
# (Signed-By among them). apt names an entry by its file and, in a one-line .list file, its
# line or, in a deb822 .sources file, its stanza.
mirror_as_source_entries() {
    local descriptions entry file number
    descriptions=$(apt-cache policy qt6-base-dev \
        | awk '$2 ~ /:\/\// && $NF == "Packages" { print $2, $3, $4, $5 }')
    apt-get indextargets --format '$(SOURCESENTRY) $(DESCRIPTION)' 'Created-By: Packages' \
        | awk -v wanted="$descriptions" 'BEGIN { split(wanted, lines, "\n"); for (i in lines) ok[lines[i]] }
              { entry = $1; $1 = ""; if (substr($0, 2) in ok) print entry }' \
        | sort -u | while IFS= read -r entry; do
        file=${entry%:*}
        number=${entry##*:}
        if [[ $file == *.sources ]]; then
            awk -v n="$number" 'BEGIN { RS = ""; ORS = "\n\n" }
                { stanza = $0; gsub(/(^|\n)#[^\n]*/, "", stanza) }
                stanza ~ /[^[:space:]]/ && ++seen == n {
                    sub(/(^|\n)Types:[^\n]*/, "\nTypes: deb-src"); sub(/^\n/, ""); print }' \
                "$file" >>"$private_apt/sources/zorvel-deb-src.sources"
        else
            sed -n "${number}s/^[[:space:]]*deb[[:space:]]/deb-src /p" "$file" \
                >>"$private_apt/sources/zorvel-deb-src.list"
        fi
    done
}

mirror_as_source_entries
# An unrelated archive out of reach fails the update but not the source.
apt-get "${apt_options[@]}" update || true
if ! apt-cache "${apt_options[@]}" showsrc qt6-base 2>/dev/null | grep -qx "Version: $version"; then
    echo "The deb-src entries made from the machine's entries give no qt6-base $version." >&2
    exit 1
fi

(cd "$work" && apt-get "${apt_options[@]}" source --only-source "qt6-base=$version")
source_dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')

cmake -S "$source_dir" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    "${options[@]}"
cmake --build "$work/build" --parallel "$(nproc)"
cmake --install "$work/build"

rm -rf "$work"
add_debian_files
stamp_text >"$prefix/zorvel-qt.stamp"
echo "Qt for Windows built in $((SECONDS - started)) s."
echo "$prefix" >&3
