// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/KeyTranslation.h"

#include <QKeyEvent>

#include "platform/VirtualKey.h"

namespace plumbrule {

namespace {

int modifierMask(Qt::KeyboardModifiers modifiers) {
    int mask = 0;
    if (modifiers & Qt::ShiftModifier) mask |= maskShift;
    if (modifiers & Qt::ControlModifier) mask |= maskCtrl;
    if (modifiers & Qt::AltModifier) mask |= maskAlt;
    return mask;
}

// Keys of the numeric keypad (Num Lock on, and the keys it has without it).
int keypadCode(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return vkNumpad0 + (key - Qt::Key_0);
    switch (key) {
        case Qt::Key_Asterisk:
            return vkMultiply;
        case Qt::Key_Plus:
            return vkAdd;
        case Qt::Key_Minus:
            return vkSubtract;
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return vkDecimal;  // the decimal key of any layout
        case Qt::Key_Slash:
            return vkDivide;
        case Qt::Key_Enter:
        case Qt::Key_Return:
            return vkReturn;
        default:
            return -1;  // a key that is the same on and off the keypad
    }
}

// A character as a US keyboard types it: the key that carries it and whether
// that key needs Shift for it. Other layouts put the same character on other
// keys and Shift states (' is Shift+comma in Canadian French, + has no Shift
// in German, the digits need Shift in French AZERTY, an on-screen keyboard
// sends " without Shift), so the character decides, not the Shift key held.
struct UsCharacter {
    int code = 0;  // 0: a character a US keyboard does not have
    bool shifted = false;
};

UsCharacter usDigitRow(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return {vk0 + (key - Qt::Key_0), false};
    switch (key) {
        case Qt::Key_ParenRight:
            return {vk0, true};
        case Qt::Key_Exclam:
            return {vk0 + 1, true};
        case Qt::Key_At:
            return {vk0 + 2, true};
        case Qt::Key_NumberSign:
            return {vk0 + 3, true};
        case Qt::Key_Dollar:
            return {vk0 + 4, true};
        case Qt::Key_Percent:
            return {vk0 + 5, true};
        case Qt::Key_AsciiCircum:
            return {vk0 + 6, true};
        case Qt::Key_Ampersand:
            return {vk0 + 7, true};
        case Qt::Key_Asterisk:
            return {vk8, true};
        case Qt::Key_ParenLeft:
            return {vk9, true};
        default:
            return {};
    }
}

UsCharacter usPunctuation(int key) {
    switch (key) {
        case Qt::Key_Semicolon:
            return {vkOem1, false};
        case Qt::Key_Colon:
            return {vkOem1, true};
        case Qt::Key_Equal:
            return {vkOemPlus, false};
        case Qt::Key_Plus:
            return {vkOemPlus, true};
        case Qt::Key_Comma:
            return {vkOemComma, false};
        case Qt::Key_Less:
            return {vkOemComma, true};
        case Qt::Key_Minus:
            return {vkOemMinus, false};
        case Qt::Key_Underscore:
            return {vkOemMinus, true};
        case Qt::Key_Period:
            return {vkOemPeriod, false};
        case Qt::Key_Greater:
            return {vkOemPeriod, true};
        case Qt::Key_Slash:
            return {vkOem2, false};
        case Qt::Key_Question:
            return {vkOem2, true};
        case Qt::Key_QuoteLeft:
            return {vkOem3, false};
        case Qt::Key_AsciiTilde:
            return {vkOem3, true};
        case Qt::Key_BracketLeft:
            return {vkOem4, false};
        case Qt::Key_BraceLeft:
            return {vkOem4, true};
        case Qt::Key_Backslash:
            return {vkOem5, false};
        case Qt::Key_Bar:
            return {vkOem5, true};
        case Qt::Key_BracketRight:
            return {vkOem6, false};
        case Qt::Key_BraceRight:
            return {vkOem6, true};
        // Where the apostrophe and quotation mark are dead keys (US
        // International and others), the dead key is the mark at once: a
        // calculator has no accented letters to compose, and whatever
        // follows (Space, a letter) acts as itself.
        case Qt::Key_Apostrophe:
        case Qt::Key_Dead_Acute:
            return {vkOem7, false};
        case Qt::Key_QuoteDbl:
        case Qt::Key_Dead_Diaeresis:
            return {vkOem7, true};
        default:
            return {};
    }
}

int controlKeyCode(int key) {
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return vkF1 + (key - Qt::Key_F1);
    switch (key) {
        case Qt::Key_Backspace:
            return vkBack;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return vkTab;
        case Qt::Key_Clear:
            return vkClear;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return vkReturn;
        case Qt::Key_Pause:
            return vkPause;
        case Qt::Key_CapsLock:
            return vkCapital;
        case Qt::Key_Escape:
            return vkEscape;
        case Qt::Key_Space:
            return vkSpace;
        case Qt::Key_PageUp:
            return vkPrior;
        case Qt::Key_PageDown:
            return vkNext;
        case Qt::Key_End:
            return vkEnd;
        case Qt::Key_Home:
            return vkHome;
        case Qt::Key_Left:
            return vkLeft;
        case Qt::Key_Up:
            return vkUp;
        case Qt::Key_Right:
            return vkRight;
        case Qt::Key_Down:
            return vkDown;
        case Qt::Key_Print:
            return vkSnapshot;
        case Qt::Key_Insert:
            return vkInsert;
        case Qt::Key_Delete:
            return vkDelete;
        case Qt::Key_Meta:
            return vkLWin;
        case Qt::Key_Menu:
            return vkApps;
        case Qt::Key_NumLock:
            return vkNumLock;
        case Qt::Key_ScrollLock:
            return vkScroll;
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
            return {vkShift, mask | maskShift};
        case Qt::Key_Control:
            return {vkControl, mask | maskCtrl};
        case Qt::Key_Alt:
            return {vkMenu, mask | maskAlt};
        case Qt::Key_AltGr:
            return {vkMenu, mask | maskCtrl | maskAlt};  // AltGr is Ctrl+Alt on a PC
        default:
            break;
    }

    if (modifiers & Qt::KeypadModifier) {
        const int code = keypadCode(qtKey);
        if (code >= 0) return {code, mask};
    }
    // Letters act whatever the case, so the Shift held stays as it is.
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return {vkA + (qtKey - Qt::Key_A), mask};
    UsCharacter character = usDigitRow(qtKey);
    if (!character.code) character = usPunctuation(qtKey);
    if (character.code) {
        // Ctrl and Alt stay as held; Shift is what the US key needs.
        const int held = mask & (maskCtrl | maskAlt);
        return {character.code, held | (character.shifted ? maskShift : 0)};
    }
    return {controlKeyCode(qtKey), mask};
}

KeyPress TranslateKey(const QKeyEvent& event) {
    return TranslateKey(event.key(), event.modifiers());
}

}  // namespace plumbrule
