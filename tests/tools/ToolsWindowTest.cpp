// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The tools window's tabs: Stairs, Right Triangle, Area and Volume.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <functional>
#include <memory>

#include "history/HistoryTape.h"
#include "support/FakeMessageDialog.h"
#include "tools/ToolTable.h"
#include "tools/frmStair.h"

namespace plumbrule {
namespace {

using testing::FakeMessageDialog;

class ToolsWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::function<DisplayOptions()> current = [this] { return options; };
        window = std::make_unique<frmStair>(messages, current, nullptr, &tape);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    template <typename T = QWidget>
    T* control(const QString& name) const {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    // Types each box's text (the other boxes of the tab emptied) and clicks
    // the tab's Calculate button; returns the tab's result lines.
    QStringList calculate(const char* button, const std::vector<std::pair<QString, QString>>& boxes,
                          const char* resultLines, int lineCount) {
        for (QLineEdit* box :
             control(QString::fromLatin1(button))->parentWidget()->findChildren<QLineEdit*>()) {
            box->clear();
        }
        for (const auto& [name, text] : boxes) {
            QLineEdit* box = control<QLineEdit>(name);
            box->setFocus();
            QTest::keyClicks(box, text);
        }
        QTest::mouseClick(control<QPushButton>(QString::fromLatin1(button)), Qt::LeftButton);
        QStringList lines;
        for (int line = 0; line < lineCount; ++line) {
            lines << control<QLabel>(QString::fromLatin1(resultLines) + QString::number(line))
                         ->text();
        }
        return lines;
    }

    // Saves a picture of the window when PLUMBRULE_SCREENSHOT_DIR is set.
    void screenshot(const char* file) const {
        const QString folder = qEnvironmentVariable("PLUMBRULE_SCREENSHOT_DIR");
        if (!folder.isEmpty()) window->grab().save(folder + QLatin1Char('/') + QLatin1String(file));
    }

    FakeMessageDialog messages;
    HistoryTape tape;
    DisplayOptions options;  // a first run: fractional feet and inches, 1/16 inch
    std::unique_ptr<frmStair> window;
};

TEST_F(ToolsWindow, ATabPerToolGrowsTheWindowByTheBarOnlyAndNamesTheCaption) {
    auto* tabs = control<QTabWidget>(QStringLiteral("tabTools"));
    ASSERT_EQ(static_cast<std::size_t>(tabs->count()), toolTable().size());
    for (int tab = 0; tab < tabs->count(); ++tab) {
        const ToolRow& row = toolTable()[static_cast<std::size_t>(tab)];
        EXPECT_EQ(tabs->tabText(tab).toStdString(), row.tab);
        window->showTool(tab);
        EXPECT_EQ(window->windowTitle().toStdString(), row.caption);
    }
    window->showTool(0);
    EXPECT_EQ(window->height(), 321 + tabs->tabBar()->height());
    // Ctrl+Tab and Ctrl+PageDown from a box, as anywhere in Qt; the caption follows.
    const struct {
        Qt::Key key;
        const char* box;
        const char* caption;
    } steps[] = {{Qt::Key_Tab, "Text1_2", "Right Triangle"},
                 {Qt::Key_PageDown, "txtRise", "Area and Volume"},
                 {Qt::Key_Tab, "txtLength", "Roof Framing"}};
    for (const auto& step : steps) {
        QWidget* box = control(QString::fromLatin1(step.box));
        EXPECT_EQ(tabs->currentWidget()->size(), QSize(453, 321)) << step.box;
        box->setFocus();
        QTest::keyClick(box, step.key, Qt::ControlModifier);
        EXPECT_EQ(window->windowTitle().toStdString(), step.caption);
    }
}

TEST_F(ToolsWindow, TheWorkedExamplesComeOutInTheTabs) {
    window->showTool(toolIndex("--triangle"));
    EXPECT_EQ(calculate("cmdCalculateTriangle", {{"txtRise", "6'0\""}, {"txtRun", "8'0\""}},
                        "lblTriangle_", 3),
              (QStringList{"Diagonal 10'0\"", "Angle 36.9\u00B0", "Pitch 9 in 12"}));
    EXPECT_EQ(calculate("cmdCalculateTriangle", {{"txtRun", "10'"}, {"txtPitch", "8"}},
                        "lblTriangle_", 3),
              (QStringList{"Rise 6'8\"", "Diagonal 12'0-1/4\"", "Angle 33.7\u00B0"}));
    // A box the user typed keeps exactly its text.
    EXPECT_EQ(control<QLineEdit>(QStringLiteral("txtRun"))->text(), "10'");
    screenshot("plumbrule-triangle.png");

    window->showTool(toolIndex("--roof"));
    // The jacks' line wraps within the frame, whole.
    const QStringList roof = calculate(
        "cmdCalculateRoof", {{"txtRoofPitch", "7"}, {"txtRoofRun", "20'5\""}, {"txtJacks", "16"}},
        "lblRoof_", 6);
    EXPECT_EQ(roof[1], "Common rafter 23'7-5/8\"");
    EXPECT_TRUE(roof[5].startsWith("Jacks 22'1-1/8\", 20'6-9/16\", ")) << roof[5].toStdString();
    auto* jacks = control<QLabel>(QStringLiteral("lblRoof_5"));
    EXPECT_GE(jacks->height(), 3 * jacks->fontMetrics().height());
    EXPECT_LE(jacks->geometry().bottom(), jacks->parentWidget()->height());
    screenshot("plumbrule-roof.png");

    window->showTool(toolIndex("--area"));
    EXPECT_EQ(
        calculate("cmdCalculateArea",
                  {{"txtLength", "12'"}, {"txtWidth", "10'"}, {"txtThickness", "4\""}}, "lblArea_",
                  4),
        (QStringList{"Area 120.00 sq ft = 13.33 sq yd = 11.15 m\u00B2", "Perimeter 44'0\"",
                     "Volume 40.00 cu ft = 1.48 cu yd = 1.133 m\u00B3", "Board feet 480.00"}));
    screenshot("plumbrule-area.png");
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText();
    // Without a thickness, the area and perimeter only.
    EXPECT_EQ(
        calculate("cmdCalculateArea", {{"txtLength", "12'"}, {"txtWidth", "10'"}}, "lblArea_", 4),
        (QStringList{"Area 120.00 sq ft = 13.33 sq yd = 11.15 m\u00B2", "Perimeter 44'0\"", "",
                     ""}));
}

TEST_F(ToolsWindow, SpacingMarksWrapWholeAndGoToTheTapeAsABlock) {
    window->showTool(toolIndex("--spacing"));
    const QStringList even =
        calculate("cmdCalculateSpacing",
                  {{"txtSpacingLength", "156"}, {"txtMemberWidth", "1-1/2\""}, {"txtGap", "4"}},
                  "lblSpacing_", 3);
    EXPECT_EQ(even[0], "28 members, 29 gaps of 0'3-15/16\"");
    // 28 marks: the line wraps, whole, and the results scroll rather than cut it.
    auto* marks = control<QLabel>(QStringLiteral("lblSpacing_2"));
    EXPECT_TRUE(marks->text().endsWith("12'7-5/16\"")) << marks->text().toStdString();
    EXPECT_GE(marks->height(), 4 * marks->fontMetrics().height());
    EXPECT_LE(marks->geometry().bottom(), marks->parentWidget()->height());

    tape.append("5'\r\n+ 3\r\n= 5'3\"");
    QTest::mouseClick(control<QPushButton>(QStringLiteral("cmdMarksToTape")), Qt::LeftButton);
    EXPECT_EQ(tape.text(), "5'\r\n+ 3\r\n= 5'3\"\r\n\r\n" +
                               even.join(QStringLiteral("\r\n")).toStdString() + "\r\n");

    // On centre: the gap and count boxes rest, an empty spacing is 16".
    QTest::mouseClick(control<QRadioButton>(QStringLiteral("optSpacing_1")), Qt::LeftButton);
    EXPECT_FALSE(control(QStringLiteral("txtGap"))->isEnabled());
    EXPECT_EQ(calculate("cmdCalculateSpacing", {{"txtSpacingLength", "24'10\""}}, "lblSpacing_", 1),
              QStringList{"20 members @ 1'4\" on centre"});
    screenshot("plumbrule-spacing.png");

    // Back to even spacing: what the resting spacing box holds is not read.
    control<QLineEdit>(QStringLiteral("txtOnCentre"))->setText(QStringLiteral("16"));
    QTest::mouseClick(control<QRadioButton>(QStringLiteral("optSpacing_0")), Qt::LeftButton);
    EXPECT_FALSE(control(QStringLiteral("txtOnCentre"))->isEnabled());
    control<QLineEdit>(QStringLiteral("txtCount"))->setText(QStringLiteral("20"));
    QTest::mouseClick(control<QPushButton>(QStringLiteral("cmdCalculateSpacing")), Qt::LeftButton);
    EXPECT_EQ(control<QLabel>(QStringLiteral("lblSpacing_0"))->text(),
              "20 members, 21 gaps of 1'2-3/16\"");
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText();
}

TEST_F(ToolsWindow, AnErrorIsOneMessageInTheTabsWordsAndChangesNothing) {
    window->showTool(toolIndex("--triangle"));
    const QStringList before =
        calculate("cmdCalculateTriangle", {{"txtRise", "6'"}, {"txtRun", "8'"}}, "lblTriangle_", 3);
    EXPECT_EQ(calculate("cmdCalculateTriangle", {{"txtPitch", "8"}, {"txtAngle", "30"}},
                        "lblTriangle_", 3),
              before);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Right Triangle");
    EXPECT_EQ(messages.shown[0].text,
              "The pitch and the angle are the same slope: enter a side with one of them.");
    EXPECT_EQ(control<QLineEdit>(QStringLiteral("txtPitch"))->text(), "8");
}

TEST_F(ToolsWindow, EveryNewBoxAndButtonHasANameAndEveryResultReadsAsItsText) {
    for (const char* page : {"pageTriangle", "pageArea", "pageRoof", "pageSpacing"}) {
        for (QWidget* box : control(QString::fromLatin1(page))->findChildren<QWidget*>()) {
            if (qobject_cast<QLineEdit*>(box) || qobject_cast<QPushButton*>(box)) {
                EXPECT_FALSE(box->accessibleName().isEmpty()) << box->objectName().toStdString();
            }
        }
    }
    window->showTool(toolIndex("--area"));
    calculate("cmdCalculateArea", {{"txtLength", "12'"}, {"txtWidth", "10'"}}, "lblArea_", 1);
    auto* line = control<QLabel>(QStringLiteral("lblArea_1"));
    EXPECT_EQ(line->accessibleName(), "");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(line)->text(QAccessible::Name),
              "Perimeter 44'0\"");
}

}  // namespace
}  // namespace plumbrule
