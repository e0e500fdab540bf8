// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/frmStair.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <memory>

#include "stair/StairLayout.h"
#include "support/FakeMessageDialog.h"

// Failures show texts, not code units.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace plumbrule {
namespace {

using testing::FakeMessageDialog;

class StairWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        window = std::make_unique<frmStair>(messages, [this] { return options; });
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    template <typename T>
    T* control(const char* name) const {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit* box(const char* name) const { return control<QLineEdit>(name); }

    void type(const char* name, const char* text) const {
        QLineEdit* edit = box(name);
        edit->setFocus();
        QTest::keyClicks(edit, QString::fromLatin1(text));
    }

    // Saves a picture of the window when PLUMBRULE_SCREENSHOT_DIR is set.
    void screenshot(const char* file) const {
        const QString folder = qEnvironmentVariable("PLUMBRULE_SCREENSHOT_DIR");
        if (!folder.isEmpty()) window->grab().save(folder + QLatin1Char('/') + QLatin1String(file));
    }

    FakeMessageDialog messages;
    DisplayOptions options{DisplayOptions::Style::Decimal, DisplayOptions::Units::None, 4};
    std::unique_ptr<frmStair> window;
};

TEST_F(StairWindow, OpensOnTheRisersSideWithEmptyBoxesAndLabels) {
    EXPECT_EQ(window->windowTitle(), "Stair Calculator");
    EXPECT_EQ(window->size(), QSize(453, 321 + window->findChild<QTabBar*>()->height()));
    EXPECT_TRUE(control<QRadioButton>("optStair_0")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("optStair_1")->isChecked());
    for (const char* name : {"Text1_0", "Text1_1", "Text1_2", "Text2_0", "Text2_1", "Text2_2"}) {
        EXPECT_EQ(box(name)->text(), "") << name;
    }
    EXPECT_EQ(control<QLabel>("lblRiser")->text(), "");
    EXPECT_EQ(control<QLabel>("lblTread")->text(), "");
    EXPECT_EQ(control<QPushButton>("cmdCalculate")->text(), "Claculate");
    EXPECT_EQ(control<QPushButton>("Command1")->text(), "Close");
    EXPECT_EQ(stairDiagram().size(), 34u);
    // Boxes sit where the layout puts them inside the input frame (twips / 15).
    EXPECT_EQ(box("Text1_0")->geometry(), QRect(60, 45, 67, 19));
    EXPECT_EQ(box("Text2_2")->geometry(), QRect(93, 189, 67, 19));
}

TEST_F(StairWindow, TheSideToggleEnablesOneSideAndGreysTheOther) {
    const QColor window_background = QApplication::palette().color(QPalette::Base);
    const QColor button_face = QApplication::palette().color(QPalette::Button);
    ASSERT_NE(window_background, button_face);
    const auto expectSide = [&](const char* prefix, bool enabled) {
        for (int index = 0; index < 3; ++index) {
            const QByteArray name = QByteArray(prefix) + "_" + QByteArray::number(index);
            QLineEdit* edit = box(name.constData());
            EXPECT_EQ(edit->isEnabled(), enabled) << name.constData();
            const auto group = enabled ? QPalette::Active : QPalette::Disabled;
            EXPECT_EQ(edit->palette().color(group, QPalette::Base),
                      enabled ? window_background : button_face)
                << name.constData();
        }
    };
    expectSide("Text1", true);
    expectSide("Text2", false);

    type("Text1_0", "7.5");
    QTest::mouseClick(control<QRadioButton>("optStair_1"), Qt::LeftButton);
    expectSide("Text1", false);
    expectSide("Text2", true);
    EXPECT_EQ(box("Text1_0")->text(), "7.5");  // texts stay

    QTest::mouseClick(control<QRadioButton>("optStair_0"), Qt::LeftButton);
    expectSide("Text1", true);
    expectSide("Text2", false);
}

TEST_F(StairWindow, CalculatesTheRisersIntoTheBoxesAndTheLabel) {
    type("Text1_2", "100");
    type("Text1_0", "7.5");
    QTest::mouseClick(control<QPushButton>("cmdCalculate"), Qt::LeftButton);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText();
    EXPECT_EQ(box("Text1_0")->text(), "7.5");
    EXPECT_EQ(box("Text1_1")->text(), "14");
    EXPECT_EQ(box("Text1_2")->text(), "100");
    QLabel* lblRiser = control<QLabel>("lblRiser");
    EXPECT_EQ(lblRiser->text(), "14 Risers @ 7.14\" = 100");
    // Assistive technology reads the label's whole text as its name.
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(lblRiser);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Name), "14 Risers @ 7.14\" = 100");

    // The main window's options at the time of the click write the height.
    options = DisplayOptions{};
    QTest::mouseClick(control<QPushButton>("cmdCalculate"), Qt::LeftButton);
    EXPECT_EQ(lblRiser->text(), "14 Risers @ 7.14\" = 8'4\"");

    QTest::mouseClick(control<QRadioButton>("optStair_1"), Qt::LeftButton);
    type("Text2_0", "11");
    type("Text2_2", "120");
    QTest::mouseClick(control<QPushButton>("cmdCalculate"), Qt::LeftButton);
    EXPECT_EQ(box("Text2_1")->text(), "11");
    EXPECT_EQ(control<QLabel>("lblTread")->text(), "11 Treads @ 10.91\" = 10'0\"");
    EXPECT_EQ(lblRiser->text(), "14 Risers @ 7.14\" = 8'4\"");
    screenshot("plumbrule-stair.png");
}

