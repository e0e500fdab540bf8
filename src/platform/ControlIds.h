#pragma once

class QWidget;

namespace plumbrule {

// With PLUMBRULE_ACCESSIBLE_IDS=1 in the environment, gives the window and
// every named control in it its objectName as accessible description, so UI
// test automation can find controls over AT-SPI (which does not publish
// object names). Without the variable nothing changes.
void applyControlIds(QWidget& window);

}  // namespace plumbrule
