// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/TabSelection.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QWidget>

namespace plumbrule {

namespace {

// The box takes a Tab's focus as by any other means, and selects its text a
// moment later, once the focus has been reported: the same selection, in the
// other order.
class SelectAfterFocus : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::FocusIn || passing_) return false;
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason &&
            reason != Qt::ShortcutFocusReason) {
            return false;
        }
        auto* box = static_cast<QLineEdit*>(watched);
        QFocusEvent plain(QEvent::FocusIn, Qt::OtherFocusReason);
        {
            const QScopedValueRollback<bool> passing(passing_, true);
            QCoreApplication::sendEvent(box, &plain);
        }
        QMetaObject::invokeMethod(
            box,
            [box] {
                if (box->hasFocus() && !box->hasSelectedText()) box->selectAll();
            },
            Qt::QueuedConnection);
        return true;
    }

  private:
    bool passing_ = false;
};

}  // namespace

void SpeakTextBoxesOnFocus(QWidget& window) {
    auto* filter = new SelectAfterFocus(&window);
    for (QLineEdit* box : window.findChildren<QLineEdit*>()) box->installEventFilter(filter);
}

}  // namespace plumbrule
