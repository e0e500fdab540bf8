// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window driven by mouse clicks: layout, keypad, indicator, errors,
// focus, and what outside tools can read.
#include <QAccessible>
#include <QDialog>
#include <QGroupBox>
#include <QImage>

#include "mainwindow/DisplayLabel.h"
#include "mainwindow/MainLayout.h"
#include "support/MainWindowFixture.h"

namespace plumbrule::testing {
namespace {

using Window = MainWindowTest;

// Every control of the layout table at its place, 15 twips to the pixel, in
// the window or in the frame the table puts it in.
TEST_F(Window, ControlsSitAtTheirDesignedPlaces) {
    start();
    ASSERT_EQ(main_layout::controls.size(), 37u);
    for (const ControlPlace& placed : main_layout::controls) {
        const std::string name(placed.name);
        const QWidget* widget = control(name.c_str());
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), PixelRect(placed.place)) << name;
        const std::string in = placed.in.empty() ? "frmMain" : std::string(placed.in);
        EXPECT_EQ(widget->parentWidget()->objectName().toStdString(), in) << name;
    }
    EXPECT_EQ(control("optOutput_0")->parentWidget(), control("Frame1"));
    EXPECT_EQ(control("cmbRound")->parentWidget(), control("Frame1"));
}

struct Caption {
    const char* name;
    const char* caption;
    const char* toolTip;
};

TEST_F(Window, CaptionsAndTooltipsAreExact) {
    start();
    const Caption buttons[] = {
        {"cmdDivide", "/", "Divide"},
        {"cmdFeet", "ft", "Feet Keyboard = ' "},
        {"cmdBack", ">", "Backspace - Keyboard = Backspace "},
        {"cmdDelete", "CE", "Clear Expresion - Keyboard = Del "},
        {"cmdAC", "C", "Clear All - Keyboard = Del Del "},
        {"cmdHistory", "History", "Click to display/hide history list"},
        {"cmdMultiply", "*", "Multiply"},
        {"cmdInches", "in", "Inches Keyboard = \" "},
        {"cmdStair", "Stair Calculator", "Stairs, right triangles, areas and volumes"},
        {"cmdStore", "Store", "Store the value currently in the display"},
        {"cmdSubtract", "-", "Subtract"},
        {"cmdFraction", "Fr", "Begin a fraction - Keyboard = F "},
        {"cmdRecall", "Recall", "Recall a stored value"},
        {"cmdNeg", "-/+", "Negative/Positive - Keyboard = N "},
        {"cmdDot", ".", ""},
        {"cmdAdd", "+", "Add"},
        {"cmdEquals", "=", "Caculate - Keyboard=Enter "},
        {"cmdOptions", "Show Options", ""},
        {"cmdAbout", "About", "Dislplay information about Plumbrule"},
    };
    for (const Caption& expected : buttons) {
        const QPushButton* button = control<QPushButton>(expected.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text().toStdString(), expected.caption) << expected.name;
        EXPECT_EQ(button->toolTip().toStdString(), expected.toolTip) << expected.name;
    }
    for (int digit = 0; digit < 10; ++digit) {
        const std::string name = "cmdNum_" + std::to_string(digit);
        EXPECT_EQ(control<QPushButton>(name.c_str())->text(), QString::number(digit));
    }
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Plumbrule"));
    EXPECT_EQ(control<QGroupBox>("Frame1")->title(), QStringLiteral("Output Format"));
    EXPECT_EQ(control<QRadioButton>("optOutput_0")->text(), QStringLiteral("Fractional"));
    EXPECT_EQ(control<QRadioButton>("optOutput_1")->text(), QStringLiteral("Decimal"));
    EXPECT_EQ(control<QLabel>("Label1")->text(), QStringLiteral("Round to nearest"));
}

