// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <Qt>

class QKeyEvent;

namespace plumbrule {

// A key press as the calculator's keyboard map reads it: the virtual-key code
// a US keyboard reports and the mask Shift 1, Ctrl 2, Alt 4.
struct KeyPress {
    int KeyCode = 0;  // 0: a key the map has no code for
    int Shift = 0;

    friend bool operator==(const KeyPress&, const KeyPress&) = default;
};

// A character gives the key and Shift state with which a US keyboard types
// it, whatever layout, Shift state or dead key produced it; Ctrl and Alt stay
// as held, and a character a US keyboard lacks has no code:
//   Key_Plus (with or without Shift) -> {187, 1}   Key_Equal + Shift -> {187, 0}
//   Key_QuoteDbl                     -> {222, 1}   Key_Apostrophe + Shift -> {222, 0}
//   Key_Dead_Acute                   -> {222, 0}   Key_Dead_Diaeresis -> {222, 1}
//   Key_5 + Shift (French AZERTY)    -> {53, 0}    Key_Asterisk + Ctrl -> {56, 3}
// Letters keep the Shift held: Key_F + Shift -> {70, 1}.
// Keypad keys are told apart by the keypad modifier:
//   Key_7 + Keypad -> {103, 0}   Key_Plus + Keypad -> {107, 0}
//   Key_Enter + Keypad -> {13, 0}
// Presses of Shift, Ctrl and Alt themselves have their own bit set:
//   Key_Shift (with or without Shift) -> {16, 1}   Key_Control -> {17, 2}
KeyPress TranslateKey(int qtKey, Qt::KeyboardModifiers modifiers);
KeyPress TranslateKey(const QKeyEvent& event);

}  // namespace plumbrule
