#!/bin/sh

# SPDX-FileCopyrightText: 2026 The Plumbrule developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Measures plumbrule-calc on a file of mixed expressions, one per line:
# elapsed time and peak memory for 100,000 and 1,000,000 lines (the memory
# must stay flat). Uses build/src/cli/plumbrule-calc unless CALC is set.
#   bench/cli_bench.sh [LINES]   (default 1000000)
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
calc=${CALC:-$here/build/src/cli/plumbrule-calc}
lines=${1:-1000000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Mixed expressions: fractions, feet and inches, decimals, negatives, all four
# operators, a few errors and blank lines.
make_input() {
    awk -v n="$1" 'BEGIN {
        split("5'"'"'3-1/2\" + 0-3/8|10'"'"'6\" / 4|-6.25 * 2 - 0-1/16|12'"'"' - 3'"'"'4-3/4\" + 1.5|"\
              "59.99|3-1/0|100.1 / 3 * 2|-0'"'"'3\" + 5'"'"'|1/2|7'"'"'11-15/16\" * 3 / 2|"\
              "|0-1/2 + 0-1/4 + 0-1/8 + 0-1/16", e, "|");
        for (i = 0; i < n; i++) print e[i % 12 + 1];
    }' > "$2"
}

measure() {
    input=$work/input-$1.txt
    make_input "$1" "$input"
    shift
    /usr/bin/time -f "%e s elapsed (%U s user, %S s system), %M KB peak memory" "$calc" "$@" < "$input" > "$work/out.txt" || true
    echo "  $(wc -l < "$work/out.txt") output lines"
}

for n in 100000 "$lines"; do
    echo "$n lines, fractional feet-inches 1/16:"
    measure "$n"
    echo "$n lines, decimal inches 4 places:"
    measure "$n" --style decimal --units inches
done
