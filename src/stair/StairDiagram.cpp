// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stair/StairDiagram.h"

#include <QPainter>

namespace plumbrule {

namespace {

constexpr double kFloor = 150;      // y of the floor line
constexpr double kFirstRiser = 38;  // x of the first riser
constexpr double kRise = 13;        // height of one riser
constexpr double kGoing = 22;       // width of one tread
constexpr int kRisers = 9;
constexpr double kLanding = kFloor - kRisers * kRise;                // y of the top landing
constexpr double kLastRiser = kFirstRiser + (kRisers - 1) * kGoing;  // x of the last riser
constexpr double kHeightLine = 240;  // x of the overall height dimension line
constexpr double kWidthLine = 160;   // y of the overall width dimension line
constexpr double kArrow = 4;         // half the width of an arrowhead
constexpr double kArrowLength = 7;

std::array<QLineF, StairDiagram::kSegmentCount> makeSegments() {
    std::array<QLineF, StairDiagram::kSegmentCount> lines;
    std::size_t n = 0;
    // The flight: floor, risers and treads, top landing.
    lines[n++] = {8, kFloor, 250, kFloor};
    for (int step = 0; step < kRisers; ++step) {
        const double x = kFirstRiser + step * kGoing;
        const double bottom = kFloor - step * kRise;
        lines[n++] = {x, bottom, x, bottom - kRise};
        if (step + 1 < kRisers) lines[n++] = {x, bottom - kRise, x + kGoing, bottom - kRise};
    }
    lines[n++] = {kLastRiser, kLanding, 250, kLanding};
    // Overall height, from the floor to the landing, arrowheads at both ends.
    lines[n++] = {kHeightLine, kLanding, kHeightLine, kFloor};
    lines[n++] = {kHeightLine, kLanding, kHeightLine - kArrow, kLanding + kArrowLength};
    lines[n++] = {kHeightLine, kLanding, kHeightLine + kArrow, kLanding + kArrowLength};
    lines[n++] = {kHeightLine, kFloor, kHeightLine - kArrow, kFloor - kArrowLength};
    lines[n++] = {kHeightLine, kFloor, kHeightLine + kArrow, kFloor - kArrowLength};
    // Overall width, from the first riser to the last, with its extension lines.
    lines[n++] = {kFirstRiser, kWidthLine, kLastRiser, kWidthLine};
    lines[n++] = {kFirstRiser, kWidthLine, kFirstRiser + kArrowLength, kWidthLine - kArrow};
    lines[n++] = {kFirstRiser, kWidthLine, kFirstRiser + kArrowLength, kWidthLine + kArrow};
    lines[n++] = {kLastRiser, kWidthLine, kLastRiser - kArrowLength, kWidthLine - kArrow};
    lines[n++] = {kLastRiser, kWidthLine, kLastRiser - kArrowLength, kWidthLine + kArrow};
    lines[n++] = {kFirstRiser, kFloor + 2, kFirstRiser, kWidthLine + 4};
    lines[n++] = {kLastRiser, kFloor + 2, kLastRiser, kWidthLine + 4};
    // Leaders: maximum riser height to a riser, maximum tread width to a
    // tread, overall height box to its dimension line.
    lines[n++] = {127, 58, kFirstRiser + 5 * kGoing, kFloor - 5.5 * kRise};
    lines[n++] = {52, 103, kFirstRiser + 1.5 * kGoing, kFloor - 2 * kRise};
    lines[n++] = {kHeightLine, 99, 255, 99};
    Q_ASSERT(n == lines.size());
    return lines;
}

}  // namespace

const std::array<QLineF, StairDiagram::kSegmentCount>& StairDiagram::segments() {
    static const auto lines = makeSegments();
    return lines;
}

StairDiagram::StairDiagram(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void StairDiagram::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.drawLines(segments().data(), static_cast<int>(segments().size()));
}

}  // namespace plumbrule
