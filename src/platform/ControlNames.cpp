// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ControlNames.h"

#include <QWidget>

namespace plumbrule {

void ApplyAccessibleNames(QWidget& window, AccessibleNameTable accessibleNameOf) {
    const std::string windowName = window.objectName().toStdString();
    const auto children = window.findChildren<QWidget*>();
    for (QWidget* child : children) {
        const auto name = accessibleNameOf(windowName, child->objectName().toStdString());
        if (name) child->setAccessibleName(QString::fromStdString(*name));
    }
}

}  // namespace plumbrule
