// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

class QLabel;
class QMenu;
class QPoint;
class QWidget;

namespace plumbrule {

class frmMain;

// What the desktop adds around the main window's display, beyond the keypad:
//   - Ctrl+C copies the display text; Ctrl+V pastes a length from the
//     clipboard into the display as a memory recall would (a new entry);
//   - a right-click menu on the display: Copy, Paste, and "Copy as ..." for
//     each readout in other units;
//   - the display's tooltip lists those readouts;
//   - every change of the display is announced to assistive technology (a
//     name-changed event on lblDisplay, whose accessible name stays its whole
//     text), and its accessible description is the spoken form of the length
//     ("5 feet 3 and 1/2 inches"), unless PLUMBRULE_ACCESSIBLE_IDS=1 asks for
//     the automation descriptions;
//   - a listening screen reader says that spoken form after each change,
//     once (platform/ScreenReader.h).
// None of these keys or menus has a row in the keyboard map: Ctrl+C and
// Ctrl+V are window shortcuts, so they never reach Form_KeyDown.
class DisplayExtras : public QObject {
    Q_OBJECT

  public:
    // Lives as a child of `window`; `display` is the window's lblDisplay.
    DisplayExtras(frmMain& window, QLabel& display);

    // Call after every change of the display text.
    void displayChanged();

    // The right-click menu of the display, as it is now (owned by `parent`).
    QMenu* createMenu(QWidget* parent);

    // Ctrl+C: the whole display text goes to the clipboard.
    void copyDisplay();
    // Ctrl+V: a clipboard text that reads as a length, normalised, becomes a
    // new entry; anything else changes nothing and beeps. Returns whether the
    // paste went in.
    bool pasteClipboard();

  private:
    void showMenu(const QPoint& position);
    static void copyText(const QString& text);

    frmMain& window_;
    QLabel& display_;
    bool accessibleIds_;
};

}  // namespace plumbrule
