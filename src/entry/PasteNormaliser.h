// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Reads text from the clipboard as a length and writes it in the display's
// own form, so that a pasted length goes into the display as a recalled
// memory value would. Forgiving about how people and other programs write
// lengths, strict about anything else: what cannot be read as one length is
// refused whole, never cut down or guessed at.
namespace plumbrule {

// Clipboard text longer than this, after trimming, is refused rather than
// truncated: a cut-off length would be a different length. The display text
// it becomes is held to the same limit, so it can be copied and pasted back.
// A longer text exactly in the display's own form (up to the 4096-byte
// clipboard limit) is taken as it is: whatever Ctrl+C copies from the
// display, however many digits were clicked into it, Ctrl+V accepts.
inline constexpr std::size_t kMaxPasteCharacters = 64;

// normalisePaste(utf8) -> the display text, or nothing when the text is not
// one readable length. Accepted, with white space (also no-break and thin
// spaces) trimmed from both ends:
//   feet marks  ' ′ ‘ ’  and the words ft, ft., foot, feet
//   inch marks  " ″ “ ” '' and the words in, in., inch, inches (any letter case);
//               a period right after ft or in ends the abbreviation
//               ("6ft.2in" is 6'2")
//   a fraction  1/2 or 1⁄2, or one of ½ ¼ ¾ ⅛ ⅜ ⅝ ⅞, after whole inches with a
//               blank, a dash or nothing between them
//   a leading minus: - or the Unicode minus − (or a dash – ‐)
//   between feet and inches: blanks, a dash or a comma
//   a metric length, a number with mm, cm or m (readMetric), which becomes its
//               inches as a plain decimal to five places: within 0.001 mm
// Examples:
//   "5' 3 1/2\""      -> "5'3-1/2\""      "5'-3 1/2\""  -> "5'3-1/2\""
//   "5 ft 3 1/2 in"   -> "5'3-1/2\""      "5′ 3½″"      -> "5'3-1/2\""
//   "−3 ½\""          -> "-3-1/2\""       "½"           -> "0-1/2"
//   "63.5"            -> "63.5"           " 12'\n"      -> "12'"
//   "2400 mm"         -> "94.48819"       "−2.4M"       -> "-94.48819"
//   "5'3-1/"          -> nothing (unfinished fraction)
//   "3-1/0"           -> nothing (does not read as a length)
//   "2.4.5 m"         -> nothing (a metric unit, but no metric length)
//   "5 feet\x07"      -> nothing (control character)
// The result always reads back through DetType and ConvertInput as a finite
// number of inches, and normalisePaste(result) gives the result again.
std::optional<std::string> normalisePaste(std::string_view clipboardUtf8);

}  // namespace plumbrule
