#!/usr/bin/env bash
# Start-up of the calculator window against the realistic Qt floor: time from
# process start to the main window first mapped, and peak memory (VmHWM),
# interleaved with qt_panel in one startup_compare.sh call (private Xvfb, no
# window manager, fresh empty HOME per start, so no saved settings).
#   bench/startup.sh [-n RUNS]                (default 15 rounds)
# The tool folder is found at $STARTUP_BENCH, else ../shared/startup-bench
# beside the clone, else /work/shared/startup-bench.
# Target: Plumbrule's medians within 1.25x of qt_panel's, on time and memory.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
runs=15
while getopts "n:" o; do
    case $o in n) runs=$OPTARG ;; *) exit 1 ;; esac
done

tools=${STARTUP_BENCH:-}
for candidate in "$here/../shared/startup-bench" /work/shared/startup-bench; do
    [ -n "$tools" ] && break
    [ -x "$candidate/startup_compare.sh" ] && tools=$(cd "$candidate" && pwd)
done
[ -n "$tools" ] || { echo "startup-bench not found (set STARTUP_BENCH)" >&2; exit 1; }

app="$here/build/src/app/plumbrule"
[ -x "$app" ] || "$here/scripts/build.sh" "$here/build"
floors=$("$tools/build_floors.sh")
panel="$floors/qt_panel"

out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$tools/startup_compare.sh" -n "$runs" "$app" "$panel" | tee "$out"

# Ratios of the medians: columns are program ok median_ms min_ms max_ms rss_kb_med.
awk -v app="$app" -v panel="$panel" '
    $1 == app   { at = $3; am = $6 }
    $1 == panel { pt = $3; pm = $6 }
    END {
        if (pt > 0 && pm > 0)
            printf "plumbrule / qt_panel: time %.2fx, memory %.2fx (target <= 1.25x)\n", at / pt, am / pm
    }' "$out"
