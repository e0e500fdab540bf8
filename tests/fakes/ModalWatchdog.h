#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace plumbrule::testing {

// Fails the running test when a modal dialog opens that the test did not
// expect, and closes it, so a window test never hangs on a message box.
// Create one in the fixture; it watches while any event loop runs.
//
// A dialog counts as unexpected when it is still open at the tick after the
// one that first saw it. A test that expects a dialog closes it from a
// zero-time timer; when the test's own set-up took longer than one interval,
// the watchdog's overdue tick runs before that timer, and must not fail it.
class ModalWatchdog {
  public:
    ModalWatchdog() {
        timer_.setInterval(50);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal == seen_) {
                ADD_FAILURE() << "unexpected modal dialog: " << modal->metaObject()->className()
                              << " \"" << modal->windowTitle().toStdString() << "\"";
                modal->close();
                modal = nullptr;
            }
            seen_ = modal;
        });
        timer_.start();
    }
    ModalWatchdog(const ModalWatchdog&) = delete;
    ModalWatchdog& operator=(const ModalWatchdog&) = delete;

  private:
    QTimer timer_;
    QPointer<QWidget> seen_;
};

}  // namespace plumbrule::testing
