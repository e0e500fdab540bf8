#include "platform/ControlIds.h"

#include <QWidget>
#include <QtGlobal>

namespace plumbrule {

void applyControlIds(QWidget& window) {
    if (qEnvironmentVariable("PLUMBRULE_ACCESSIBLE_IDS") != QLatin1String("1")) return;
    if (!window.objectName().isEmpty()) window.setAccessibleDescription(window.objectName());
    const auto controls = window.findChildren<QWidget*>();
    for (QWidget* control : controls) {
        if (!control->objectName().isEmpty() &&
            !control->objectName().startsWith(QLatin1String("qt_"))) {
            control->setAccessibleDescription(control->objectName());
        }
    }
}

}  // namespace plumbrule
