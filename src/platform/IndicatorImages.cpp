// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/IndicatorImages.h"

#include <QPainter>
#include <QPen>

namespace plumbrule {

QPixmap IndicatorImage(int number, qreal devicePixelRatio) {
    const int size = indicatorImageSize;
    const int devicePixels = qRound(size * devicePixelRatio);
    QPixmap picture(devicePixels, devicePixels);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::transparent);
    if (number < 1 || number > 4) return picture;

    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::black);
    const QPointF centre(size / 2.0, size / 2.0);
    const double reach = 6.5;
    const QPointF across(reach, 0), down(0, reach);
    switch (number) {
        case 1:  // plus
            painter.drawLine(centre - across, centre + across);
            painter.drawLine(centre - down, centre + down);
            break;
        case 2:  // minus
            painter.drawLine(centre - across, centre + across);
            break;
        case 3: {  // multiplication cross
            const double d = reach * 0.8;
            painter.drawLine(centre + QPointF(-d, -d), centre + QPointF(d, d));
            painter.drawLine(centre + QPointF(-d, d), centre + QPointF(d, -d));
            break;
        }
        case 4:  // division sign: a bar between two dots
            painter.drawLine(centre - across, centre + across);
            painter.setPen(Qt::NoPen);
            painter.drawEllipse(centre - QPointF(0, 4.5), 1.8, 1.8);
            painter.drawEllipse(centre + QPointF(0, 4.5), 1.8, 1.8);
            break;
        default:
            break;
    }
    return picture;
}

}  // namespace plumbrule
