// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "mainwindow/frmMain.h"
#include "support/FakeMessageDialog.h"
#include "support/FakeSettingsStore.h"
#include "support/ModalWatchdog.h"

namespace plumbrule::testing {

// A real main window on the offscreen platform with the message box and the
// settings store faked; controls are found by objectName.
class MainWindowTest : public ::testing::Test {
  protected:
    void TearDown() override { window.reset(); }

    // Creates the window and runs its start-up with the saved values in `settings`.
    frmMain& start() {
        window = std::make_unique<frmMain>(messages, settings);
        window->Form_Load();
        return *window;
    }

    template <typename Widget = QWidget>
    Widget* control(const char* name) const {
        auto* found = window->findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    void click(const char* name) {
        QPushButton* button = control<QPushButton>(name);
        if (button) QTest::mouseClick(button, Qt::LeftButton);
    }

    // Clicks keys given one character each: 0-9, '.' point, 'f' feet,
    // 'i' inch, 'F' fraction, 'N' sign, 'B' backspace, 'E' clear entry,
    // 'C' clear all, + - * / =.
    void clickKeys(const std::string& keys) {
        for (const char key : keys) {
            if (key >= '0' && key <= '9') {
                const std::string name = "cmdNum_" + std::string(1, key);
                click(name.c_str());
                continue;
            }
            click(buttonFor(key));
        }
    }

    static const char* buttonFor(char key) {
        switch (key) {
            case '.':
                return "cmdDot";
            case 'f':
                return "cmdFeet";
            case 'i':
                return "cmdInches";
            case 'F':
                return "cmdFraction";
            case 'N':
                return "cmdNeg";
            case 'B':
                return "cmdBack";
            case 'E':
                return "cmdDelete";
            case 'C':
                return "cmdAC";
            case '+':
                return "cmdAdd";
            case '-':
                return "cmdSubtract";
            case '*':
                return "cmdMultiply";
            case '/':
                return "cmdDivide";
            case '=':
                return "cmdEquals";
            default:
                return "no such key";
        }
    }

    std::string display() const { return control<QLabel>("lblDisplay")->text().toStdString(); }
    int indicator() const { return control<QLabel>("Picture1")->property("picture").toInt(); }
    void clickOption(int index) {
        QRadioButton* option = control<QRadioButton>(index == 0 ? "optOutput_0" : "optOutput_1");
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    }
    // Selects a list position as the user's choice from the drop-down does.
    void select(const char* list, int position) {
        control<QComboBox>(list)->setCurrentIndex(position);
    }
    int selected(const char* list) const { return control<QComboBox>(list)->currentIndex(); }
    std::string selectedText(const char* list) const {
        return control<QComboBox>(list)->currentText().toStdString();
    }

    ModalWatchdog watchdog;
    FakeMessageDialog messages;
    FakeSettingsStore settings;
    std::unique_ptr<frmMain> window;
};

}  // namespace plumbrule::testing
