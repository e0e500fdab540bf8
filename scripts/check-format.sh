#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Plumbrule developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when a C++ file of the repository differs from what clang-format makes
# of it with the committed .clang-format, and shows how.
#   scripts/check-format.sh        (clang-format -i on the files it names mends them)
# The tree is written so that the clang-format of Debian 12 (version 14) and
# that of Debian 13 (version 19) agree on it; each of them is checked against
# in CI. Another version may format some constructs differently, so with one
# the check is skipped (status 77) and says which versions it needs.
set -euo pipefail
cd "$(dirname "$0")/.."
versions=(14 19)
# Missing, it fails the full suite (PLUMBRULE_FULL_SUITE=1, scripts/test.sh)
# and is skipped elsewhere, as in a package's build root.
command -v clang-format >/dev/null || {
    echo "clang-format is not installed (scripts/setup.sh test installs it)" >&2
    [ "${PLUMBRULE_FULL_SUITE:-0}" = 1 ] && exit 1
    echo "SKIPPED"
    exit 77
}
version=$(clang-format --version | sed -n 's/.*clang-format version \([0-9]*\)\..*/\1/p')
if [[ " ${versions[*]} " != *" $version "* ]]; then
    echo "SKIPPED: needs clang-format ${versions[0]} or ${versions[1]} (Debian 12's or 13's);" \
        "this is version ${version:-unknown}"
    exit 77
fi
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files '*.cpp' '*.h')
else
    mapfile -t files < <(find src tests bench fuzz scripts \( -name '*.cpp' -o -name '*.h' \) | sort)
fi
unformatted=()
# One clang-format for the whole tree (a process for each file took a
# minute and more on a busy machine); file by file only to name the culprits.
if ! clang-format --dry-run --Werror "${files[@]}" >/dev/null 2>&1; then
    for file in "${files[@]}"; do
        clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
    done
fi
if [ ${#unformatted[@]} -gt 0 ]; then
    # The changes themselves, so that a developer with the other release's
    # clang-format sees what this one wants.
    for file in "${unformatted[@]}"; do
        clang-format "$file" | diff -u --label "$file" --label "clang-format $version" "$file" - || true
    done | head -n 200
    echo "not formatted as clang-format $version writes them: ${unformatted[*]}" >&2
    exit 1
fi
echo "${#files[@]} files formatted as clang-format $version writes them"
