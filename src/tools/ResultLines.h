// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

class QWidget;

namespace plumbrule {

// The tools window's result lines, shared by its tabs.
// Puts `lines` into the result labels of `frame`, top to bottom, and empties
// the labels below them. Only a text that changes is set, and the changed
// lines are said on behalf of `window` (platform/ScreenReader.h): a screen
// reader hears each result line once, when it changes.
void ShowResultLines(QWidget& window, QWidget& frame, const QStringList& lines);

}  // namespace plumbrule
