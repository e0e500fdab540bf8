// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up floor for the calculator window: a bare Qt window of the same size
// with as many controls of the same kinds, at fixed places and without any
// logic: 27 buttons, a sunken picture label and a display label, and a group
// box holding two option buttons, a label and two drop-down lists.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Qt panel floor"));
    window.setFixedSize(300, 190);

    auto* picture = new QLabel(&window);
    picture->setGeometry(4, 6, 23, 22);
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* display = new QLabel(QStringLiteral("0"), &window);
    display->setGeometry(27, 6, 265, 22);
    display->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    constexpr int buttons = 27;
    for (int i = 0; i < buttons; ++i) {
        auto* button = new QPushButton(QString::number(i), &window);
        button->setGeometry(6 + (i % 8) * 36, 34 + (i / 8) * 22, 34, 20);
    }

    auto* group = new QGroupBox(QStringLiteral("Output Format"), &window);
    group->setGeometry(6, 123, 286, 64);
    auto* fractional = new QRadioButton(QStringLiteral("Fractional"), group);
    fractional->setGeometry(9, 15, 79, 13);
    fractional->setChecked(true);
    auto* decimal = new QRadioButton(QStringLiteral("Decimal"), group);
    decimal->setGeometry(96, 15, 64, 13);
    auto* label = new QLabel(QStringLiteral("Round to nearest"), group);
    label->setGeometry(165, 15, 94, 13);
    auto* units = new QComboBox(group);
    units->addItems({QStringLiteral("Feet and Inches"), QStringLiteral("Inches")});
    units->setGeometry(9, 33, 148, 21);
    auto* rounding = new QComboBox(group);
    rounding->addItems({QStringLiteral("1/16 Inch"), QStringLiteral("1/32 Inch")});
    rounding->setGeometry(165, 33, 112, 21);

    window.show();
    return QApplication::exec();
}
