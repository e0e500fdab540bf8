// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

#include "platform/VirtualKey.h"

namespace plumbrule {

class Calculator;
class TapeRecorder;

// What the keyboard map needs of the history window: the tape. Touching it
// loads the history window, hidden, when it is not loaded yet.
class HistoryAccess {
  public:
    virtual ~HistoryAccess() = default;
    virtual TapeRecorder& tape() = 0;
};

// The calculator's whole keyboard interface: maps a key press onto the entry
// editor and the evaluator, types digits itself, keeps blnOperatorKeyed,
// intLastAction and blnNewNumber, and alone writes the history tape.
//
// From a fresh start with an empty tape, 5  Shift+=  3  Enter leaves the
// display "5'3\"" (fractional, feet and inches) and the tape
//   "5\r\n+ 3\r\n= 5'3\""
class KeyboardMap {
  public:
    KeyboardMap(Calculator& calculator, HistoryAccess& history);

    // One key press: KeyCode is the virtual-key code, Shift the mask of
    // Shift 1, Ctrl 2, Alt 4. The key is not consumed; the caller passes it
    // on to the focused control afterwards.
    //   display "0": Form_KeyDown(vk0 + 7, 0) -> display "7"
    //   display "7": Form_KeyDown(vkOem7, maskShift) -> display "7\""
    //   display "-5": Form_KeyDown(vkOemPeriod, 0) -> refused, "-5"
    void Form_KeyDown(int KeyCode, int Shift);

  private:
    bool typeDigit(int digit);
    bool dispatch(int KeyCode, int Shift);
    void operatorKey(void (Calculator::*operation)(), std::int32_t op);
    void enterKey();
    void deleteKey();
    void divideKey();
    bool pointKey();
    void fractionKey();
    void beginNewEntry();
    void record(const std::string& entry);

    Calculator& calculator_;
    HistoryAccess& history_;
};

}  // namespace plumbrule
