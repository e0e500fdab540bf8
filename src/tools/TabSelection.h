// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace plumbrule {

// A screen reader says each text box of `window` that Tab moves to.
//
// Workaround: a QLineEdit that takes the focus by Tab selects its text, and
// Qt 6.4's AT-SPI bridge reports that selection (with the caret) before the
// focus; Orca, hearing of the caret first, takes the box for the control it
// is already on and keeps still. So the selection is made a moment later,
// after the focus is reported: the same selection, the same keys. It can go
// once Qt reports the focus first (or Orca speaks the box either way).
void SpeakTextBoxesOnFocus(QWidget& window);

}  // namespace plumbrule