TEST_F(Window, LooksAsDesigned) {
    start();
    EXPECT_EQ(qobject_cast<QDialog*>(window.get()), nullptr) << "Escape must not close it";
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "fixed size";
    EXPECT_EQ(window->width(), 298);

    const QLabel* shown = control<QLabel>("lblDisplay");
    EXPECT_TRUE(shown->alignment() & Qt::AlignRight);
    EXPECT_TRUE(shown->font().bold());
    EXPECT_EQ(shown->font().pointSize(), 12);
    EXPECT_EQ(shown->palette().color(shown->foregroundRole()), QColor(0, 192, 0));
    EXPECT_EQ(shown->palette().color(shown->backgroundRole()), QColor(Qt::black));
    EXPECT_TRUE(shown->autoFillBackground());

    for (const char* key : {"cmdNum_0", "cmdNum_9", "cmdDot", "cmdNeg", "cmdAdd", "cmdSubtract",
                            "cmdMultiply", "cmdDivide", "cmdEquals", "cmdFeet", "cmdInches",
                            "cmdFraction", "cmdBack", "cmdDelete", "cmdAC"}) {
        const QFont font = control(key)->font();
        EXPECT_TRUE(font.bold()) << key;
        EXPECT_DOUBLE_EQ(font.pointSizeF(), 8.25) << key;
        EXPECT_EQ(font.family(), QStringLiteral("Arial")) << key;
    }
    EXPECT_FALSE(control("cmdHistory")->font().bold());
    EXPECT_FALSE(control<QComboBox>("cmbFormat")->isEditable()) << "choose-only";
    EXPECT_FALSE(control<QComboBox>("cmbRound")->isEditable());
}

TEST_F(Window, EscapeDoesNotCloseTheWindow) {
    start();
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(settings.writes.empty()) << "no shut-down ran";
}

TEST_F(Window, ShutDownRunsOnce) {
    start();
    window->close();
    window->close();
    EXPECT_EQ(settings.writes.size(), 6u);
}

TEST_F(Window, NoControlTakesTheKeyboardFocusAndEveryButtonHasAName) {
    start();
    const auto buttons = window->findChildren<QPushButton*>();
    EXPECT_EQ(buttons.size(), 29);
    for (const QPushButton* button : buttons) {
        EXPECT_EQ(button->focusPolicy(), Qt::NoFocus) << button->objectName().toStdString();
        EXPECT_FALSE(button->accessibleName().isEmpty()) << button->objectName().toStdString();
    }
    for (const char* name : {"optOutput_0", "optOutput_1", "cmbFormat", "cmbRound"}) {
        EXPECT_EQ(control(name)->focusPolicy(), Qt::NoFocus) << name;
    }
}

TEST_F(Window, EveryClickGivesTheFocusBackToTheWindow) {
    start();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    for (const char* name :
         {"cmdNum_5", "cmdFeet", "cmdAdd", "cmdNum_3", "cmdEquals", "cmdNeg", "cmdBack",
          "cmdDelete", "cmdAC", "cmdOptions", "cmdStore", "cmdRecall", "cmdHistory"}) {
        window->clearFocus();
        click(name);
        EXPECT_TRUE(window->hasFocus()) << name;
    }
}

TEST_F(Window, WorkedSequenceByClicks) {
    start();
    const struct {
        const char* keys;
        const char* display;
        int indicator;
    } steps[] = {
        {"5f+", "5'0\"", 1}, {"3i*", "5'3\"", 3},    {"2=", "10'6\"", 5},
        {"/", "10'6\"", 4},  {"4=", "2'7-1/2\"", 5},
    };
    for (const auto& step : steps) {
        clickKeys(step.keys);
        EXPECT_EQ(display(), step.display) << step.keys;
        EXPECT_EQ(indicator(), step.indicator) << step.keys;
    }
    EXPECT_TRUE(messages.shown.empty());
}

