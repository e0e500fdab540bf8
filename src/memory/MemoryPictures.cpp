// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "memory/MemoryPictures.h"

#include <QPainter>
#include <QPixmap>

namespace plumbrule {

namespace {

// Draws one picture on a 16 x 16 grid at the given pixel scale.
template <typename Draw>
QIcon picture(Draw draw) {
    QIcon icon;
    for (const int scale : {1, 2}) {
        QPixmap pixmap(16 * scale, 16 * scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void drawDelete(QPainter& painter) {
    // The bin: lid and body.
    painter.setPen(QPen(QColor(70, 70, 70), 1));
    painter.setBrush(QColor(200, 200, 205));
    painter.drawRect(QRectF(3.5, 4.5, 9, 10));
    painter.drawLine(QPointF(2, 3.5), QPointF(14, 3.5));
    painter.drawLine(QPointF(6.5, 1.5), QPointF(9.5, 1.5));
    // The red cross in front of it.
    painter.setPen(QPen(QColor(200, 0, 0), 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(5, 7), QPointF(11, 13));
    painter.drawLine(QPointF(11, 7), QPointF(5, 13));
}

void drawStored(QPainter& painter) {
    painter.setPen(QPen(QColor(120, 100, 20), 1));
    painter.setBrush(QColor(255, 236, 130));
    painter.drawRect(QRectF(2.5, 1.5, 11, 13));
    painter.setPen(QPen(QColor(40, 60, 140), 1));
    for (const double y : {5.0, 8.0, 11.0}) painter.drawLine(QPointF(4.5, y), QPointF(11.5, y));
}

}  // namespace

QList<QIcon> MemoryPictures() {
    return {picture(drawDelete), picture(drawStored)};
}

}  // namespace plumbrule
