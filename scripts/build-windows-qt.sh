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
# on two idle cores (25 on busy ones); later runs return at once, and a run started during
# a build waits for it (qt-VERSION-mingw.lock beside the folder). Nothing outside the cache
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

if [ ! -x /usr/bin/xmlstarlet ]; then
    echo "Qt for Windows needs xmlstarlet: bash scripts/ensure-packages.sh windows" >&2
    exit 1
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
# ld writes the time of linking into each DLL's export table unless told not to, and two
# builds of this source would then ship different DLLs. Qt's configure step compresses the
# MIME database built into Qt6Core.dll, minified with xmlstarlet where it finds one: named
# here, so that every machine minifies it (see also SOURCE_DATE_EPOCH below).
options=(
    '-DCMAKE_SHARED_LINKER_FLAGS=-Wl,--no-insert-timestamp'
    '-DCMAKE_MODULE_LINKER_FLAGS=-Wl,--no-insert-timestamp'
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
    -Dxmlstarlet=/usr/bin/xmlstarlet
)

# What else makes two machines' builds alike, named in the stamp as the options are:
# - the time that CMake's gzip writes into the header of the MIME database it compresses:
#   none while SOURCE_DATE_EPOCH is set, else the time of the build. It is set, as Debian
#   sets it, to the time of the source's last changelog entry;
# - the work folder, which lies in the cache folder, in the file names that a few warnings
#   of Qt's print (__FILE__): the source and build folders are mapped to fixed names.
recipe=(
    "SOURCE_DATE_EPOCH from the source's debian/changelog"
    "-ffile-prefix-map of the source and build folders"
)

