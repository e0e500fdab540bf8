// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QList>
#include <QMenu>
#include <QObject>
#include <QPointer>

#include "platform/PopupMenuItems.h"

class QWidget;

namespace plumbrule {

// The pop-up menu on a QMenu. The menu belongs to its owner window, takes its
// pictures from an image list (0-based), and opens without blocking: the
// choice arrives later as Click with the item's 1-based position.
class QtPopupMenu : public QObject, public PopupMenuItems {
    Q_OBJECT
  public:
    // The owner window and the image source are given once, at creation.
    QtPopupMenu(QWidget& owner, QList<QIcon> imageSource);
    ~QtPopupMenu() override;

    // Opens the current items at (x, y) twips of the owner's client area,
    // that is at pixel (x / 15, y / 15).
    void ShowAt(std::int32_t x, std::int32_t y) override;

    // The menu last shown (objectName "cp"), for tests and automation.
    QMenu* menu() const { return menu_; }

  private:
    void rebuild();

    QWidget& owner_;
    QList<QIcon> images_;
    QPointer<QMenu> menu_;
};

}  // namespace plumbrule
