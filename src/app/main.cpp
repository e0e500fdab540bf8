// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Plumbrule: the calculator window is the program; closing it ends the run.
#include <QApplication>

#include "mainwindow/frmMain.h"
#include "platform/ProgramIcon.h"
#include "platform/QtMessageDialog.h"
#include "platform/QtSettingsStore.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Plumbrule"));
    QApplication::setOrganizationName(QStringLiteral("Plumbrite"));
    QApplication::setApplicationVersion(QStringLiteral("1.5.0"));
    // Every window, message box included, shows the program icon; the desktop
    // entry plumbrule.desktop is the one the task bar groups the windows under.
    QApplication::setWindowIcon(plumbrule::programIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("plumbrule"));

    plumbrule::QtMessageDialog messages;
    plumbrule::QtSettingsStore settings;
    plumbrule::frmMain window(messages, settings);
    messages.setParentWidget(&window);
    window.Form_Load();
    return QApplication::exec();
}
