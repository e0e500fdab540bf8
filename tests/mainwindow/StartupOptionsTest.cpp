// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up, shut-down and the output options panel of the main window.
#include <QGuiApplication>
#include <QScreen>
#include <QWheelEvent>
#include <stdexcept>

#include "support/MainWindowFixture.h"

namespace plumbrule::testing {
namespace {

using StartUp = MainWindowTest;
using Options = MainWindowTest;

constexpr int shownHeight = 194;   // 3255 - 345 twips of caption and borders
constexpr int foldedHeight = 125;  // 2215 - 345

void expectFolded(frmMain& window, QPushButton* cmdOptions) {
    EXPECT_FALSE(window.blnShowOptions());
    EXPECT_EQ(window.height(), foldedHeight);
    EXPECT_EQ(cmdOptions->text(), QStringLiteral("Show Options"));
}

void expectShown(frmMain& window, QPushButton* cmdOptions) {
    EXPECT_TRUE(window.blnShowOptions());
    EXPECT_EQ(window.height(), shownHeight);
    EXPECT_EQ(cmdOptions->text(), QStringLiteral("Hide Options"));
}

TEST_F(StartUp, FirstRunWithAnEmptyStore) {
    frmMain& shown = start();
    EXPECT_TRUE(shown.isVisible());
    EXPECT_EQ(display(), "0");
    EXPECT_EQ(indicator(), 5);
    expectFolded(shown, control<QPushButton>("cmdOptions"));
    EXPECT_TRUE(control<QRadioButton>("optOutput_0")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("optOutput_1")->isChecked());
    EXPECT_EQ(selectedText("cmbFormat"), "Feet and Inches");
    EXPECT_EQ(selectedText("cmbRound"), "1/16 Inch");
    EXPECT_EQ(control<QComboBox>("cmbFormat")->count(), 3);
    EXPECT_EQ(control<QComboBox>("cmbRound")->count(), 9);
    EXPECT_EQ(shown.lngListCount(), 10);
    EXPECT_TRUE(shown.calculator().state().blnNewExpresion);
    EXPECT_EQ(shown.calculator().state().options, DisplayOptions{});
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(settings.writes.empty()) << "start-up writes nothing";
}

TEST_F(StartUp, RestoresEverySavedValue) {
    settings.values = {{"Top", "1500"}, {"Left", "3000"}, {"ShowOptions", "True"}, {"Output", "1"},
                       {"Format", "2"}, {"Round", "3"},   {"ListCount", "25"}};
    frmMain& shown = start();
    EXPECT_EQ(shown.pos(), QPoint(200, 100));
    expectShown(shown, control<QPushButton>("cmdOptions"));
    EXPECT_TRUE(control<QRadioButton>("optOutput_1")->isChecked());
    EXPECT_EQ(control<QComboBox>("cmbFormat")->count(), 4) << "the decimal lists";
    EXPECT_EQ(selectedText("cmbFormat"), "Feet");
    EXPECT_EQ(selectedText("cmbRound"), "0.001");
    EXPECT_EQ(shown.lngListCount(), 25);
    const DisplayOptions expected{DisplayOptions::Style::Decimal, DisplayOptions::Units::Feet, 3};
    EXPECT_EQ(shown.calculator().state().options, expected);
    EXPECT_EQ(display(), "0");
    clickKeys("63=");
    EXPECT_EQ(display(), "5.25'");
}

TEST_F(StartUp, FractionalChoicesAreRestoredToo) {
    settings.values = {{"Output", "0"}, {"Format", "2"}, {"Round", "8"}, {"ShowOptions", "False"}};
    frmMain& shown = start();
    expectFolded(shown, control<QPushButton>("cmdOptions"));
    EXPECT_EQ(selectedText("cmbFormat"), "Inches");
    EXPECT_EQ(selectedText("cmbRound"), "1/256 Inch");
    clickKeys("10/3=");
    EXPECT_EQ(display(), "3-85/256\"");
}

TEST_F(StartUp, SavedPositionsInsideTheScreenAreApplied) {
    settings.values = {{"Top", "-1"}, {"Left", "99"}};
    frmMain& shown = start();
    EXPECT_EQ(shown.pos(), QPoint(7, 0));
}

TEST_F(StartUp, APositionOffEveryScreenKeepsTheDefaultPlacement) {
    const QPoint placed = start().pos();
    window.reset();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const std::string farRight = std::to_string((screen.right() + 50) * 15);
    const std::string farDown = std::to_string((screen.bottom() + 50) * 15);
    for (const auto& [top, left] :
         {std::pair{std::string("-150000"), std::string("-150000")},
          std::pair{std::string("0"), farRight}, std::pair{farDown, std::string("0")},
          std::pair{std::string("3e38"), std::string("0")}}) {
        settings.values = {{"Top", top}, {"Left", left}};
        EXPECT_EQ(start().pos(), placed) << top << ", " << left;
        window.reset();
    }
}

TEST_F(StartUp, OnlyTheSavedTopIsApplied) {
    settings.values = {{"Top", "1500"}};
    EXPECT_EQ(start().pos().y(), 100);
}

// ---- Shut-down -------------------------------------------------------------------

using ShutDown = MainWindowTest;

TEST_F(ShutDown, WritesTheExactTextsInOrder) {
    start();
    window->move(200, 100);
    window->close();
    using Write = std::pair<std::string, std::string>;
    const std::vector<Write> expected = {{"Top", "1500"},          {"Left", "3000"},
                                         {"ShowOptions", "False"}, {"Output", "0"},
                                         {"Format", "1"},          {"Round", "4"}};
    EXPECT_EQ(settings.writes, expected);
}

TEST_F(ShutDown, WritesTheChangedChoices) {
    start();
    window->move(0, 37);
    click("cmdOptions");
    clickOption(1);
    select("cmbFormat", 2);
    select("cmbRound", 7);
    window->close();
    using Write = std::pair<std::string, std::string>;
    const std::vector<Write> expected = {{"Top", "555"},  {"Left", "0"},   {"ShowOptions", "True"},
                                         {"Output", "1"}, {"Format", "2"}, {"Round", "7"}};
    EXPECT_EQ(settings.writes, expected);
    EXPECT_EQ(settings.values.count("ListCount"), 0u) << "never written";
}

TEST_F(ShutDown, TheNextStartRestoresWhatWasSaved) {
    start();
    window->move(120, 80);
    click("cmdOptions");
    clickOption(1);
    select("cmbFormat", 3);
    select("cmbRound", 2);
    window->close();
    window.reset();
    settings.writes.clear();

    frmMain& again = start();
    EXPECT_EQ(again.pos(), QPoint(120, 80));
    expectShown(again, control<QPushButton>("cmdOptions"));
    EXPECT_TRUE(control<QRadioButton>("optOutput_1")->isChecked());
    EXPECT_EQ(selectedText("cmbFormat"), "Inches");
    EXPECT_EQ(selectedText("cmbRound"), "0.01");
}

// ---- Options panel ---------------------------------------------------------------

TEST_F(Options, FoldingAndUnfolding) {
    frmMain& shown = start();
    auto* cmdOptions = control<QPushButton>("cmdOptions");
    select("cmbRound", 6);
    for (int round = 0; round < 3; ++round) {
        click("cmdOptions");
        expectShown(shown, cmdOptions);
        click("cmdOptions");
        expectFolded(shown, cmdOptions);
    }
    EXPECT_EQ(selected("cmbRound"), 6) << "the choices are unchanged";
    EXPECT_EQ(selected("cmbFormat"), 1);
    EXPECT_TRUE(control<QRadioButton>("optOutput_0")->isChecked());
}

TEST_F(Options, FractionalInchesCarryToDecimalInches) {
    start();
    select("cmbFormat", 2);
    clickOption(1);
    EXPECT_TRUE(control<QRadioButton>("optOutput_1")->isChecked());
    EXPECT_EQ(selected("cmbFormat"), 3);
    EXPECT_EQ(selectedText("cmbFormat"), "Inches");
    EXPECT_EQ(selected("cmbRound"), 4);
    EXPECT_EQ(selectedText("cmbRound"), "0.0001") << "1/16 Inch keeps its position";
}

struct CarryBackRow {
    int decimalFormat;
    const char* fractionalEntry;
};

class CarryBack : public MainWindowTest, public ::testing::WithParamInterface<CarryBackRow> {};

TEST_P(CarryBack, DecimalToFractional) {
    start();
    clickOption(1);
    select("cmbFormat", GetParam().decimalFormat);
    select("cmbRound", 7);
    clickOption(0);
    EXPECT_EQ(selectedText("cmbFormat"), GetParam().fractionalEntry);
    EXPECT_EQ(selectedText("cmbRound"), "1/128 Inch");
}

INSTANTIATE_TEST_SUITE_P(Positions, CarryBack,
                         ::testing::Values(CarryBackRow{0, "None"},
                                           CarryBackRow{1, "Feet and Inches"},
                                           CarryBackRow{2, "Feet and Inches"},
                                           CarryBackRow{3, "Inches"}));

TEST_F(Options, AChangeCompletesThePendingOperation) {
    start();
    clickKeys("5+3");
    select("cmbRound", 2);
    EXPECT_EQ(display(), "0'8\"");
    EXPECT_EQ(indicator(), 5);
    EXPECT_EQ(window->calculator().state().evaluator.lngPendingOp, opNone);
    EXPECT_EQ(window->calculator().state().evaluator.dblTotal, 8);
}

TEST_F(Options, AWheelOverAClosedListChangesNothing) {
    start();
    window->show();
    clickKeys("5+3");
    for (const char* name : {"cmbRound", "cmbFormat"}) {
        auto* list = control<QComboBox>(name);
        const int before = list->currentIndex();
        const QPointF centre = QRectF(list->rect()).center();
        for (const int turn : {-120, 120}) {
            QWheelEvent wheel(centre, list->mapToGlobal(centre), {}, {0, turn}, Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(list, &wheel);
        }
        EXPECT_EQ(list->currentIndex(), before) << name;
    }
    EXPECT_EQ(display(), "3");  // the pending + is still pending
    EXPECT_EQ(window->calculator().state().evaluator.lngPendingOp, opAdd);
}

TEST_F(Options, NothingIsReEvaluatedOnZero) {
    start();
    clickKeys("5+0");
    ASSERT_EQ(display(), "0");
    select("cmbRound", 2);
    select("cmbFormat", 0);
    clickOption(1);
    clickOption(0);
    EXPECT_EQ(display(), "0");
    EXPECT_EQ(indicator(), 1);
    EXPECT_EQ(window->calculator().state().evaluator.lngPendingOp, opAdd);
    EXPECT_EQ(window->calculator().state().evaluator.dblTotal, 5);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Options, ChoosingTheKindAlreadyChosenDoesNothing) {
    start();
    clickKeys("5");
    clickOption(0);
    EXPECT_EQ(display(), "5") << "no re-evaluation";
    EXPECT_EQ(selected("cmbFormat"), 1);
}

TEST_F(Options, ChangingTheKindReShowsTheValueOnceInTheNewForm) {
    start();
    clickKeys("63.5=");
    ASSERT_EQ(display(), "5'3-1/2\"");
    select("cmbFormat", 2);
    EXPECT_EQ(display(), "63-1/2\"");
    clickOption(1);
    EXPECT_EQ(display(), "63.5\"");
    // Back from decimal Inches: the value must survive (no pass through a
    // list position the fractional list lacks).
    clickOption(0);
    EXPECT_EQ(display(), "63-1/2\"");
    select("cmbFormat", 1);
    EXPECT_EQ(display(), "5'3-1/2\"");
    select("cmbFormat", 0);
    EXPECT_EQ(display(), "63-1/2");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Options, DecimalForms) {
    start();
    clickKeys("63.5=");
    clickOption(1);
    EXPECT_EQ(display(), "5'3.5\"");
    select("cmbFormat", 2);
    EXPECT_EQ(display(), "5.2917'");
    select("cmbRound", 2);
    EXPECT_EQ(display(), "5.29'");
}

// Skip mode passes over bad saved values only: a fault that is no numbered
// error, here a store that breaks down, is not swallowed.
TEST(StartUpFaults, AFaultThatIsNoBadValueSurfaces) {
    struct BrokenStore : FakeSettingsStore {
        Value ReadValue(const std::string&) override { throw std::logic_error("store broke"); }
    };
    FakeMessageDialog messages;
    BrokenStore settings;
    frmMain window(messages, settings);
    EXPECT_THROW(window.Form_Load(), std::logic_error);
}

}  // namespace
}  // namespace plumbrule::testing
