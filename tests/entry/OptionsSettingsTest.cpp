// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The options panel's lists and carried selections, and the conversions of
// the saved settings, without any window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "entry/MainWindowSettings.h"
#include "entry/OutputOptions.h"
#include "entry/SavedSettings.h"
#include "support/FakeSettingsStore.h"

namespace plumbrule {
namespace {

using Strings = std::vector<std::string>;
using Style = DisplayOptions::Style;
using Units = DisplayOptions::Units;

TEST(OptionLists, Entries) {
    EXPECT_EQ(FormatEntries(okFractional), (Strings{"None", "Feet and Inches", "Inches"}));
    EXPECT_EQ(FormatEntries(okDecimal), (Strings{"None", "Feet and Inches", "Feet", "Inches"}));
    EXPECT_EQ(RoundEntries(okFractional),
              (Strings{"1 Inch", "1/2 Inch", "1/4 Inch", "1/8 Inch", "1/16 Inch", "1/32 Inch",
                       "1/64 Inch", "1/128 Inch", "1/256 Inch"}));
    EXPECT_EQ(RoundEntries(okDecimal),
              (Strings{"1", "0.1", "0.01", "0.001", "0.0001", "1E-05", "1E-06", "1E-07", "1E-08"}));
}

TEST(OptionLists, FirstChoiceSelectsTheDefaults) {
    for (const int kind : {okFractional, okDecimal}) {
        OptionsPanelState panel;
        EXPECT_TRUE(optOutput_Click(panel, kind));
        EXPECT_EQ(panel.output, kind);
        EXPECT_EQ(panel.formatPos, 1) << "Feet and Inches";
        EXPECT_EQ(panel.roundPos, 4) << "1/16 Inch or 0.0001";
        EXPECT_EQ(panel.formatList, FormatEntries(kind));
        EXPECT_EQ(panel.roundList, RoundEntries(kind));
    }
}

struct CarryRow {
    int from;          // kind chosen before
    int formatBefore;  // its cmbFormat position
    int to;            // kind chosen now
    int formatAfter;
    const char* entryAfter;
};

class CarriedFormat : public ::testing::TestWithParam<CarryRow> {};

TEST_P(CarriedFormat, KeepsTheMeaningWhereTheOtherListHasIt) {
    const CarryRow& row = GetParam();
    OptionsPanelState panel;
    optOutput_Click(panel, row.from);
    panel.formatPos = row.formatBefore;
    panel.roundPos = 6;
    ASSERT_TRUE(optOutput_Click(panel, row.to));
    EXPECT_EQ(panel.formatPos, row.formatAfter);
    EXPECT_EQ(panel.formatList[panel.formatPos], row.entryAfter);
    EXPECT_EQ(panel.roundPos, 6) << "the rounding keeps its position number";
}

INSTANTIATE_TEST_SUITE_P(
    Positions, CarriedFormat,
    ::testing::Values(CarryRow{okFractional, 0, okDecimal, 0, "None"},
                      CarryRow{okFractional, 1, okDecimal, 1, "Feet and Inches"},
                      CarryRow{okFractional, 2, okDecimal, 3, "Inches"},
                      CarryRow{okDecimal, 0, okFractional, 0, "None"},
                      CarryRow{okDecimal, 1, okFractional, 1, "Feet and Inches"},
                      CarryRow{okDecimal, 2, okFractional, 1, "Feet and Inches"},
                      CarryRow{okDecimal, 3, okFractional, 2, "Inches"}));

TEST(OptionLists, ChoosingTheKindAlreadyChosenChangesNothing) {
    OptionsPanelState panel;
    optOutput_Click(panel, okDecimal);
    panel.formatPos = 2;
    panel.roundPos = 7;
    const OptionsPanelState before = panel;
    EXPECT_FALSE(optOutput_Click(panel, okDecimal));
    EXPECT_EQ(panel, before);
    EXPECT_FALSE(optOutput_Click(panel, 2)) << "no such option button";
    EXPECT_EQ(panel, before);
}

TEST(OptionLists, DisplayOptionsMirrorThePanel) {
    OptionsPanelState panel;
    const DisplayOptions start;
    EXPECT_EQ(ToDisplayOptions(panel, start), start) << "no kind chosen yet";

    optOutput_Click(panel, okDecimal);
    const struct {
        int format;
        Units units;
    } decimal[] = {
        {0, Units::None}, {1, Units::FeetAndInches}, {2, Units::Feet}, {3, Units::Inches}};
    for (const auto& row : decimal) {
        panel.formatPos = row.format;
        panel.roundPos = row.format + 5;
        const DisplayOptions shown = ToDisplayOptions(panel, start);
        EXPECT_EQ(shown.style, Style::Decimal);
        EXPECT_EQ(shown.units, row.units) << row.format;
        EXPECT_EQ(shown.precision, row.format + 5);
    }

    optOutput_Click(panel, okFractional);
    const struct {
        int format;
        Units units;
    } fractional[] = {{0, Units::None}, {1, Units::FeetAndInches}, {2, Units::Inches}};
    for (const auto& row : fractional) {
        panel.formatPos = row.format;
        const DisplayOptions shown = ToDisplayOptions(panel, start);
        EXPECT_EQ(shown.style, Style::Fractional);
        EXPECT_EQ(shown.units, row.units) << row.format;
    }
}

// ---- Saved settings ----------------------------------------------------------

TEST(SavedSettings, SinglePrecisionPositions) {
    EXPECT_EQ(ReadSingle("1500"), 1500.0f);
    EXPECT_EQ(ReadSingle("-1"), -1.0f);
    EXPECT_EQ(ReadSingle(" 22.5 "), 22.5f);
    for (const char* garbage : {"abc", "", "1e400", "True", "12px", "1,5"}) {
        EXPECT_FALSE(ReadSingle(garbage).has_value()) << garbage;
    }
    EXPECT_EQ(WriteSingle(1500), "1500");
    EXPECT_EQ(WriteSingle(0), "0");
    EXPECT_EQ(WriteSingle(-0.0f), "0");
    EXPECT_EQ(WriteSingle(-22.5f), "-22.5");
    EXPECT_EQ(WriteSingle(123456789.0f), "1.234568E+08");
    for (const float position : {0.0f, 15.0f, -3000.0f, 28785.0f, 2.5f}) {
        EXPECT_EQ(ReadSingle(WriteSingle(position)), position) << position;
    }
}

TEST(SavedSettings, TruthValues) {
    EXPECT_EQ(ReadTruth("True"), true);
    EXPECT_EQ(ReadTruth("False"), false);
    EXPECT_EQ(ReadTruth("true"), true);
    EXPECT_EQ(ReadTruth("FALSE"), false);
    EXPECT_EQ(ReadTruth("0"), false);
    EXPECT_EQ(ReadTruth("99"), true);
    EXPECT_EQ(ReadTruth("-1"), true);
    for (const char* garbage : {"abc", "", "1e400", "yes"}) {
        EXPECT_FALSE(ReadTruth(garbage).has_value()) << garbage;
    }
    EXPECT_EQ(WriteTruth(true), "True");
    EXPECT_EQ(WriteTruth(false), "False");
}

TEST(SavedSettings, OutputFallsBackToFractional) {
    EXPECT_EQ(ReadOutput(""), okFractional);
    EXPECT_EQ(ReadOutput("0"), okFractional);
    EXPECT_EQ(ReadOutput("1"), okDecimal);
    for (const char* garbage : {"abc", "99", "-1", "1e400", "True", "2", " 1"}) {
        EXPECT_EQ(ReadOutput(garbage), okFractional) << garbage;
    }
}

TEST(SavedSettings, ListPositionsMustExist) {
    EXPECT_EQ(ReadListPosition("0", 3), 0);
    EXPECT_EQ(ReadListPosition("3", 4), 3);
    EXPECT_EQ(ReadListPosition("8", 9), 8);
    for (const char* garbage : {"abc", "", "99", "-1", "1e400", "True", "3"}) {
        EXPECT_FALSE(ReadListPosition(garbage, 3).has_value()) << garbage;
    }
}

// One saved value is garbage: start-up goes on silently with that value's
// fall-back, and the window keeps its defaults.
TEST(MainWindowSettings, GarbageNeverStopsStartUp) {
    for (const std::string text : {"abc", "", "99", "-1", "1e400", "True"}) {
        const bool number = text == "99" || text == "-1";
        for (const std::string name :
             {"Top", "Left", "ShowOptions", "Output", "Format", "Round", "ListCount"}) {
            testing::FakeSettingsStore store;
            store.values[name] = text;
            const MainWindowSettings::Values saved = MainWindowSettings(store).load();
            EXPECT_EQ(saved.showOptions, name == "ShowOptions" && (number || text == "True"))
                << name << " " << text;
            EXPECT_EQ(saved.output, okFractional) << name << " " << text;
            EXPECT_EQ(saved.format, std::nullopt) << name << " " << text;
            EXPECT_EQ(saved.round, std::nullopt) << name << " " << text;
            EXPECT_EQ(saved.listCount, name == "ListCount" && text == "99" ? 99 : 10) << name;
        }
    }
}

}  // namespace
}  // namespace plumbrule
