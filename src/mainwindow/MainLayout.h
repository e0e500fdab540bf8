// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string_view>
#include <variant>

#include "entry/Calculator.h"
#include "mainwindow/frmMain.h"
#include "platform/WindowLayout.h"

// The main window as designed, in twips, and what each of its controls runs.
namespace plumbrule::main_layout {

// The outer heights (3255 with the options panel shown, 2215 folded) include
// the caption and borders of the system the window was designed on: 3255
// outer against the designed client height of 2910 leaves 345 twips for
// them. Qt sizes the client area and the window manager adds its own frame,
// so the client heights are the outer heights less those 345 twips: 2910
// (194 px) shown and 1870 (125 px) folded, which leaves the top edge of the
// options frame just visible, as on the original.
inline constexpr int clientWidthTwips = 4470;
inline constexpr int outerHeightShownTwips = 3255;
inline constexpr int outerHeightFoldedTwips = 2215;
inline constexpr int captionAndBorderTwips = 345;

// The keypad rows; every key is 285 twips high, the small ones 330 wide.
inline constexpr int row1 = 540, row2 = 855, row3 = 1170, row4 = 1485;

constexpr TwipsRect key(int left, int top, int width = 330) {
    return {left, top, width, 285};
}

using K = ControlKind;

// Every control, in the order the window makes them. Captions and tooltips
// are the window's own texts, trailing blanks included.
inline constexpr std::array controls{
    ControlPlace{"Picture1", K::Picture, {60, 90, 345, 330}},
    ControlPlace{"lblDisplay", K::Special, {405, 90, 3975, 330}},

    ControlPlace{"cmdNum_1", K::Button, key(90, row1), "1", {}, "Digit 1"},
    ControlPlace{"cmdNum_2", K::Button, key(450, row1), "2", {}, "Digit 2"},
    ControlPlace{"cmdNum_3", K::Button, key(810, row1), "3", {}, "Digit 3"},
    ControlPlace{"cmdDivide", K::Button, key(1215, row1), "/", "Divide", "Divide"},
    ControlPlace{"cmdFeet", K::Button, key(1620, row1), "ft", "Feet Keyboard = ' ", "Feet mark"},
    ControlPlace{"cmdBack", K::Button, key(2070, row1, 375), ">",
                 "Backspace - Keyboard = Backspace ", "Backspace"},
    ControlPlace{"cmdDelete", K::Button, key(2520, row1, 375), "CE",
                 "Clear Expresion - Keyboard = Del ", "Clear entry"},
    ControlPlace{"cmdAC", K::Button, key(2970, row1, 375), "C", "Clear All - Keyboard = Del Del ",
                 "Clear all"},
    ControlPlace{"cmdHistory", K::Button, key(3510, row1, 870), "History",
                 "Click to display/hide history list", "Show or hide the history"},

    ControlPlace{"cmdNum_4", K::Button, key(90, row2), "4", {}, "Digit 4"},
    ControlPlace{"cmdNum_5", K::Button, key(450, row2), "5", {}, "Digit 5"},
    ControlPlace{"cmdNum_6", K::Button, key(810, row2), "6", {}, "Digit 6"},
    ControlPlace{"cmdMultiply", K::Button, key(1215, row2), "*", "Multiply", "Times"},
    ControlPlace{"cmdInches", K::Button, key(1620, row2), "in", "Inches Keyboard = \" ",
                 "Inch mark"},
    ControlPlace{"cmdStair", K::Button, key(2070, row2, 1275), "Stair Calculator",
                 "Stairs, right triangles, areas and volumes", "Stair calculator"},
    ControlPlace{"cmdStore", K::Button, key(3510, row2, 870), "Store",
                 "Store the value currently in the display", "Store"},

    ControlPlace{"cmdNum_7", K::Button, key(90, row3), "7", {}, "Digit 7"},
    ControlPlace{"cmdNum_8", K::Button, key(450, row3), "8", {}, "Digit 8"},
    ControlPlace{"cmdNum_9", K::Button, key(810, row3), "9", {}, "Digit 9"},
    ControlPlace{"cmdSubtract", K::Button, key(1215, row3), "-", "Subtract", "Minus"},
    ControlPlace{"cmdFraction", K::Button, key(1620, row3), "Fr",
                 "Begin a fraction - Keyboard = F ", "Begin fraction"},
    ControlPlace{"cmdRecall", K::Button, key(3510, row3, 870), "Recall", "Recall a stored value",
                 "Recall"},

    ControlPlace{"cmdNum_0", K::Button, key(90, row4), "0", {}, "Digit 0"},
    ControlPlace{"cmdNeg", K::Button, key(450, row4), "-/+", "Negative/Positive - Keyboard = N ",
                 "Change sign"},
    ControlPlace{"cmdDot", K::Button, key(810, row4), ".", {}, "Decimal point"},
    ControlPlace{"cmdAdd", K::Button, key(1215, row4), "+", "Add", "Plus"},
    ControlPlace{"cmdEquals", K::Button, key(1620, row4), "=", "Caculate - Keyboard=Enter ",
                 "Equals"},
    ControlPlace{"cmdOptions",
                 K::Button,
                 key(2070, row4, 1275),
                 "Hide Options",
                 {},
                 "Show or hide the output options"},
    ControlPlace{"cmdAbout", K::Button, key(3510, row4, 870), "About",
                 "Dislplay information about Plumbrule", "About Plumbrule"},

    ControlPlace{"Frame1", K::Frame, {90, 1845, 4290, 960}, "Output Format"},
    ControlPlace{"optOutput_0",
                 K::Option,
                 {135, 225, 1185, 195},
                 "Fractional",
                 {},
                 "Fractional output",
                 "Frame1"},
    ControlPlace{
        "optOutput_1", K::Option, {1440, 225, 960, 195}, "Decimal", {}, "Decimal output", "Frame1"},
    ControlPlace{"Label1", K::Label, {2475, 225, 1410, 195}, "Round to nearest", {}, {}, "Frame1"},
    ControlPlace{"cmbFormat", K::List, {135, 495, 2220, 315}, {}, {}, "Output units", "Frame1"},
    ControlPlace{"cmbRound", K::List, {2475, 495, 1680, 315}, {}, {}, "Round to nearest", "Frame1"},
};

// What each control runs, by objectName. A control array ("cmdNum_0" ..
// "cmdNum_9") has one row under its name without the index, and its handler
// takes the index. The keys the calculator answers itself run its handler of
// the same name, then the window shows the new state.
using Handler = std::variant<void (Calculator::*)(), void (Calculator::*)(int), void (frmMain::*)(),
                             void (frmMain::*)(int)>;

struct Wire {
    std::string_view control;
    Handler handler;
};

inline const std::array wiring{
    Wire{"cmdNum", &Calculator::cmdNum_Click},
    Wire{"cmdDot", &Calculator::cmdDot_Click},
    Wire{"cmdFeet", &Calculator::cmdFeet_Click},
    Wire{"cmdInches", &Calculator::cmdInches_Click},
    Wire{"cmdFraction", &Calculator::cmdFraction_Click},
    Wire{"cmdNeg", &Calculator::cmdNeg_Click},
    Wire{"cmdBack", &Calculator::cmdBack_Click},
    Wire{"cmdDelete", &Calculator::cmdDelete_Click},
    Wire{"cmdAC", &Calculator::cmdAC_Click},
    Wire{"cmdAdd", &Calculator::cmdAdd_Click},
    Wire{"cmdSubtract", &Calculator::cmdSubtract_Click},
    Wire{"cmdMultiply", &Calculator::cmdMultiply_Click},
    Wire{"cmdDivide", &Calculator::cmdDivide_Click},
    Wire{"cmdEquals", &Calculator::cmdEquals_Click},
    Wire{"cmdHistory", &frmMain::cmdHistory_Click},
    Wire{"cmdStore", &frmMain::cmdStore_Click},
    Wire{"cmdRecall", &frmMain::cmdRecall_Click},
    Wire{"cmdStair", &frmMain::cmdStair_Click},
    Wire{"cmdAbout", &frmMain::cmdAbout_Click},
    Wire{"cmdOptions", &frmMain::cmdOptions_Click},
    // Only a change of kind reaches the handler: choosing the kind already
    // chosen does nothing.
    Wire{"optOutput", &frmMain::optOutput_Click},
    Wire{"cmbFormat", &frmMain::cmbFormat_Click},
    Wire{"cmbRound", &frmMain::cmbRound_Click},
};

}  // namespace plumbrule::main_layout
