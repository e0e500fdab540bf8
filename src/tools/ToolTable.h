// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ControlRows.h"
#include "tools/ToolBoxes.h"

// The tools of the tools window, one row each, in the order of its tabs.
// The window builds a tab from a row, and plumbrule-calc takes its switch,
// options, usage and solver from the same row. Qt-free.
namespace plumbrule {

// Solves a tool from its boxes' texts, in the order of its `boxes` ("" for
// an empty box). `everyLine`: the command line's answer, which may show
// lines the tab leaves out (the values given).
using ToolSolver = ToolAnswer (*)(const std::vector<std::string>& texts, const ToolWriters& write,
                                  bool everyLine);

struct ToolRow {
    std::string_view tab;      // the tab's caption: "Right Triangle"
    std::string_view caption;  // the window's caption while the tab is forward
    std::string_view option;   // the command line's switch: "--triangle"
    std::span<const ToolBox> boxes;
    std::string_view usage;  // the switch's synopsis line(s) in --help, after the program name
    std::string_view help;   // its paragraph of --help
    ToolSolver solve;
    ToolMessage (*message)(int error);
    // The tab: its controls, the drawing behind its boxes, and the names of
    // its Calculate and Close buttons, its results frame and its note.
    std::span<const ControlPlace> controls;
    std::vector<LineSegment> (*diagram)();
    std::string_view calculate;
    std::string_view close;
    std::string_view results;
    std::string_view note;
};

std::span<const ToolRow> toolTable();

// The row whose switch is `option` ("--roof"), or -1.
int toolIndex(std::string_view option);

}  // namespace plumbrule