stamp_text() {
    echo "qt6-base $version"
    x86_64-w64-mingw32-g++-posix -dumpfullversion
    printf '%s\n' "${options[@]}" "${recipe[@]}"
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

# apt fetches the source through a configuration of its own in the given work folder: its
# entries, lists and downloads live there, so the machine's /etc/apt and its package lists
# stay as they were. Prints the unpacked source folder.
fetch_source() { # <work folder>
    local private_apt="$1/apt"
    mkdir -p "$private_apt/sources" "$private_apt/lists/partial" "$private_apt/cache/archives/partial"
    local apt_options=(
        -o Dir::Etc::SourceList=/dev/null
        -o Dir::Etc::SourceParts="$private_apt/sources"
        -o Dir::State::Lists="$private_apt/lists"
        -o Dir::Cache="$private_apt/cache"
    )
    mirror_as_source_entries "$private_apt/sources"
    # An unrelated archive out of reach fails the update but not the source.
    apt-get "${apt_options[@]}" update >&2 || true
    if ! apt-cache "${apt_options[@]}" showsrc qt6-base 2>/dev/null | grep -qx "Version: $version"; then
        echo "The deb-src entries made from the machine's entries give no qt6-base $version." >&2
        exit 1
    fi
    (cd "$1" && apt-get "${apt_options[@]}" source --only-source "qt6-base=$version" >&2)
    find "$1" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*'
}

# Each machine entry that gave qt6-base-dev is mirrored as a deb-src entry, with its options
# (Signed-By among them). apt names an entry by its file and, in a one-line .list file, its
# line or, in a deb822 .sources file, its stanza.
mirror_as_source_entries() { # <sources folder>
    local descriptions entry file number
    descriptions=$(apt-cache policy qt6-base-dev \
        | awk '$2 ~ /:\/\// && $NF == "Packages" { print $2, $3, $4, $5 }')
    # shellcheck disable=SC2016 # apt's own fields, not the shell's
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
                "$file" >>"$1/zorvel-deb-src.sources"
        else
            sed -n "${number}s/^[[:space:]]*deb[[:space:]]/deb-src /p" "$file" \
                >>"$1/zorvel-deb-src.list"
        fi
    done
}

configure_qt() { # <source folder> <build folder>
    SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$1/debian/changelog" -S Timestamp)
    export SOURCE_DATE_EPOCH
    local mapped="-ffile-prefix-map=$1=qt6-base -ffile-prefix-map=$2=build"
    cmake -S "$1" -B "$2" -G Ninja \
        -DCMAKE_C_FLAGS="$mapped" -DCMAKE_CXX_FLAGS="$mapped" \
        -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64-x86_64.cmake" \
        -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
        -DCMAKE_INSTALL_PREFIX="$prefix" \
        "${options[@]}"
}

# A file describes one part, or several in a list; a part names one licence file or a
# list. Qt writes line breaks inside its strings, which a strict reader refuses.
licence_files() { # <qt_attribution.json>: the licence files it names, one a line
    python3 - "$1" <<'EOF'
import json
import sys

with open(sys.argv[1], encoding="utf-8") as file:
    described = json.load(file, strict=False)
for part in described if isinstance(described, list) else [described]:
    named = part.get("LicenseFiles", part.get("LicenseFile", []))
    for name in [named] if isinstance(named, str) else named:
        print(name)
EOF
}

# The build graph of a DLL down to the files of the source: what it links (its objects
# and the static libraries of Qt's bundled parts; not the import libraries of other DLLs,
# nor what only has to be built first) and what each of those is made from. One line a
# node: the rule that makes it ("-" for a file nothing makes) and its path.
link_graph() { # <build folder> <dll>
    local frontier=("$2") lines line kind rest
    declare -A seen=(["$2"]=1)
    while [ "${#frontier[@]}" -gt 0 ]; do
        mapfile -t lines < <(cd "$1" && ninja -t query "${frontier[@]}" | awk -v top="$2" '
            /^[^ ]/ { node = substr($0, 1, length($0) - 1); made = 0; skip = 0; reading = 0; next }
            /^  input: / { made = 1; reading = 1
                           skip = node != top && $2 ~ /SHARED_LIBRARY|MODULE_LIBRARY/
                           if (!skip) print "node", $2, node; next }
            /^  [a-z]+:/ { if (!made) print "node - " node; reading = 0; next }
            reading && !skip && $1 != "||" { print "input", $NF }')
        frontier=()
        for line in "${lines[@]}"; do
            read -r kind rest <<<"$line"
            if [ "$kind" = node ]; then
                echo "$rest"
            elif [ -z "${seen[$rest]:-}" ]; then
                seen[$rest]=1
                frontier+=("$rest")
            fi
        done
    done
}

# What the notices of a program that ships Qt's DLLs are made from (the Windows package
# reads them, see packaging/windows-notices.cmake), kept in $prefix/notices:
#   source/   Qt's licence texts, Debian's copyright of the source package, and every
#             qt_attribution.json of the source with the licence files it names
#   inputs/   for each DLL the build makes (bin/Qt6Core.dll.txt, ...), the files of the
#             source that went into it: compiled, included or embedded, one a line,
#             from the build's own graph and each object's includes
# A folder that is merely configured serves too: the compiler then lists the includes.
record_notices() { # <source folder> <build folder>
    local source=$1 build=$2 kept json dll
    kept=$(mktemp -d "$prefix/notices.XXXXXX")
    mkdir -p "$kept/source/LICENSES" "$kept/source/debian" "$kept/inputs"
    cp "$source"/LICENSES/{LGPL-3.0-only,GPL-3.0-only}.txt "$kept/source/LICENSES/"
    cp "$source/debian/copyright" "$kept/source/debian/"
    (cd "$source" && find src util -name qt_attribution.json) | while IFS= read -r json; do
        install -D -m 644 "$source/$json" "$kept/source/$json"
        licence_files "$source/$json" | while IFS= read -r licence; do
            licence=$(realpath -m --relative-to="$source" "$source/$(dirname "$json")/$licence")
            install -D -m 644 "$source/$licence" "$kept/source/$licence"
        done
    done
    (cd "$build" && ninja -t targets all) | grep -oE '^(bin|plugins/[^/]+)/[^/:]+\.dll' | sort -u \
        | while IFS= read -r dll; do
        link_graph "$build" "$dll" >"$kept/graph"
        # Each object's includes: those the build recorded (ninja's deps log) or, for an
        # object not built, the compiler's list from the object's own compile command, the
        # compiler only preprocessing. A source the build generates (moc's, rcc's) is not
        # there before the build: it holds Qt's own code, or files of the graph.
        rm -rf "$kept/includes" && mkdir "$kept/includes" && : >"$kept/includes.unknown"
        awk '$1 ~ /^C(XX)?_COMPILER/ { print $2 }' "$kept/graph" | (cd "$build" && xargs -r ninja -t deps) \
            | awk -v recorded="$kept/includes/recorded" -v unknown="$kept/includes.unknown" '
                /^[^ ]/ { object = $1; sub(/:$/, "", object); if (/deps not found/) print object >unknown; next }
                /^    / { print $1 >recorded }'
        (cd "$build" && xargs -r ninja -t commands -s <"$kept/includes.unknown") \
            | sed -E 's/ -MD / /; s/ -MT [^ ]+/ /; s/ -MF [^ ]+/ /; s/ -o [^ ]+/ -o \/dev\/null/' \
            | { number=0; while IFS= read -r command; do
                number=$((number + 1))
                (cd "$build" && [ -f "${command##* }" ]) || continue
                { (cd "$build" && eval "$command -M -MG -MF $kept/includes/$number") \
                    || echo "$command" >>"$kept/failed"; } &
                [ "$(jobs -rp | wc -l)" -lt "$(nproc)" ] || wait -n
            done; wait; }
        if [ -e "$kept/failed" ]; then
            echo "The compiler could not list the includes of these sources of $dll:" >&2
            cat "$kept/failed" >&2
            exit 1
        fi
        { cut -d' ' -f2 "$kept/graph"; cat "$kept/includes"/* | tr ' \134' '\n'; } | grep -E '^[^ :]+$' \
            | (cd "$build" && xargs -r realpath -m --relative-to="$source") | grep -v '^\.\./' | sort -u \
            | install -D -m 644 /dev/stdin "$kept/inputs/$dll.txt"
    done
    rm -r "$kept/graph" "$kept/includes" "$kept/includes.unknown"
    rm -rf "$prefix/notices"
    mv "$kept" "$prefix/notices"
}

# A folder built before the notices were kept gets them from the same source, configured
# again with the same options and not built.
ensure_notices() {
    [ -d "$prefix/notices" ] && return 0
    local scratch source_dir
    scratch=$(mktemp -d "$cache/qt-$upstream-mingw.notices-work.XXXXXX")
    source_dir=$(fetch_source "$scratch")
    configure_qt "$source_dir" "$scratch/build"
    record_notices "$source_dir" "$scratch/build"
    rm -rf "$scratch"
}

# One run at a time: a run started while another builds would delete its work and start
# over. It waits, then finds the folder ready. The lock lies beside the folder, which a
# build deletes and makes again.
mkdir -p "$cache"
lock="$prefix.lock"
exec 9>"$lock"
if ! flock -n 9; then
    echo "Waiting for the run that holds $lock (a build of Qt for Windows takes minutes)." >&2
    flock 9
fi

if [ -f "$prefix/zorvel-qt.stamp" ] && [ "$(cat "$prefix/zorvel-qt.stamp")" = "$(stamp_text)" ]; then
    add_debian_files
    ensure_notices
    echo "$prefix" >&3
    exit 0
fi

started=$SECONDS
work="$cache/qt-$upstream-mingw.work"
rm -rf "$work" "$prefix"
mkdir -p "$work" "$prefix"
cp "$toolchain_source" "$prefix/mingw-w64-x86_64.cmake"

source_dir=$(fetch_source "$work")
configure_qt "$source_dir" "$work/build"
cmake --build "$work/build" --parallel "$(nproc)"
cmake --install "$work/build"
record_notices "$source_dir" "$work/build"

rm -rf "$work"
add_debian_files
stamp_text >"$prefix/zorvel-qt.stamp"
echo "Qt for Windows built in $((SECONDS - started)) s."
echo "$prefix" >&3
