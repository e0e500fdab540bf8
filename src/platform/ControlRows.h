// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

// A window's controls written as data, without Qt: one row per control, in
// the order the window makes them. A window builds itself from its table
// (platform/WindowLayout.h), and its tests read the same table, so a control
// is moved or renamed in one place.
namespace plumbrule {

// A control's place as a window layout writes it, in twips.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

enum class ControlKind {
    Button,   // QPushButton
    Option,   // QRadioButton
    Label,    // QLabel with a caption
    Picture,  // QLabel that shows a picture
    Frame,    // QGroupBox; its caption is the title
    List,     // QComboBox
    Box,      // QLineEdit
    Rule,     // a plain QFrame: a line or a filled shape
    Special,  // a control of the window's own class, made by the window
};

struct ControlPlace {
    std::string_view name;  // objectName
    ControlKind kind;
    TwipsRect place;  // in the client area, or in the frame `in`
    std::string_view caption = {};
    std::string_view toolTip = {};  // exactly as shown, trailing blanks and all
    // What the control does, in words a screen reader speaks: the captions of
    // the keypad ("ft", ">", "CE", "-/+") say little when read aloud. Empty:
    // the control keeps its own, as the result labels do, whose name is
    // always their whole text.
    std::string_view accessibleName = {};
    std::string_view in = {};  // objectName of the frame that holds it; empty: the window
};

// One line of a drawing behind a window's controls, in the pixels of the
// frame it lies in.
struct LineSegment {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
};

}  // namespace plumbrule
