#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Plumbrule developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Saves PNG pictures of the stair calculator (the worked flight in feet and
# inches: both sides and the stringer line), its other tabs (their worked
# examples), the About window and the open memory list, drawn by the window tests
# on Qt's offscreen platform (no display needed).
#   scripts/screenshot-windows.sh [OUT_DIR]      (default: docs)
# Builds first when the tests are missing. Settings go to a temporary folder.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${1:-"$here/docs"}" && cd "${1:-"$here/docs"}" && pwd)
build="$here/build"
tests=("$build/tests/tools/stair/stair_window_test" "$build/tests/about/about_window_test"
       "$build/tests/memory/memory_window_test" "$build/tests/tools/tools_window_test")
for test in "${tests[@]}"; do
    [ -x "$test" ] || { "$here/scripts/build.sh" "$build"; break; }
done
export QT_QPA_PLATFORM=offscreen PLUMBRULE_SCREENSHOT_DIR="$out"
"${tests[0]}" --gtest_filter='StairWindow.TheWorkedFlightTypedInFeetAndInchesGivesThreeLines' >/dev/null 2>&1
"${tests[3]}" --gtest_filter='ToolsWindow.TheWorkedExamplesComeOutInTheTabs:ToolsWindow.SpacingMarksWrapWholeAndGoToTheTapeAsABlock' >/dev/null 2>&1
"${tests[1]}" --gtest_filter='AboutWindow.ASecondOpeningShowsTheSameTexts' >/dev/null 2>&1
"${tests[2]}" --gtest_filter='MemoryWindow.StoresDisplayTextsAndRecallsThem' >/dev/null 2>&1
for picture in plumbrule-stair.png plumbrule-triangle.png plumbrule-area.png plumbrule-roof.png \
    plumbrule-spacing.png plumbrule-about.png plumbrule-memory.png; do
    [ -s "$out/$picture" ] || { echo "no picture $picture" >&2; exit 1; }
    echo "saved $out/$picture"
done
