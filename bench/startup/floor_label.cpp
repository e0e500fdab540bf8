// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up floor: the least a Qt Widgets program does, one label as its window.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Qt floor"));
    label.resize(320, 120);
    label.show();
    return QApplication::exec();
}
