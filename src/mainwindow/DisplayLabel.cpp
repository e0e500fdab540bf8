// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow/DisplayLabel.h"

#include <QFontMetrics>
#include <QPainter>

namespace plumbrule {

DisplayLabel::DisplayLabel(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setTextFormat(Qt::PlainText);
}

bool DisplayLabel::showsTail() const {
    return fontMetrics().horizontalAdvance(text()) > contentsRect().width();
}

void DisplayLabel::paintEvent(QPaintEvent* /*event*/) {
    // The background is filled by the widget (autoFillBackground); the text
    // is drawn right-aligned into the content rectangle and clipped there, so
    // a long text loses its beginning, not its end.
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.setClipRect(area);
    painter.setPen(palette().color(foregroundRole()));
    painter.setFont(font());
    painter.drawText(area, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, text());
}

}  // namespace plumbrule
