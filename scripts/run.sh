#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Plumbrule developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds the calculator and starts it. Installs and
# builds only what the two programs need: a new build folder is configured
# without the test suite and the benchmarks (scripts/test.sh adds them).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh" run
options=()
[ -f "$here/build/CMakeCache.txt" ] ||
  options=(-DPLUMBRULE_BUILD_TESTS=OFF -DPLUMBRULE_BUILD_BENCH=OFF)
PLUMBRULE_TARGETS="plumbrule plumbrule-calc" \
  "$here/scripts/build.sh" "$here/build" "${options[@]}"
exec "$here/build/src/app/plumbrule" "$@"
