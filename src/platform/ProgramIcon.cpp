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

    constexpr std::array sizes{16, 22, 24, 32, 48, 64, 128, 256};
    QIcon icon;
    for (const int size : sizes) {
        icon.addFile(QStringLiteral(":/icons/plumbrule-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace plumbrule
