#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Plumbrule developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian source and binary packages of this source tree with the
# distribution's tools, as a maintainer does: installs the Build-Depends that
# are missing (scripts/setup.sh package), copies the tree (what git tracks,
# and new files it does not ignore) into OUT_DIR/plumbrule-VERSION, runs
# dpkg-buildpackage there, which tests the build with dh_auto_test, and has
# lintian --pedantic check the .changes: an error or a warning fails.
#   scripts/package.sh [--no-lintian] [OUT_DIR]     OUT_DIR default: build-deb
# The packages land in OUT_DIR (plumbrule_VERSION_ARCH.deb, .dsc, .tar.xz,
# .changes); lintian's report is OUT_DIR/lintian.log. DEB_BUILD_OPTIONS
# applies (nocheck leaves the suite out).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
lintian=true
if [ "${1:-}" = --no-lintian ]; then lintian=false; shift; fi
out=$(realpath -m "${1:-$here/build-deb}")

"$here/scripts/setup.sh" package

version=$(dpkg-parsechangelog -l "$here/debian/changelog" -S Version)
rm -rf "$out"
mkdir -p "$out/plumbrule-$version"
if git -C "$here" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    (cd "$here" && git ls-files -z --cached --others --exclude-standard |
        xargs -0 -r sh -c 'for f; do [ -e "$f" ] && printf "%s\0" "$f"; done' files |
        tar --null -T - -cf -) | tar -xf - -C "$out/plumbrule-$version"
else
    # An unpacked source tarball: all of it but build folders.
    tar -C "$here" --exclude='./build*' --exclude='./obj-*' --exclude='./debian/plumbrule' \
        --exclude='./debian/.debhelper' -cf - . | tar -xf - -C "$out/plumbrule-$version"
fi

jobs="parallel=$(nproc)"
export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:+$DEB_BUILD_OPTIONS }$jobs"
cd "$out/plumbrule-$version"
if ! dpkg-buildpackage -us -uc >"$out/build.log" 2>&1; then
    tail -n 60 "$out/build.log" >&2
    echo "FAILED: dpkg-buildpackage (the whole log: $out/build.log)" >&2
    exit 1
fi
ls "$out"/*.deb "$out"/*.changes
if $lintian; then
    changes=("$out"/plumbrule_*.changes)
    if ! lintian --pedantic --info --fail-on=error,warning "${changes[0]}" >"$out/lintian.log" 2>&1; then
        cat "$out/lintian.log" >&2
        echo "FAILED: lintian found errors or warnings" >&2
        exit 1
    fi
    echo "lintian --pedantic: no errors, no warnings ($(grep -c . "$out/lintian.log" || true) lines of notes in $out/lintian.log)"
fi
