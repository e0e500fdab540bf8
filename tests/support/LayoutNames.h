// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "about/AboutLayout.h"
#include "area/AreaLayout.h"
#include "history/HistoryLayout.h"
#include "mainwindow/MainLayout.h"
#include "stair/StairLayout.h"
#include "triangle/TriangleLayout.h"

namespace plumbrule::testing {

// The accessible name a window's layout rows give a control (the tools
// window, frmStair, holds the stair, right triangle and area tabs); nothing
// for a control the window's rows leave unnamed or do not have.
inline std::optional<std::string> accessibleNameOf(std::string_view window,
                                                   std::string_view control) {
    std::optional<std::string> found;
    const auto in = [&](const auto& layout) {
        for (const ControlPlace& row : layout) {
            if (row.name == control && !row.accessibleName.empty()) {
                found = std::string(row.accessibleName);
            }
        }
    };
    if (window == "frmMain") in(main_layout::controls);
    if (window == "frmHistory") in(history_layout::controls);
    if (window == "frmAbout") in(about_layout::controls);
    if (window == "frmStair") {
        in(stair_layout::controls);
        in(triangle_layout::controls);
        in(area_layout::controls);
    }
    return found;
}

}  // namespace plumbrule::testing
