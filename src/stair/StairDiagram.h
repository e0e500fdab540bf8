// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineF>
#include <QWidget>
#include <array>

namespace plumbrule {

// The side view of a straight flight behind the stair window's input boxes,
// in the pixels of the "Input Values" frame: a floor line, nine risers and
// eight treads up to a top landing, the overall height dimension line with
// its arrowheads at the right, the overall width dimension line with its
// arrowheads below, and short leader lines from the boxes to what they
// measure: 34 line segments in all (Line1 to Line34).
class StairDiagram : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kSegmentCount = 34;
    static const std::array<QLineF, kSegmentCount>& segments();

    explicit StairDiagram(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace plumbrule
