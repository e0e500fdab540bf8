// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

// A screen reader speaks, of its own accord, what happens to the control that
// has the focus. The calculator's display and the tools window's result
// lines never take the keyboard focus, so their news would go unspoken; Say
// brings it to the screen reader. Nothing a sighted user sees or types
// changes.
//
// Workaround: the window has a voice, a control without size, colour or
// keyboard focus; each text becomes the voice's accessible name, and the
// voice takes the accessible focus under a new identity (the keyboard focus
// stays where it is). A voice has no role a screen reader names: only the
// text is said. It works around two things:
//  - Qt 6.4's AT-SPI bridge sends a changed name or description without the
//    new text, which Orca cannot speak (so a label cannot simply change its
//    accessible name);
//  - Qt 6.8 has announcements (QAccessibleAnnouncementEvent), but the Orca
//    of Debian 13 (48) does not speak them.
// Every Orca speaks the control that takes the focus. Once the Orca in use
// speaks Qt's announcements, Say becomes one QAccessibleAnnouncementEvent
// from `window` and the voice goes.
namespace plumbrule {

// Says `text` to a listening screen reader on behalf of `window` (any window
// of the program); an empty text says nothing. Said while a key is down, it
// is said once no key is down (a newer text of the same window replaces
// it), so the screen reader is never busy with it as a key comes up.
void Say(QWidget& window, const QString& text);

}  // namespace plumbrule
