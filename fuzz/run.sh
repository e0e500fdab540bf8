#!/bin/sh

# SPDX-FileCopyrightText: 2026 The Plumbrule developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds a fuzz target with clang and runs it.
#   fuzz/run.sh [SECONDS] [engine|paste|calc_line]   (default 600, engine)
# New inputs go to a scratch corpus; the committed seeds (fuzz/corpus for the
# engine, fuzz/corpus-paste, fuzz/corpus-calc-line) are only read. Crashes
# land in build-fuzz/artifacts/.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
target=${2:-engine}
case "$target" in
  engine) seeds="$here/fuzz/corpus" ;;
  paste) seeds="$here/fuzz/corpus-paste" ;;
  calc_line) seeds="$here/fuzz/corpus-calc-line" ;;
  *) echo "fuzz/run.sh: unknown target $target (engine, paste, calc_line)" >&2; exit 2 ;;
esac
build="$here/build-fuzz"
CXX=clang++ cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPLUMBRULE_FUZZ=ON -DPLUMBRULE_BUILD_UI=OFF -DPLUMBRULE_BUILD_TESTS=OFF \
  -DPLUMBRULE_BUILD_BENCH=OFF >/dev/null
nice -n 10 cmake --build "$build" --target "${target}_fuzz"
mkdir -p "$build/corpus-$target" "$build/artifacts"
exec nice -n 10 "$build/fuzz/${target}_fuzz" -max_total_time="$seconds" -timeout=10 \
  -max_len=256 -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" \
  "$build/corpus-$target" "$seeds"
