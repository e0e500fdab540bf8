#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Plumbrule developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when a C++ file of the repository differs from what clang-format
# (Debian 12's, version 14) makes of it with the committed .clang-format.
#   scripts/check-format.sh        (clang-format -i on the files it names mends them)
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || {
    echo "clang-format is not installed (scripts/setup.sh test installs it)" >&2
    exit 1
}
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files '*.cpp' '*.h')
else
    mapfile -t files < <(find src tests bench fuzz scripts \( -name '*.cpp' -o -name '*.h' \) | sort)
fi
unformatted=()
for file in "${files[@]}"; do
    clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done
if [ ${#unformatted[@]} -gt 0 ]; then
    echo "not formatted with clang-format: ${unformatted[*]}" >&2
    exit 1
fi
echo "${#files[@]} files formatted"
