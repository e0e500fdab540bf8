#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Plumbrule developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds Plumbrule and runs the whole test suite.
#   scripts/test.sh [BUILD_DIR] [extra cmake options...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-"$here/build"}
shift || true
"$here/scripts/setup.sh" test
# The suite and the benchmarks are switched on even in a folder that
# scripts/run.sh configured without them, and the suite is the full one:
# every check registered, and one whose tool is missing fails.
"$here/scripts/build.sh" "$dir" -DPLUMBRULE_BUILD_TESTS=ON -DPLUMBRULE_BUILD_BENCH=ON \
  -DPLUMBRULE_FULL_SUITE=ON "$@"
# Window tests run on Qt's offscreen platform and never touch real settings.
export QT_QPA_PLATFORM=offscreen
# On a terminal the progress is one line, rewritten; failures are listed after.
ctest --test-dir "$dir" --progress --output-on-failure -j "$(nproc)"
