// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/ToolDiagram.h"

#include <QLineF>
#include <QPainter>
#include <utility>

namespace plumbrule {

ToolDiagram::ToolDiagram(std::vector<LineSegment> segments, QWidget* parent)
    : QWidget(parent), segments_(std::move(segments)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ToolDiagram::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    for (const LineSegment& line : segments_) {
        painter.drawLine(QLineF(line.x1, line.y1, line.x2, line.y2));
    }
}

}  // namespace plumbrule
