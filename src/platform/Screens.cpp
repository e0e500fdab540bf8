// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Screens.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace plumbrule {

bool OnSomeScreen(const QRect& frame) {
    const auto screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(),
                       [&](const QScreen* screen) { return screen->geometry().intersects(frame); });
}

bool ReportsWindowPlace(QStringView platformName) {
    return !platformName.startsWith(QLatin1String("wayland"));
}

bool ReportsWindowPlace() {
    return ReportsWindowPlace(QGuiApplication::platformName());
}

}  // namespace plumbrule