// An operand clicked in after an operator typed on the keyboard is still
// evaluated by the next typed operator: 5 + (click 3) + shows 8 inches.
TEST_F(Window, AClickedOperandAfterATypedOperatorIsNeverDropped) {
    start();
    constexpr int vk5 = 53, vkAdd = 107;
    window->Form_KeyDown(vk5, 0);
    window->Form_KeyDown(vkAdd, 0);
    clickKeys("3");
    window->Form_KeyDown(vkAdd, 0);
    EXPECT_EQ(display(), "0'8\"");
    EXPECT_EQ(window->calculator().state().evaluator.dblTotal, 8);

    clickKeys(".5");
    window->Form_KeyDown(vkAdd, 0);
    EXPECT_EQ(display(), "0'8-1/2\"");
    EXPECT_TRUE(messages.shown.empty());
}

struct ClickRow {
    const char* keys;
    const char* display;
    int indicator;
};

class Clicks : public MainWindowTest, public ::testing::WithParamInterface<ClickRow> {};

TEST_P(Clicks, ShowTheDisplayAndIndicator) {
    start();
    clickKeys(GetParam().keys);
    EXPECT_EQ(display(), GetParam().display) << GetParam().keys;
    EXPECT_EQ(indicator(), GetParam().indicator) << GetParam().keys;
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText();
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, Clicks,
    ::testing::Values(ClickRow{"12", "12", 5}, ClickRow{"5B7", "07", 5},
                      ClickRow{"5f3i=.", "0.", 5}, ClickRow{"5f3i=F", "0-", 5},
                      ClickRow{"5f3i=4", "4", 5}, ClickRow{"5f3F1/2", "5'3-1/2", 5},
                      ClickRow{"5+F", "0-", 1}, ClickRow{"3F//", "3-//", 5}, ClickRow{"N", "0", 5},
                      ClickRow{"5N", "-5", 5}, ClickRow{"5NN", "5", 5}, ClickRow{"5f3iE", "", 5},
                      ClickRow{"5f3iEN", "-", 5}, ClickRow{"5+3EE", "0", 5},
                      ClickRow{"5+=", "0'10\"", 5}, ClickRow{"5+3==", "0'8\"", 5},
                      ClickRow{"10/3=", "0'3-5/16\"", 5}, ClickRow{"5++", "0'10\"", 1},
                      ClickRow{"5+.5+", "0'5-1/2\"", 1}, ClickRow{"5+3E4=", "0'9\"", 5},
                      ClickRow{"5+3C2=", "0'2\"", 5}, ClickRow{"5-", "0'5\"", 2},
                      ClickRow{"5*", "0'5\"", 3}));

struct ErrorClickRow {
    const char* keys;
    const char* message;
    int indicator;
};

class ErrorClicks : public MainWindowTest, public ::testing::WithParamInterface<ErrorClickRow> {};

TEST_P(ErrorClicks, ShowTheCriticalBoxThenClearAll) {
    start();
    clickKeys(GetParam().keys);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, GetParam().message);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
    EXPECT_EQ(display(), "0");
    EXPECT_EQ(indicator(), GetParam().indicator);
    EXPECT_EQ(window->calculator().state().evaluator.dblTotal, 0);
    clickKeys("2=");
    EXPECT_EQ(display(), "0'2\"") << "the calculator goes on from zero";
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, ErrorClicks,
    ::testing::Values(ErrorClickRow{"5/0=", "Error 11: Division by zero", 5},
                      ErrorClickRow{"5/0+", "Error 11: Division by zero", 1},
                      ErrorClickRow{"3F+", "Error 100: Invalid fractional or decimal input.", 1},
                      ErrorClickRow{"3F1/=", "Error 13: Invalid input.", 5}));

// ---- The display -------------------------------------------------------------

