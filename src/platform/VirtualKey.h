// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The key codes the keyboard map reads: Windows virtual-key codes of a US
// keyboard, and the mask of the modifier keys held. Written by the key
// translation, read by the keyboard map; nothing here needs Qt.
namespace plumbrule {

enum VirtualKey : int {
    vkBack = 8,
    vkTab = 9,
    vkClear = 12,
    vkReturn = 13,
    vkShift = 16,
    vkControl = 17,
    vkMenu = 18,  // Alt
    vkPause = 19,
    vkCapital = 20,  // Caps Lock
    vkEscape = 27,
    vkSpace = 32,
    vkPrior = 33,  // Page Up
    vkNext = 34,   // Page Down
    vkEnd = 35,
    vkHome = 36,
    vkLeft = 37,
    vkUp = 38,
    vkRight = 39,
    vkDown = 40,
    vkSnapshot = 44,  // Print Screen
    vkInsert = 45,
    vkDelete = 46,
    vk0 = 48,  // the digits 0..9 follow in order
    vk8 = 56,
    vk9 = 57,
    vkA = 65,  // the letters A..Z follow in order
    vkF = 70,
    vkN = 78,
    vkLWin = 91,
    vkApps = 93,  // the context-menu key
    vkNumpad0 = 96,
    vkNumpad9 = 105,
    vkMultiply = 106,
    vkAdd = 107,
    vkSubtract = 109,
    vkDecimal = 110,
    vkDivide = 111,
    vkF1 = 112,  // F1..F24 follow in order
    vkNumLock = 144,
    vkScroll = 145,
    vkOem1 = 186,       // ; and :
    vkOemPlus = 187,    // = and +
    vkOemComma = 188,   // , and <
    vkOemMinus = 189,   // - and _
    vkOemPeriod = 190,  // . and >
    vkOem2 = 191,       // / and ?
    vkOem3 = 192,       // ` and ~
    vkOem4 = 219,       // [ and {
    vkOem5 = 220,       // \ and |
    vkOem6 = 221,       // ] and }
    vkOem7 = 222,       // ' and "
};

// The modifier mask of a key press: added together.
enum ShiftMask : int { maskShift = 1, maskCtrl = 2, maskAlt = 4 };

}  // namespace plumbrule
