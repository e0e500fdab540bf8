// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

namespace plumbrule {

// The display lblDisplay: a right-aligned label whose text is always the
// whole display text (so its accessible name is exactly what the display
// holds). A text wider than the label is clipped on the left: the user sees
// its end, the digits being typed, never a silently cut-off tail.
class DisplayLabel : public QLabel {
    Q_OBJECT

  public:
    explicit DisplayLabel(QWidget* parent = nullptr);

    // True when the text is wider than the label and its beginning is cut off.
    bool showsTail() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace plumbrule
