#!/bin/sh

# SPDX-FileCopyrightText: 2026 The Plumbrule developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the engine fuzz target with clang and runs it.
#   fuzz/run.sh [SECONDS]   (default 600)
# New inputs go to a scratch corpus; the committed seeds in fuzz/corpus are
# only read. Crashes land in build-fuzz/artifacts/.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
build="$here/build-fuzz"
CXX=clang++ cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPLUMBRULE_FUZZ=ON -DPLUMBRULE_BUILD_UI=OFF -DPLUMBRULE_BUILD_TESTS=OFF \
  -DPLUMBRULE_BUILD_BENCH=OFF >/dev/null
nice -n 10 cmake --build "$build" --target engine_fuzz
mkdir -p "$build/corpus" "$build/artifacts"
exec nice -n 10 "$build/fuzz/engine_fuzz" -max_total_time="$seconds" -timeout=10 \
  -max_len=256 -print_final_stats=1 -artifact_prefix="$build/artifacts/" \
  "$build/corpus" "$here/fuzz/corpus"
