// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/AccessibleNames.h"

#include <array>
#include <utility>

namespace plumbrule {

namespace {

using Entry = std::pair<std::string_view, std::string_view>;

constexpr std::array kMainWindow{
    Entry{"cmdDot", "Decimal point"},
    Entry{"cmdNeg", "Change sign"},
    Entry{"cmdAdd", "Plus"},
    Entry{"cmdSubtract", "Minus"},
    Entry{"cmdMultiply", "Times"},
    Entry{"cmdDivide", "Divide"},
    Entry{"cmdEquals", "Equals"},
    Entry{"cmdFeet", "Feet mark"},
    Entry{"cmdInches", "Inch mark"},
    Entry{"cmdFraction", "Begin fraction"},
    Entry{"cmdBack", "Backspace"},
    Entry{"cmdDelete", "Clear entry"},
    Entry{"cmdAC", "Clear all"},
    Entry{"cmdHistory", "Show or hide the history"},
    Entry{"cmdStair", "Stair calculator"},
    Entry{"cmdStore", "Store"},
    Entry{"cmdRecall", "Recall"},
    Entry{"cmdOptions", "Show or hide the output options"},
    Entry{"cmdAbout", "About Plumbrule"},
    Entry{"optOutput_0", "Fractional output"},
    Entry{"optOutput_1", "Decimal output"},
    Entry{"cmbFormat", "Output units"},
    Entry{"cmbRound", "Round to nearest"},
};

constexpr std::array kHistoryWindow{
    Entry{"Text1", "History tape"},
};

constexpr std::array kAboutWindow{
    Entry{"cmdOK", "OK"},
};

constexpr std::array kStairWindow{
    Entry{"optStair_0", "Calculate for risers"}, Entry{"optStair_1", "Calculate for treads"},
    Entry{"Text1_0", "Maximum riser height"},    Entry{"Text1_1", "Number of risers"},
    Entry{"Text1_2", "Overall height"},          Entry{"Text2_0", "Maximum tread width"},
    Entry{"Text2_1", "Number of treads"},        Entry{"Text2_2", "Overall width"},
    Entry{"cmdCalculate", "Calculate"},          Entry{"Command1", "Close"},
};

// The tools window's other tabs, Right Triangle and Area and Volume.
constexpr std::array kToolTabs{
    Entry{"txtRise", "Rise"},
    Entry{"txtRun", "Run"},
    Entry{"txtDiagonal", "Diagonal"},
    Entry{"txtPitch", "Pitch, inches in 12"},
    Entry{"txtAngle", "Angle in degrees"},
    Entry{"cmdCalculateTriangle", "Calculate"},
    Entry{"cmdCloseTriangle", "Close"},
    Entry{"txtLength", "Length"},
    Entry{"txtWidth", "Width"},
    Entry{"txtThickness", "Thickness, optional"},
    Entry{"cmdCalculateArea", "Calculate"},
    Entry{"cmdCloseArea", "Close"},
};

template <std::size_t N>
std::optional<std::string> find(const std::array<Entry, N>& table, std::string_view control) {
    for (const auto& [name, spoken] : table) {
        if (name == control) return std::string(spoken);
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> accessibleNameOf(std::string_view window, std::string_view control) {
    if (window == "frmMain") {
        constexpr std::string_view digit = "cmdNum_";
        if (control.size() == digit.size() + 1 && control.substr(0, digit.size()) == digit &&
            control.back() >= '0' && control.back() <= '9') {
            return "Digit " + std::string(1, control.back());
        }
        return find(kMainWindow, control);
    }
    if (window == "frmHistory") return find(kHistoryWindow, control);
    if (window == "frmStair") {
        if (auto name = find(kStairWindow, control)) return name;
        return find(kToolTabs, control);
    }
    if (window == "frmAbout") return find(kAboutWindow, control);
    return std::nullopt;
}

}  // namespace plumbrule
