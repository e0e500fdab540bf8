#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Plumbrule developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up of the calculator window against two bare Qt floors: the time from
# process start to the window first mapped, and the peak memory (VmHWM) 300 ms
# later. Each round starts plumbrule, floor_panel (a bare window with as many
# controls as ours) and floor_label (one label) once each, interleaved, on a
# private Xvfb without a window manager, each start with a fresh empty HOME and
# XDG folders and a clean environment, so no saved settings and no desktop
# theme. All of it is built with the project (bench/startup/).
#   bench/startup.sh [-n ROUNDS] [-b BUILD_DIR] [-k]   (default 15 rounds, build)
# -k: Plumbrule starts with Keep Tape Between Runs on and a kept tape of 2 MB.
# Target: Plumbrule's medians within 1.25x of floor_panel's, time and memory.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
runs=15
build="$here/build"
kept=
while getopts "n:b:k" o; do
  case $o in n) runs=$OPTARG ;; b) build=$OPTARG ;; k) kept=1 ;; *) exit 1 ;; esac
done

PLUMBRULE_TARGETS="plumbrule floor_panel floor_label mapwait" \
  "$here/scripts/build.sh" "$build" -DPLUMBRULE_BUILD_BENCH=ON >/dev/null
mapwait="$build/bench/startup/mapwait"
programs=("$build/src/app/plumbrule" "$build/bench/startup/floor_panel"
          "$build/bench/startup/floor_label")
names=(plumbrule floor_panel floor_label)

work=$(mktemp -d)
xvfb=
cleanup() {
  if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
if [ -n "$kept" ]; then
  yes $'12\r\n+ 345\r\n= 357\r' | head -c 2000000 >"$work/tape.txt" || true
fi

# A private X server on the first free display from :77.
for ((n = 77; n < 200; n++)); do
  [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do
    DISPLAY=":$n" "$mapwait" -p 2>/dev/null && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.05
  done
  if DISPLAY=":$n" "$mapwait" -p 2>/dev/null && kill -0 "$xvfb" 2>/dev/null; then
    display=":$n"
    break
  fi
  kill "$xvfb" 2>/dev/null || true
  xvfb=
done
[ -n "$xvfb" ] || { echo "startup.sh: could not start Xvfb" >&2; exit 1; }

one() { # program -> "ms rss_kb" or nothing
  local home
  home=$(mktemp -d "$work/home.XXXXXX")
  mkdir -p "$home/.config" "$home/.cache" "$home/.local/share" "$home/.local/state" "$home/run"
  chmod 700 "$home/run"
  if [ -n "$kept" ] && [ "$1" = "${programs[0]}" ]; then
    mkdir -p "$home/.local/share/Plumbrite/Plumbrule" "$home/.config/Plumbrite"
    cp "$work/tape.txt" "$home/.local/share/Plumbrite/Plumbrule/tape.txt"
    printf '[General]\nKeepTape=1\n' >"$home/.config/Plumbrite/Plumbrule.conf"
  fi
  env -i PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8 DISPLAY="$display" \
    HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_CACHE_HOME="$home/.cache" \
    XDG_DATA_HOME="$home/.local/share" XDG_STATE_HOME="$home/.local/state" \
    XDG_RUNTIME_DIR="$home/run" QT_QPA_PLATFORM=xcb \
    "$mapwait" -t 30 -r 300 "$1" 2>/dev/null |
    sed -n 's/^ms=\([0-9.]*\) rss_kb=\([0-9-]*\)$/\1 \2/p'
  rm -rf "$home"
}

# One warm-up round, not counted, then the measured rounds.
for ((r = 0; r <= runs; r++)); do
  for i in "${!programs[@]}"; do
    result=$(one "${programs[$i]}")
    if [ "$r" -gt 0 ] && [ -n "$result" ]; then echo "${names[$i]} $result" >>"$work/results"; fi
  done
  [ "$r" -gt 0 ] && printf '.' >&2
done
echo >&2

median() { sort -n | awk '{ a[NR] = $1 } END { if (NR % 2) print a[(NR + 1) / 2]; else printf "%.1f\n", (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }
printf '%-12s %4s %10s %10s %10s %11s\n' program runs median_ms min_ms max_ms median_rss_kb
declare -A med_ms med_kb
for name in "${names[@]}"; do
  grep "^$name " "$work/results" | cut -d' ' -f2- >"$work/$name" || true
  count=$(wc -l <"$work/$name")
  if [ "$count" -eq 0 ]; then
    echo "$name: every start failed" >&2
    exit 1
  fi
  med_ms[$name]=$(cut -d' ' -f1 "$work/$name" | median)
  med_kb[$name]=$(cut -d' ' -f2 "$work/$name" | median)
  printf '%-12s %4s %10s %10s %10s %11s\n' "$name" "$count" "${med_ms[$name]}" \
    "$(cut -d' ' -f1 "$work/$name" | sort -n | head -1)" \
    "$(cut -d' ' -f1 "$work/$name" | sort -n | tail -1)" "${med_kb[$name]}"
done
awk -v at="${med_ms[plumbrule]}" -v pt="${med_ms[floor_panel]}" \
    -v am="${med_kb[plumbrule]}" -v pm="${med_kb[floor_panel]}" 'BEGIN {
  printf "plumbrule / floor_panel: time %.2fx, memory %.2fx (target <= 1.25x)\n", at / pt, am / pm
}'