TEST_F(Window, ALongDisplayShowsItsEndAndKeepsTheWholeText) {
    start();
    const std::string digits = "1234567890123456789012345678901234567890";
    clickKeys(digits);
    ASSERT_EQ(display(), digits) << "the text itself is never shortened";
    const auto* shown = control<DisplayLabel>("lblDisplay");
    EXPECT_TRUE(shown->showsTail());

    // The digits reach the right edge (the end is visible) and the left edge
    // (the beginning is what is clipped).
    const QImage picture = const_cast<DisplayLabel*>(shown)->grab().toImage();
    const auto greenIn = [&picture](int fromX, int toX) {
        for (int x = fromX; x < toX; ++x) {
            for (int y = 0; y < picture.height(); ++y) {
                if (picture.pixelColor(x, y).green() > 96) return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(greenIn(picture.width() - 16, picture.width()));
    EXPECT_TRUE(greenIn(0, 8));
}

TEST_F(Window, AShortDisplayIsRightAligned) {
    start();
    clickKeys("5");
    const auto* shown = control<DisplayLabel>("lblDisplay");
    EXPECT_FALSE(shown->showsTail());
    const QImage picture = const_cast<DisplayLabel*>(shown)->grab().toImage();
    bool greenOnTheLeft = false;
    for (int x = 0; x < picture.width() / 2; ++x) {
        for (int y = 0; y < picture.height(); ++y) {
            greenOnTheLeft = greenOnTheLeft || picture.pixelColor(x, y).green() > 96;
        }
    }
    EXPECT_FALSE(greenOnTheLeft);
}

// ---- What outside tools read through the accessibility interfaces -------------

QString accessibleText(QWidget* widget, QAccessible::Text kind) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(kind) : QStringLiteral("<no interface>");
}

TEST_F(Window, DisplayNameIsAlwaysTheWholeDisplayText) {
    start();
    QWidget* shown = control("lblDisplay");
    EXPECT_TRUE(shown->accessibleName().isEmpty());
    EXPECT_EQ(accessibleText(shown, QAccessible::Name), QStringLiteral("0"));
    const std::string digits(30, '7');
    clickKeys(digits + "f");
    EXPECT_EQ(accessibleText(shown, QAccessible::Name).toStdString(), digits + "'");
    clickKeys("E");
    EXPECT_EQ(accessibleText(shown, QAccessible::Name), QString());
}

TEST_F(Window, DescriptionsAreTooltipsForPeople) {
    start();
    EXPECT_EQ(accessibleText(control("cmdAC"), QAccessible::Description),
              QStringLiteral("Clear All - Keyboard = Del Del "));
    EXPECT_EQ(accessibleText(control("cmdBack"), QAccessible::Name), QStringLiteral("Backspace"));
    EXPECT_EQ(accessibleText(control("cmdNum_7"), QAccessible::Name), QStringLiteral("Digit 7"));
}

TEST_F(Window, AccessibleIdsGiveEveryControlItsObjectNameAsDescription) {
    qputenv("PLUMBRULE_ACCESSIBLE_IDS", "1");
    start();
    qunsetenv("PLUMBRULE_ACCESSIBLE_IDS");
    int checked = 0;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) continue;
        EXPECT_EQ(accessibleText(widget, QAccessible::Description), name) << name.toStdString();
        ++checked;
    }
    EXPECT_GE(checked, 37);
    EXPECT_EQ(accessibleText(window.get(), QAccessible::Description), QStringLiteral("frmMain"));
    for (const char* name :
         {"lblDisplay", "Picture1", "cmdNum_0", "cmdNum_9", "optOutput_0", "optOutput_1",
          "cmbFormat", "cmbRound", "Frame1", "Label1", "cmdOptions"}) {
        EXPECT_EQ(accessibleText(control(name), QAccessible::Description).toStdString(), name);
    }
    // The display still reads as its text.
    clickKeys("42");
    EXPECT_EQ(accessibleText(control("lblDisplay"), QAccessible::Name), QStringLiteral("42"));
}

TEST_F(Window, IndicatorNamesThePendingOperation) {
    start();
    QWidget* picture = control("Picture1");
    EXPECT_EQ(accessibleText(picture, QAccessible::Name), QStringLiteral("No operation"));
    clickKeys("5*");
    EXPECT_EQ(accessibleText(picture, QAccessible::Name), QStringLiteral("Multiply"));
    EXPECT_FALSE(control<QLabel>("Picture1")->pixmap().isNull());
    EXPECT_EQ(control<QLabel>("Picture1")->pixmap().size(), QSize(20, 20));
}

}  // namespace
}  // namespace plumbrule::testing
