// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineF>
#include <QWidget>
#include <vector>

namespace plumbrule {

// The slab behind the Area and Volume tab's boxes, in the pixels of its
// "Input Values" frame, drawn as the stair tab draws its flight: the slab's
// front face, top and side seen from above and in front, a dimension line
// with arrowheads under the length and beside the thickness, and a leader
// from the width box to the side edge.
class AreaDiagram : public QWidget {
    Q_OBJECT
  public:
    static const std::vector<QLineF>& segments();

    explicit AreaDiagram(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace plumbrule