TEST_F(StairWindow, TheWorkedFlightTypedInFeetAndInchesGivesThreeLines) {
    options = DisplayOptions{};  // a first run: fractional feet and inches, 1/16 inch
    QLabel* lblStringer = control<QLabel>("lblStringer");
    type("Text1_2", "8'10-1/2\"");
    type("Text1_0", "7.75");
    QTest::mouseClick(control<QPushButton>("cmdCalculate"), Qt::LeftButton);
    EXPECT_EQ(box("Text1_2")->text(), "8'10-1/2\"");
    EXPECT_EQ(control<QLabel>("lblRiser")->text(), "14 Risers @ 7.61\" = 8'10-1/2\"");
    EXPECT_EQ(lblStringer->text(), "");

    QTest::mouseClick(control<QRadioButton>("optStair_1"), Qt::LeftButton);
    type("Text2_2", "130");
    type("Text2_0", "10");
    QTest::mouseClick(control<QPushButton>("cmdCalculate"), Qt::LeftButton);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText();
    EXPECT_EQ(control<QLabel>("lblTread")->text(), "13 Treads @ 10.00\" = 10'10\"");
    const QString line = QStringLiteral("Stringer 14'0-1/16\" @ 37.3\u00B0, 2R+T 25.2\": steep");
    EXPECT_EQ(lblStringer->text(), line);
    // Assistive technology reads the whole line as the label's name.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(lblStringer)->text(QAccessible::Name), line);
    // Copied, or not, as the other result lines are.
    EXPECT_EQ(lblStringer->textInteractionFlags(),
              control<QLabel>("lblRiser")->textInteractionFlags());
    screenshot("plumbrule-stair.png");
}

TEST_F(StairWindow, TheThirdLineFitsBelowTheOthersInTheResultsFrame) {
    const QRect frame = control<QWidget>("Frame2")->rect();
    const QRect tread = control<QLabel>("lblTread")->geometry();
    QLabel* lblStringer = control<QLabel>("lblStringer");
    EXPECT_GE(lblStringer->geometry().top(), tread.bottom());
    EXPECT_TRUE(frame.contains(lblStringer->geometry())) << lblStringer->geometry().bottom();
    EXPECT_TRUE(window->rect().contains(control<QWidget>("Frame2")->geometry()));
    // Long lines: a stringer to 1/256 inch or four decimal places, "comfortable".
    for (const QString& longest :
         {QStringLiteral("Stringer 14'0-13/256\" @ 33.7\u00B0, 2R+T 24.5\": comfortable"),
          QStringLiteral("Stringer 14'11.1235\" @ 33.7\u00B0, 2R+T 24.5\": comfortable")}) {
        EXPECT_LE(lblStringer->fontMetrics().horizontalAdvance(longest),
                  lblStringer->contentsRect().width())
            << longest.toStdString();
    }
}

TEST_F(StairWindow, ReportsTooFewValuesInAMessageBox) {
    type("Text1_2", "100");
    QTest::mouseClick(control<QPushButton>("cmdCalculate"), Qt::LeftButton);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "You must enter values in two of the three available fields.");
    EXPECT_EQ(messages.shown[0].title, "Stair Calculator");
}

TEST_F(StairWindow, FocusRunsThroughTheBoxesInDrawingOrder) {
    QWidget* focused = box("Text1_2");
    focused->setFocus();
    const std::vector<const char*> order{"Text1_1", "Text2_2",      "Text2_1",  "Text2_0",
                                         "Text1_0", "cmdCalculate", "Command1", "optStair_0"};
    std::vector<QString> visited;
    while (visited.size() < order.size()) {
        focused = focused->nextInFocusChain();
        if (focused->focusPolicy() & Qt::TabFocus) visited.push_back(focused->objectName());
    }
    for (std::size_t step = 0; step < order.size(); ++step) {
        EXPECT_EQ(visited[step], order[step]) << step;
    }
}

TEST_F(StairWindow, CloseClosesTheWindow) {
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
}

TEST(StairWindowIds, ControlsDescribeThemselvesByNameForAutomation) {
    qputenv("PLUMBRULE_ACCESSIBLE_IDS", "1");
    FakeMessageDialog messages;
    frmStair window(messages, [] { return DisplayOptions{}; });
    qunsetenv("PLUMBRULE_ACCESSIBLE_IDS");
    for (const char* name :
         {"Text1_0", "Text2_2", "optStair_0", "optStair_1", "cmdCalculate", "Command1", "lblRiser",
          "lblTread", "lblStringer", "Frame1", "Frame2"}) {
        const QWidget* control = window.findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(control->accessibleDescription(), name);
    }
    // The result labels keep no accessible name of their own.
    EXPECT_EQ(window.findChild<QLabel*>("lblRiser")->accessibleName(), "");
}

}  // namespace
}  // namespace plumbrule
