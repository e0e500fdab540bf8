// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Key sequences and what they leave behind, shared by the keyboard map's
// logic tests and the main window's key tests. A sequence is a list of key
// names separated by blanks:
//   a run of digits   the main-row digit keys, one by one ("12" is 1 then 2)
//   k0..k9 k+ k- k* k/ k. kEnter   keypad keys
//   + * "      Shift with = / 8 / '   (the keys as typed for add, multiply, inch)
//   - / . ' =  the unshifted keys
//   F N Q ...  letter keys;  Enter Del Back Esc
//   Ctrl+X Alt+X Shift+X   X with that modifier added (Ctrl+Shift+8)
// All rows run with decimal output, unit form None, so results read as plain
// numbers ("8", "5.5"); an empty tape is "".
#include <sstream>
#include <string>
#include <vector>

namespace plumbrule::testing {

// The key names of a sequence, one per key press: a run of digits gives one
// name per digit ("12 +" is "1", "2", "+").
inline std::vector<std::string> keyNames(const std::string& keys) {
    std::vector<std::string> pressed;
    std::istringstream names(keys);
    std::string name;
    while (names >> name) {
        const bool digits = name.find_first_not_of("0123456789") == std::string::npos;
        if (digits && name.size() > 1) {
            for (char d : name) pressed.emplace_back(1, d);
        } else {
            pressed.push_back(name);
        }
    }
    return pressed;
}

struct KeyRow {
    const char* name;
    const char* keys;
    const char* display;  // after the keys
    const char* tape;     // after the keys, lines joined by CR LF
};

// One row per line of the dispatch table and per modifier rule.
inline const std::vector<KeyRow>& dispatchRows() {
    static const std::vector<KeyRow> rows = {
        {"BackspaceRemovesTheLastCharacter", "12 Back", "1", ""},
        {"BackspaceWithAnyModifier", "12 Ctrl+Back", "1", ""},
        {"EnterEvaluates", "5 + 3 Enter", "8", "5\r\n+ 3\r\n= 8"},
        {"EnterWithAnyModifier", "5 + 3 Shift+Enter", "8", "5\r\n+ 3\r\n= 8"},
        {"KeypadEnterEvaluates", "5 + 3 kEnter", "8", "5\r\n+ 3\r\n= 8"},
        {"DeleteClearsTheEntry", "5 Del", "", ""},
        {"DeleteTwiceClearsAll", "5 Del Del", "0", "\r\nclr\r\n\r\n"},
        {"DeleteWithAnyModifier", "5 Ctrl+Del", "", ""},
        {"ShiftEightMultiplies", "5 * 2 Enter", "10", "5\r\n* 2\r\n= 10"},
        {"KeypadStarMultiplies", "5 k* 2 Enter", "10", "5\r\n* 2\r\n= 10"},
        {"KeypadStarWithAnyModifier", "5 Ctrl+k* 2 Enter", "10", "5\r\n* 2\r\n= 10"},
        {"KeypadPlusAdds", "5 k+ 2 Enter", "7", "5\r\n+ 2\r\n= 7"},
        {"KeypadPlusWithAnyModifier", "5 Alt+k+ 2 Enter", "7", "5\r\n+ 2\r\n= 7"},
        {"ShiftEqualsAdds", "5 + 2 Enter", "7", "5\r\n+ 2\r\n= 7"},
        {"KeypadMinusSubtracts", "5 k- 2 Enter", "3", "5\r\n- 2\r\n= 3"},
        {"MinusSubtracts", "5 - 2 Enter", "3", "5\r\n- 2\r\n= 3"},
        {"ShiftMinusSubtractsToo", "5 Shift+- 2 Enter", "3", "5\r\n- 2\r\n= 3"},
        {"KeypadSlashDivides", "6 k/ 2 Enter", "3", "6\r\n/ 2\r\n= 3"},
        {"SlashDivides", "6 / 2 Enter", "3", "6\r\n/ 2\r\n= 3"},
        {"ShiftSlashDividesToo", "6 Shift+/ 2 Enter", "3", "6\r\n/ 2\r\n= 3"},
        {"KeypadPointTypesAPoint", "5 k. 2", "5.2", ""},
        {"PointTypesAPoint", "5 . 2", "5.2", ""},
        {"ShiftPointTypesAPointToo", "5 Shift+. 2", "5.2", ""},
        {"FBeginsAFraction", "5 F", "5-", ""},
        {"CtrlFBeginsAFraction", "5 Ctrl+F", "5-", ""},
        {"NChangesTheSign", "5 N", "-5", ""},
        {"AltNChangesTheSign", "5 Alt+N", "-5", ""},
        {"ApostropheTypesTheFeetMark", "5 '", "5'", ""},
        {"ShiftApostropheTypesTheInchMark", "5 \"", "5\"", ""},
        {"CtrlApostropheTypesTheFeetMark", "5 Ctrl+'", "5'", ""},
        {"AltApostropheTypesTheFeetMark", "5 Alt+'", "5'", ""},
        {"CtrlShiftApostropheTypesTheFeetMark", "5 Ctrl+\"", "5'", ""},
        {"EightWithoutShiftTypesEight", "5 8", "58", ""},
        {"CtrlEightDoesNothing", "5 Ctrl+8", "5", ""},
        {"CtrlShiftEightDoesNothing", "5 Ctrl+*", "5", ""},
        {"EqualsWithoutShiftDoesNothing", "5 = 3", "53", ""},
        {"CtrlShiftEqualsDoesNothing", "5 Ctrl++ 3", "53", ""},
        {"KeypadDigitsType", "k1 k2 k0", "120", ""},
        {"KeypadDigitWithCtrlDoesNothing", "5 Ctrl+k3", "5", ""},
        {"ShiftedDigitDoesNothing", "5 Shift+3", "5", ""},
        {"ALetterWithoutARowDoesNothing", "5 Q Esc", "5", ""},
        {"PointRefusedAfterAMinusSign", "5 N .", "-5", ""},
        {"PointRefusedAfterAFractionDash", "3 F 1 k.", "3-1", ""},
        {"PointBeginsANewEntryOnAShownNegativeResult", "3 - 5 Enter . 5", "0.5",
         "3\r\n- 5\r\n= -2"},
    };
    return rows;
}

// Edge cases of the keyboard map and the tape, and the mends.
inline const std::vector<KeyRow>& tapeRows() {
    static const std::vector<KeyRow> rows = {
        {"WorkedTape", "5 + 3 Enter * 2 Enter 7 - 4 Enter Del Del 5 + -", "5",
         "5\r\n+ 3\r\n= 8\r\n* 2\r\n= 16\r\n\r\n7\r\n- 4\r\n= 3\r\nclr\r\n\r\n5\r\n- "},
        {"EnterWithNothingPendingWritesNothing", "5 Enter", "5", ""},
        {"EnterAfterAnOperatorUsesTheDisplayAgain", "5 + Enter", "10", "5\r\n+ 5\r\n= 10"},
        {"OperatorsInARowLeaveTheLastToken", "5 + - * /", "5", "5\r\n/ "},
        {"AnOperatorAfterAnOperandEvaluates", "5 + 3 *", "8", "5\r\n+ 3\r\n= 8\r\n* "},
        {"GoingOnFromAResult", "5 + 3 Enter * 2 Enter", "16", "5\r\n+ 3\r\n= 8\r\n* 2\r\n= 16"},
        {"ANewNumberAfterAResultGetsABlankLine", "5 + 3 Enter 7 - 4 Enter", "3",
         "5\r\n+ 3\r\n= 8\r\n\r\n7\r\n- 4\r\n= 3"},
        {"AZeroDisplayCountsAsANewNumber", "5 + 3 Enter Back +", "0",
         "5\r\n+ 3\r\n= 8\r\n\r\n0\r\n+ "},
        {"AFractionIsRecordedOnceInFull", "5 + 3 F 1 / 2 Enter", "8.5", "5\r\n+ 3-1/2\r\n= 8.5"},
        {"TheFractionBarEndsTheFraction", "3 F 1 / 2 / 2 Enter", "1.75", "3-1/2\r\n/ 2\r\n= 1.75"},
        {"DeleteOnZeroDoesNothing", "Del", "0", ""},
        {"ClearAllMarksTheTape", "5 + 3 Enter Del Del", "0", "5\r\n+ 3\r\n= 8\r\nclr\r\n\r\n"},
        {"AFailedOperatorStillWritesItsLine", "5 / 0 +", "0", "5\r\n/ 0\r\n= 0\r\n+ "},
        {"AFailedEnterStillWritesItsLine", "5 / 0 Enter", "0", "5\r\n/ 0\r\n= 0"},
        {"DigitAfterAnOperatorIsEvaluated", "5 + 3 +", "8", "5\r\n+ 3\r\n= 8\r\n+ "},
        // Operands are never dropped, however an entry begins.
        {"APointBeginsAnOperand", "5 + . 5 +", "5.5", "5\r\n+ 0.5\r\n= 5.5\r\n+ "},
        {"AFractionBeginsAnOperand", "5 + F 1 / 2 +", "5.5", "5\r\n+ 0-1/2\r\n= 5.5\r\n+ "},
        {"APointAfterAResultIsANewNumber", "5 + 3 Enter . 5 +", "0.5",
         "5\r\n+ 3\r\n= 8\r\n\r\n0.5\r\n+ "},
        {"AFractionAfterAResultIsANewNumber", "5 + 3 Enter F 1 / 2 +", "0.5",
         "5\r\n+ 3\r\n= 8\r\n\r\n0-1/2\r\n+ "},
    };
    return rows;
}

}  // namespace plumbrule::testing
