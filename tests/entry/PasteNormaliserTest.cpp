// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/PasteNormaliser.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "engine/NumberText.h"
#include "engine/Parser.h"

namespace plumbrule {
namespace {

struct PasteRow {
    const char* clipboard;
    std::optional<std::string> display;  // nothing: refused
};

void PrintTo(const PasteRow& row, std::ostream* os) {
    *os << '[' << row.clipboard << ']';
}

class PasteAccepts : public ::testing::TestWithParam<PasteRow> {};

// What is accepted becomes a display text that Ctrl+C then Ctrl+V puts
// back unchanged.
TEST_P(PasteAccepts, NormalisesToTheDisplayFormThatPastesBackToItself) {
    EXPECT_EQ(normalisePaste(GetParam().clipboard), GetParam().display);
    if (GetParam().display) {
        EXPECT_EQ(normalisePaste(*GetParam().display), GetParam().display);
    }
}

// What people copy from documents, drawings, spreadsheets and other tools.
INSTANTIATE_TEST_SUITE_P(
    DocumentForms, PasteAccepts,
    ::testing::Values(
        // already in the display's own form
        PasteRow{"5'3-1/2\"", "5'3-1/2\""}, PasteRow{"63.5", "63.5"}, PasteRow{"0-3/8", "0-3/8"},
        PasteRow{"5'6.5\"", "5'6.5\""}, PasteRow{"-5'3\"", "-5'3\""}, PasteRow{"12'", "12'"},
        PasteRow{"6\"", "6\""}, PasteRow{"3-1/2", "3-1/2"}, PasteRow{".5", ".5"},
        // blanks and dashes between feet, inches and fraction
        PasteRow{"5' 3 1/2\"", "5'3-1/2\""}, PasteRow{"5'-3 1/2\"", "5'3-1/2\""},
        PasteRow{"5' - 3-1/2\"", "5'3-1/2\""}, PasteRow{"5', 3 1/2\"", "5'3-1/2\""},
        PasteRow{"5 ' 3", "5'3\""}, PasteRow{"3 1/2\"", "3-1/2\""}, PasteRow{"3 - 1/2", "3-1/2"},
        PasteRow{"3 1 / 2", "3-1/2"}, PasteRow{"5'3-1/2", "5'3-1/2\""},
        // words, any letter case, abbreviations with a point
        PasteRow{"5 ft 3 1/2 in", "5'3-1/2\""}, PasteRow{"5ft3in", "5'3\""},
        PasteRow{"5 feet 3 inches", "5'3\""}, PasteRow{"1 foot 1 inch", "1'1\""},
        PasteRow{"5 FT. 3 IN.", "5'3\""}, PasteRow{"5 Ft 3-1/2 In", "5'3-1/2\""},
        PasteRow{"7 in", "7\""}, PasteRow{"5 ft", "5'"}, PasteRow{"5 ft.", "5'"},
        // two apostrophes as an inch mark
        PasteRow{"5'3''", "5'3\""}, PasteRow{"3''", "3\""},
        // prime marks and typographic quotes
        PasteRow{"5\u2032 3\u2033", "5'3\""}, PasteRow{"5\u2019 3\u201D", "5'3\""},
        PasteRow{"5\u2018 3\u201C", "5'3\""}, PasteRow{"5\u2032-3 1\u20442\u2033", "5'3-1/2\""},
        // vulgar fractions, with or without a blank or dash before them
        PasteRow{"3\u00BD", "3-1/2"}, PasteRow{"3 \u00BD\"", "3-1/2\""},
        PasteRow{"3-\u00BC", "3-1/4"}, PasteRow{"\u00BE\"", "0-3/4\""},
        PasteRow{"5\u2032 3\u215B\u2033", "5'3-1/8\""}, PasteRow{"\u215C", "0-3/8"},
        PasteRow{"1\u215D", "1-5/8"}, PasteRow{"2 \u215E in", "2-7/8\""},
        PasteRow{"5' \u00BD\"", "5'0-1/2\""}, PasteRow{"1/2", "0-1/2"}, PasteRow{"31/2", "0-31/2"},
        // leading minus signs
        PasteRow{"-3 1/2\"", "-3-1/2\""}, PasteRow{"\u22123 \u00BD\"", "-3-1/2\""},
        PasteRow{"\u2013 5 ft", "-5'"}, PasteRow{"- 5' 3\"", "-5'3\""},
        PasteRow{"\u2212\u00BD\"", "-0-1/2\""},
        // white space around: trimmed, including line ends, tabs, no-break
        // and thin spaces and a byte-order mark
        PasteRow{"  5'3\"  ", "5'3\""}, PasteRow{"\t12'\r\n", "12'"},
        PasteRow{"\u00A05\u2009ft\u202F3\u00A0in\u00A0", "5'3\""}, PasteRow{"\uFEFF63.5\n", "63.5"},
        PasteRow{"5'\t3\"", "5'3\""}));

// The abbreviations with and without periods and blanks, read as a tape
// measure reads them: a period right after ft or in ends the abbreviation.
INSTANTIATE_TEST_SUITE_P(
    Abbreviations, PasteAccepts,
    ::testing::Values(PasteRow{"6ft.2in", "6'2\""}, PasteRow{"5 ft.6 in", "5'6\""},
                      PasteRow{"5 ft. 6 in.", "5'6\""}, PasteRow{"6FT.2IN.", "6'2\""},
                      PasteRow{"6ft2in", "6'2\""}, PasteRow{"6 ft 2 in", "6'2\""},
                      PasteRow{"6ft.2.5in", "6'2.5\""}, PasteRow{"6ft.1/2in", "6'0-1/2\""},
                      PasteRow{"6ft.2 1/2in.", "6'2-1/2\""}, PasteRow{"6 ft .5 in", "6'.5\""},
                      PasteRow{"2in.", "2\""}, PasteRow{".5in", ".5\""}));

// A metric length becomes its inches as a plain decimal to five places.
INSTANTIATE_TEST_SUITE_P(MetricLengths, PasteAccepts,
                         ::testing::Values(PasteRow{"2400 mm", "94.48819"},
                                           PasteRow{"\u2212 2.4M\n", "-94.48819"},
                                           PasteRow{"25.4mm", "1"}));

class PasteRefuses : public ::testing::TestWithParam<PasteRow> {};

TEST_P(PasteRefuses, ChangesNothing) {
    EXPECT_EQ(normalisePaste(GetParam().clipboard), std::nullopt);
}

// Text that is almost a length: one step short of readable, or one too many.
INSTANTIATE_TEST_SUITE_P(
    AlmostLengths, PasteRefuses,
    ::testing::Values(
        PasteRow{"", {}}, PasteRow{"   ", {}}, PasteRow{"\r\n\t", {}}, PasteRow{"5'3-1/", {}},
        PasteRow{"5'3-", {}}, PasteRow{"3-", {}}, PasteRow{"5'-", {}}, PasteRow{"3-1/0", {}},
        PasteRow{"3-0/0", {}}, PasteRow{"/2", {}}, PasteRow{"1/", {}}, PasteRow{"5''3", {}},
        PasteRow{"5 3 1/2", {}}, PasteRow{"5'6'", {}}, PasteRow{"5\"3'", {}},
        PasteRow{"3 1/2 1/2", {}}, PasteRow{"3\u00BD\u00BD", {}}, PasteRow{"3.5 1/2", {}},
        PasteRow{"5 1/2'", {}}, PasteRow{"5 ft ft", {}}, PasteRow{"5 inx", {}},
        PasteRow{"5 fts", {}}, PasteRow{"5 f", {}}, PasteRow{"ft", {}}, PasteRow{"'", {}},
        PasteRow{"\"", {}}, PasteRow{"-", {}}, PasteRow{"--5", {}}, PasteRow{"5-", {}},
        PasteRow{"+5", {}}, PasteRow{"5'3\"x", {}}, PasteRow{"x5'3\"", {}}, PasteRow{"1,234", {}},
        PasteRow{"1.2.3", {}}, PasteRow{".", {}}, PasteRow{"1e5", {}}, PasteRow{"5 km", {}},
        PasteRow{"2.4.5m", {}}, PasteRow{"five feet", {}}, PasteRow{"5'3\" + 2'", {}},
        PasteRow{"2*3", {}}, PasteRow{"\u2153", {}}, PasteRow{"5\u00B0", {}},
        PasteRow{"3-99999999999/2", {}}, PasteRow{"3-1/99999999999", {}}));

// Hostile clipboards: control characters, line breaks inside, bytes that are
// not UTF-8.
INSTANTIATE_TEST_SUITE_P(HostileText, PasteRefuses,
                         ::testing::Values(PasteRow{"5 feet\x07", {}},
                                           PasteRow{"5'\x1b[31m3\"", {}}, PasteRow{"5'3\"\x7f", {}},
                                           PasteRow{"5'\n3\"", {}}, PasteRow{"5'\r3\"", {}},
                                           PasteRow{"5'3\"\n6'", {}}, PasteRow{"5\u2028'", {}},
                                           PasteRow{"5'\u00853\"", {}},
                                           PasteRow{"\xff\xfe"
                                                    "5",
                                                    {}},
                                           PasteRow{"5'\xc3", {}}, PasteRow{"5\xe2\x80", {}},
                                           PasteRow{"\xc0\xaf", {}}, PasteRow{"\xed\xa0\x80", {}},
                                           PasteRow{"\xf4\x90\x80\x80", {}},
                                           PasteRow{"\x80"
                                                    "5",
                                                    {}},
                                           PasteRow{"5\u200B'", {}}, PasteRow{"<b>5'</b>", {}},
                                           PasteRow{"5'; rm -rf /", {}}, PasteRow{"%s%n", {}}));

TEST(PasteEmbeddedNul, IsRefused) {
    EXPECT_EQ(normalisePaste(std::string("5'\0"
                                         "3\"",
                                         5)),
              std::nullopt);
    EXPECT_EQ(normalisePaste(std::string("5'3\"\0", 5)), std::nullopt);
}

// The length limit counts characters after trimming, so a long blank margin
// is fine and a long length is refused whole, never cut down.
TEST(PasteLength, SixtyFourCharactersAfterTrimmingAreTheLimit) {
    const std::string digits64(kMaxPasteCharacters, '1');
    const std::string digits65(kMaxPasteCharacters + 1, '1');
    EXPECT_EQ(normalisePaste(digits64), digits64);
    EXPECT_EQ(normalisePaste(digits65 + " in"), std::nullopt);
    // A display of clicked digits, copied, pastes back whatever its length.
    EXPECT_EQ(normalisePaste(digits65), digits65);
    EXPECT_EQ(normalisePaste(std::string(200, '1') + "'3\""), std::string(200, '1') + "'3\"");
    // The display text counts too: one that grew past the limit by its
    // inch mark could not be pasted back.
    const std::string feetAndInches = std::string(32, '1') + "'" + std::string(31, '1');
    EXPECT_EQ(normalisePaste(feetAndInches), std::nullopt);
    EXPECT_EQ(normalisePaste(feetAndInches.substr(1)), feetAndInches.substr(1) + "\"");
    EXPECT_EQ(normalisePaste(std::string(100, ' ') + "5'3\"" + std::string(100, '\n')), "5'3\"");
    // Characters, not bytes: 60 digits and four two-byte blanks inside fit.
    const std::string blank = "\u00A0";
    const std::string wide =
        std::string(30, '1') + "'" + blank + blank + blank + std::string(29, '1') + "\"";
    EXPECT_EQ(normalisePaste(wide), std::string(30, '1') + "'" + std::string(29, '1') + "\"");
}

TEST(PasteLength, VeryLongClipboardsAreRefusedWhole) {
    EXPECT_EQ(normalisePaste(std::string(1 << 20, '5')), std::nullopt);
    EXPECT_EQ(normalisePaste("5'" + std::string(1 << 20, ' ')), std::nullopt);
    std::string repeated;
    for (int i = 0; i < 20; ++i) repeated += "5'3\" ";
    EXPECT_EQ(normalisePaste(repeated), std::nullopt);
}

// Whatever is accepted goes into the display, so it must read back as a
// length: every accepted text passes the parser and gives the intended value.
TEST(PasteResult, ReadsBackAsTheIntendedLength) {
    struct Case {
        const char* clipboard;
        double inches;
    } const cases[] = {
        {"5' 3 1/2\"", 63.5},    {"5 ft 3 1/2 in", 63.5},    {"\u22125\u2032 3\u00BD\u2033", -63.5},
        {"\u00BD", 0.5},         {"\u2212\u00BE in", -0.75}, {"1 foot", 12},
        {"2 ft 6.25 in", 30.25}, {"3 1/16", 3.0625}};
    for (const Case& c : cases) {
        const auto text = normalisePaste(c.clipboard);
        ASSERT_TRUE(text) << c.clipboard;
        EXPECT_DOUBLE_EQ(ConvertInput(*text, DetType(*text)), c.inches) << c.clipboard;
    }
}

TEST(PasteResult, AMetricLengthReadsBackWithinAThousandthOfAMillimetre) {
    for (const double millimetres : {2400.0, 0.3, 1234.5678, 99999.9999, 0.0004}) {
        const std::string clipboard = text(millimetres) + " mm";
        const auto shown = normalisePaste(clipboard);
        ASSERT_TRUE(shown) << clipboard;
        EXPECT_NEAR(ConvertInput(*shown, DetType(*shown)) * 25.4, millimetres, 0.001) << clipboard;
    }
}

// Every character sequence of a small alphabet of length pieces, pasted:
// the normaliser either refuses or gives a text the parser reads.
TEST(PasteResult, NoCombinationOfPiecesGivesAnUnreadableDisplay) {
    const char* pieces[] = {"5", "'", "\"", "-", " ", "1/2", "\u00BD", "ft", "in", ".", "\u2212"};
    constexpr int kPieces = sizeof pieces / sizeof pieces[0];
    int accepted = 0;
    for (int a = 0; a < kPieces; ++a) {
        for (int b = 0; b < kPieces; ++b) {
            for (int c = 0; c < kPieces; ++c) {
                for (int d = 0; d < kPieces; ++d) {
                    const std::string clip =
                        std::string(pieces[a]) + pieces[b] + pieces[c] + pieces[d];
                    const auto text = normalisePaste(clip);
                    if (!text) continue;
                    ++accepted;
                    EXPECT_NO_THROW(ConvertInput(*text, DetType(*text))) << clip << " -> " << *text;
                    EXPECT_EQ(text->find(' '), std::string::npos) << clip << " -> " << *text;
                }
            }
        }
    }
    EXPECT_GT(accepted, 50);  // the alphabet does make lengths, so the check bites
}

}  // namespace
}  // namespace plumbrule
