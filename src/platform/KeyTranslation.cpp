// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/KeyTranslation.h"

#include <QKeyEvent>

namespace plumbrule {

namespace {

int modifierMask(Qt::KeyboardModifiers modifiers) {
    int mask = 0;
    if (modifiers & Qt::ShiftModifier) mask |= 1;
    if (modifiers & Qt::ControlModifier) mask |= 2;
    if (modifiers & Qt::AltModifier) mask |= 4;
    return mask;
}

// Keys of the numeric keypad (Num Lock on, and the keys it has without it).
int keypadCode(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return 96 + (key - Qt::Key_0);
    switch (key) {
        case Qt::Key_Asterisk:
            return 106;
        case Qt::Key_Plus:
            return 107;
        case Qt::Key_Minus:
            return 109;
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return 110;  // the decimal key of any layout
        case Qt::Key_Slash:
            return 111;
        case Qt::Key_Enter:
        case Qt::Key_Return:
            return 13;
        default:
            return -1;  // a key that is the same on and off the keypad
    }
}

// The shifted symbols of the main block's digit row on a US keyboard.
int digitRowSymbolCode(int key) {
    switch (key) {
        case Qt::Key_ParenRight:
            return 48;
        case Qt::Key_Exclam:
            return 49;
        case Qt::Key_At:
            return 50;
        case Qt::Key_NumberSign:
            return 51;
        case Qt::Key_Dollar:
            return 52;
        case Qt::Key_Percent:
            return 53;
        case Qt::Key_AsciiCircum:
            return 54;
        case Qt::Key_Ampersand:
            return 55;
        case Qt::Key_Asterisk:
            return 56;
        case Qt::Key_ParenLeft:
            return 57;
        default:
            return 0;
    }
}

// The punctuation keys, each under both of its symbols.
int punctuationCode(int key) {
    switch (key) {
        case Qt::Key_Semicolon:
        case Qt::Key_Colon:
            return 186;
        case Qt::Key_Equal:
        case Qt::Key_Plus:
            return 187;
        case Qt::Key_Comma:
        case Qt::Key_Less:
            return 188;
        case Qt::Key_Minus:
        case Qt::Key_Underscore:
            return 189;
        case Qt::Key_Period:
        case Qt::Key_Greater:
            return 190;
        case Qt::Key_Slash:
        case Qt::Key_Question:
            return 191;
        case Qt::Key_QuoteLeft:
        case Qt::Key_AsciiTilde:
            return 192;
        case Qt::Key_BracketLeft:
        case Qt::Key_BraceLeft:
            return 219;
        case Qt::Key_Backslash:
        case Qt::Key_Bar:
            return 220;
        case Qt::Key_BracketRight:
        case Qt::Key_BraceRight:
            return 221;
        case Qt::Key_Apostrophe:
        case Qt::Key_QuoteDbl:
            return 222;
        default:
            return 0;
    }
}

int controlKeyCode(int key) {
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 112 + (key - Qt::Key_F1);
    switch (key) {
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return 9;
        case Qt::Key_Clear:
            return 12;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Pause:
            return 19;
        case Qt::Key_CapsLock:
            return 20;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Space:
            return 32;
        case Qt::Key_PageUp:
            return 33;
        case Qt::Key_PageDown:
            return 34;
        case Qt::Key_End:
            return 35;
        case Qt::Key_Home:
            return 36;
        case Qt::Key_Left:
            return 37;
        case Qt::Key_Up:
            return 38;
        case Qt::Key_Right:
            return 39;
        case Qt::Key_Down:
            return 40;
        case Qt::Key_Print:
            return 44;
        case Qt::Key_Insert:
            return 45;
        case Qt::Key_Delete:
            return 46;
        case Qt::Key_Meta:
            return 91;
        case Qt::Key_Menu:
            return 93;
        case Qt::Key_NumLock:
            return 144;
        case Qt::Key_ScrollLock:
            return 145;
        default:
            return 0;
    }
}

}  // namespace

KeyPress TranslateKey(int qtKey, Qt::KeyboardModifiers modifiers) {
    int mask = modifierMask(modifiers);

    // X11 reports a modifier's own press with or without its bit.
    switch (qtKey) {
        case Qt::Key_Shift:
            return {16, mask | 1};
        case Qt::Key_Control:
            return {17, mask | 2};
        case Qt::Key_Alt:
            return {18, mask | 4};
        case Qt::Key_AltGr:
            return {18, mask | 2 | 4};  // AltGr is Ctrl+Alt on a PC
        default:
            break;
    }

    if (modifiers & Qt::KeypadModifier) {
        const int code = keypadCode(qtKey);
        if (code >= 0) return {code, mask};
    }
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return {48 + (qtKey - Qt::Key_0), mask};
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return {65 + (qtKey - Qt::Key_A), mask};
    if (const int code = digitRowSymbolCode(qtKey)) return {code, mask};
    if (const int code = punctuationCode(qtKey)) return {code, mask};
    return {controlKeyCode(qtKey), mask};
}

KeyPress TranslateKey(const QKeyEvent& event) {
    return TranslateKey(event.key(), event.modifiers());
}

}  // namespace plumbrule
