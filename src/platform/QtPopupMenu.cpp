// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/QtPopupMenu.h"

#include <QAction>
#include <QMenu>
#include <QWidget>
#include <utility>

#include "platform/AccessibleIds.h"
#include "platform/Twips.h"

namespace plumbrule {

QtPopupMenu::QtPopupMenu(QWidget& owner, QList<QIcon> imageSource)
    : owner_(owner), images_(std::move(imageSource)), menu_(new QMenu(&owner)) {
    menu_->setObjectName(QStringLiteral("cp"));
    if (AccessibleIdsRequested()) menu_->setAccessibleDescription(menu_->objectName());
}

QtPopupMenu::~QtPopupMenu() {
    // The QMenu belongs to the owner window; when this object goes first, the
    // menu must not outlive the items it shows.
    if (menu_) menu_->deleteLater();
}

void QtPopupMenu::rebuild() {
    menu_->clear();
    std::int32_t position = 0;
    for (const Item& item : items()) {
        ++position;
        if (isSeparator(item)) {
            menu_->addSeparator();
            continue;
        }
        // An ampersand in a stored text is shown, not taken as a shortcut key.
        QString caption = QString::fromStdString(item.caption);
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action = menu_->addAction(caption);
        if (item.pictureIndex >= 0 && item.pictureIndex < images_.size()) {
            action->setIcon(images_.at(item.pictureIndex));
        }
        connect(action, &QAction::triggered, this, [this, position] { Click(position); });
    }
}

void QtPopupMenu::ShowAt(std::int32_t x, std::int32_t y) {
    if (!menu_) return;
    rebuild();
    const QPoint pixel(Pixels(x), Pixels(y));
    menu_->popup(owner_.mapToGlobal(pixel));
}

}  // namespace plumbrule
