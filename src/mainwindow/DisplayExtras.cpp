// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow/DisplayExtras.h"

#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QShortcut>

#include "entry/PasteNormaliser.h"
#include "entry/Readouts.h"
#include "entry/SpokenLength.h"
#include "mainwindow/frmMain.h"
#include "platform/AccessibleIds.h"
#include "platform/ScreenReader.h"

namespace plumbrule {

DisplayExtras::DisplayExtras(frmMain& window, QLabel& display)
    : QObject(&window),
      window_(window),
      display_(display),
      accessibleIds_(AccessibleIdsRequested()) {
    setObjectName(QStringLiteral("displayExtras"));

    auto* copy = new QShortcut(QKeySequence::Copy, &window);
    copy->setContext(Qt::WindowShortcut);
    connect(copy, &QShortcut::activated, this, &DisplayExtras::copyDisplay);
    auto* paste = new QShortcut(QKeySequence::Paste, &window);
    paste->setContext(Qt::WindowShortcut);
    connect(paste, &QShortcut::activated, this, [this] { pasteClipboard(); });

    display.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&display, &QWidget::customContextMenuRequested, this, &DisplayExtras::showMenu);
}

void DisplayExtras::displayChanged() {
    // The label raises the name-changed event itself when its text changes,
    // because it has no accessible name of its own; setting the description
    // raises a description-changed event. Neither is spoken by a screen
    // reader while the display is not the focused control, so the spoken
    // form is said once more, aloud, and only that: the bare text, marks and
    // all, would say "5 apostrophe 3".
    const std::string text = display_.text().toStdString();
    display_.setToolTip(QString::fromStdString(readoutTooltip(text)));
    const QString spoken = QString::fromStdString(spokenLength(text));
    if (!accessibleIds_) display_.setAccessibleDescription(spoken);
    Say(window_, spoken);
}

QMenu* DisplayExtras::createMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("mnuDisplay"));
    QAction* copy = menu->addAction(QStringLiteral("&Copy"), this, &DisplayExtras::copyDisplay);
    copy->setObjectName(QStringLiteral("mnuDisplayCopy"));
    copy->setShortcut(QKeySequence::Copy);  // shown in the menu; the window's shortcut acts
    copy->setShortcutVisibleInContextMenu(true);
    QAction* paste = menu->addAction(QStringLiteral("&Paste"), this, [this] { pasteClipboard(); });
    paste->setObjectName(QStringLiteral("mnuDisplayPaste"));
    paste->setShortcut(QKeySequence::Paste);
    paste->setShortcutVisibleInContextMenu(true);

    const auto readouts = readoutsOf(display_.text().toStdString());
    if (!readouts.empty()) menu->addSeparator();
    for (const Readout& readout : readouts) {
        const QString text = QString::fromStdString(readout.text);
        const QString label = QString::fromStdString(readout.label).toLower();
        QAction* action = menu->addAction(QStringLiteral("Copy as %1: %2").arg(label, text), this,
                                          [text] { copyText(text); });
        action->setObjectName(QStringLiteral("mnuCopyAs_%1").arg(static_cast<int>(readout.kind)));
    }
    return menu;
}

void DisplayExtras::showMenu(const QPoint& position) {
    QMenu* menu = createMenu(&display_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(display_.mapToGlobal(position));
}

void DisplayExtras::copyDisplay() {
    copyText(display_.text());
}

void DisplayExtras::copyText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

bool DisplayExtras::pasteClipboard() {
    const QString clipboard = QGuiApplication::clipboard()->text();
    const auto length = normalisePaste(clipboard.toStdString());
    if (!length) {
        QApplication::beep();
        return false;
    }
    window_.calculator().recall(*length);
    window_.render();
    window_.returnFocus();
    return true;
}

}  // namespace plumbrule
