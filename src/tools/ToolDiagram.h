// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <vector>

#include "platform/ControlRows.h"

namespace plumbrule {

// The drawing behind a tool's boxes: its line segments, in the pixels of the
// "Input Values" frame it fills, in the window's text colour. It takes no
// clicks, so the boxes above it get them.
class ToolDiagram : public QWidget {
    Q_OBJECT
  public:
    ToolDiagram(std::vector<LineSegment> segments, QWidget* parent = nullptr);

    const std::vector<LineSegment>& segments() const { return segments_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<LineSegment> segments_;
};

}  // namespace plumbrule
