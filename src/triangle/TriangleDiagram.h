// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineF>
#include <QWidget>
#include <vector>

namespace plumbrule {

// The right triangle behind the Right Triangle tab's boxes, in the pixels of
// its "Input Values" frame, drawn as the stair tab draws its flight: the run
// along the bottom, the rise at the right with its square corner, the
// diagonal, the angle's arc at the foot of the slope, the little triangle of
// 12 run that shows the pitch, and short leader lines from the boxes.
class TriangleDiagram : public QWidget {
    Q_OBJECT
  public:
    static const std::vector<QLineF>& segments();

    explicit TriangleDiagram(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace plumbrule
