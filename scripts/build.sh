#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Plumbrule developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Configures and builds Plumbrule into a build folder (default: build).
#   scripts/build.sh [BUILD_DIR] [extra cmake options...]
# PLUMBRULE_TARGETS="a b" builds only those targets (default: all).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-"$here/build"}
shift || true
generator=()
[ -f "$dir/CMakeCache.txt" ] || generator=(-G Ninja)
cmake -S "$here" -B "$dir" "${generator[@]}" "$@" >/dev/null
targets=()
for t in ${PLUMBRULE_TARGETS:-}; do targets+=(--target "$t"); done
cmake --build "$dir" "${targets[@]}" -j "$(nproc)"
