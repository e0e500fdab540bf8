// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// A screen reader speaks, of its own accord, what happens to the control that
// has the focus. The calculator's display and the stair window's result
// lines never take the keyboard focus, so their news would go unspoken; Say
// brings it to the screen reader. Qt's bridge sends a changed name or
// description without the new text, which Orca cannot speak, and the Orca of
// Debian 13 does not speak Qt 6.8's accessibility announcements either; what
// every Orca speaks is the control that takes the focus. So the window has a
// voice, a control without size, colour or keyboard focus: each text becomes
// the voice's accessible name, and the voice takes the accessible focus under
// a new identity (the keyboard focus stays where it is). A voice has no role
// a screen reader names: only the text is said.
// Nothing a sighted user sees or types changes.
namespace plumbrule {

// Says `text` to a listening screen reader on behalf of `window` (any window
// of the program); an empty text says nothing.
void Say(QWidget& window, const QString& text);

// A screen reader says each text box of `window` that Tab moves to. A box
// that takes the focus by Tab selects its text, and Qt reports that (with
// the caret) before the focus; a screen reader that hears of the caret first
// takes the box for the control it is already on and keeps still. So the
// selection is made a moment later, after the focus is reported: the same
// selection, the same keys.
void SpeakTextBoxesOnFocus(QWidget& window);

// The texts of the labels inside `frame` (a group of result lines), top to
// bottom.
QStringList ResultLines(const QWidget& frame);

// The lines of `after` that are not empty and differ from the same line of
// `before`, one per line: what a calculation changed.
QString ChangedLines(const QStringList& before, const QStringList& after);

// Puts `lines` into the result labels of `frame`, top to bottom, and empties
// the labels below them. Only a text that changes is set, and the changed
// lines are said on behalf of `window`: a screen reader hears each result
// line once, when it changes.
void ShowResultLines(QWidget& window, QWidget& frame, const QStringList& lines);

}  // namespace plumbrule
