// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// What every tool of the tools window shares, Qt-free: reading its boxes,
// writing its result lengths, and one answer type: result lines, or one
// error number and the box that caused it.
namespace plumbrule {

// Writes a length (inches) as a result shows it: the main window's output
// form, or another form the caller chooses (plumbrule-calc's metric units).
using LengthWriter = std::function<std::string(double inches)>;

// A tool's two ways of writing a number: `length` in the output form, and
// `plain` in the output style with the unit form None (a pitch, a count of
// inches in 12).
struct ToolWriters {
    LengthWriter length;
    LengthWriter plain;
};

// The length boxes read a plain number as inches, as they always have, a
// metric length with its unit (2400 mm, 2.4m, 240 CM; engine/MetricLength.h),
// and a length with its feet or inch mark as the calculator reads it in its
// display or takes it from the clipboard: 8'10-1/2", 8' 10 1/2", 10-3/4",
// 1/2", 5 ft 3 in. Anything else, "3-1/2" without a mark and "2.4.5 m"
// included, throws RuntimeError(13); a length beyond the double range throws 6.
//   readLengthBox("106.5") -> 106.5   readLengthBox("8'10-1/2\"") -> 106.5
//   readLengthBox("2540 mm") -> 100
double readLengthBox(std::string_view boxText);

// True for a text that reads as a plain number ("106.5", " 7 ", "1E2"): such a
// box is written back as a plain number, any other length in the output form.
bool isPlainNumber(std::string_view boxText);

// A count box takes a number only, halves to the even neighbour, 16 bits:
//   readCountBox("12.5") -> 12; "32768" throws 6; "12'" throws 13.
std::int16_t readCountBox(std::string_view boxText);

// What a calculate button says about run-time error n:
//   runTimeErrorMessage(6)  -> "Error : 6 - A value that has been entered is too large."
//   runTimeErrorMessage(13) -> "Error: 13 - Type mismatch"
std::string runTimeErrorMessage(int number);

// The one message box a tool's calculate button shows for an error number.
struct ToolMessage {
    std::string text;
    std::string title;
};

// A tool's message for an error number: its own errors (numbers from 1000)
// in its words under `title`, a run-time error as runTimeErrorMessage says
// it, titled "Error".
ToolMessage toolMessage(int error, std::string_view ownText, std::string_view title);

// How a box reads its text.
enum class BoxKind {
    Length,  // readLengthBox
    Number,  // a plain number: a pitch, an angle in degrees
    Count,   // readCountBox
};

// One box of a tool: the command-line option that fills it, the control
// that shows it, and how it reads.
struct ToolBox {
    std::string_view option;   // "--rise"
    std::string_view control;  // "txtRise"
    BoxKind kind;
};

// A tool's answer: its result lines, or the one error that stopped it.
struct ToolAnswer {
    std::vector<std::string> lines = {};
    int error = 0;  // 0 when solved
    int box = -1;   // the box whose text did not read, or -1
    // Where on the command line the error lies when no one box has it and
    // the tool's own option list does not say enough: "risers".
    std::string context = {};
};

// Thrown by a solver for an error of its own, or by readBoxes for a box.
struct ToolError {
    int error;
    int box = -1;
    std::string context = {};
};

// Reads every box that is not empty, in order, as its kind reads it; an
// empty box has no value. Throws ToolError{n, index} for the first box
// that does not read (n the run-time error's number).
//   readBoxes({rise Length, pitch Number}, {"6'", ""}) -> {72, none}
std::vector<std::optional<double>> readBoxes(std::span<const ToolBox> boxes,
                                             const std::vector<std::string>& texts);

// Runs a solver's steps: the lines it returns, or the ToolError or
// RuntimeError it throws as the answer's error.
ToolAnswer answerOf(const std::function<std::vector<std::string>()>& solve);

// A tool's result lines as a block for the history tape: after a blank line
// when the tape holds anything, each line ended by the tape's CR LF, so a
// calculation typed next starts on a line of its own.
//   tapeBlock({"2 members, 3 gaps of 1'5-5/16\"", "On centre ..."}, false)
//     -> "\r\n\r\n2 members, 3 gaps of 1'5-5/16\"\r\nOn centre ...\r\n"
std::string tapeBlock(const std::vector<std::string>& lines, bool tapeEmpty);

// x written to the decimals of `pattern`, halves away from zero ("0.0",
// "0.00"); beyond the double range throws RuntimeError(6).
std::string decimals(double x, const char* pattern);

// x checked to lie within the double range, else RuntimeError(6).
double finite(double x);

}  // namespace plumbrule
