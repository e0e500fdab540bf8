// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ProgramIcon.h"

#include <array>

// The resources of data/plumbrule.qrc live in a static library, so they are
// registered by hand before their first use.
static void registerIconResources() {
    Q_INIT_RESOURCE(plumbrule);
}

namespace plumbrule {

QIcon programIcon() {
    static const bool registered = [] {
        registerIconResources();
        return true;
    }();
    (void)registered;

    // Title bars and task switchers ask for at most 32 pixels, 64 at 200 %.
    // The larger sizes are installed for the desktop's launchers only: on X11
    // every size given here is decoded and sent to the server before the
    // window first shows, which slowed start-up noticeably.
    constexpr std::array sizes{16, 22, 24, 32, 48, 64};
    QIcon icon;
    for (const int size : sizes) {
        icon.addFile(QStringLiteral(":/icons/plumbrule-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace plumbrule
