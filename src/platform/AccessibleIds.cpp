// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/AccessibleIds.h"

#include <QWidget>

namespace plumbrule {

bool AccessibleIdsRequested() {
    return qEnvironmentVariable("PLUMBRULE_ACCESSIBLE_IDS") == QLatin1String("1");
}

void ApplyAccessibleIds(QWidget& window) {
    if (!window.objectName().isEmpty()) window.setAccessibleDescription(window.objectName());
    const auto children = window.findChildren<QWidget*>();
    for (QWidget* child : children) {
        // Qt's own inner widgets (names beginning "qt_") are not controls.
        const QString name = child->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_"))) {
            child->setAccessibleDescription(name);
        }
    }
}

}  // namespace plumbrule
