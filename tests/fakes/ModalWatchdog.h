#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace plumbrule::testing {

// Fails the running test when a modal dialog opens that the test did not
// expect, and closes it, so a window test never hangs on a message box.
// Create one in the fixture; it watches while any event loop runs.
class ModalWatchdog {
  public:
    ModalWatchdog() {
        timer_.setInterval(50);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ADD_FAILURE() << "unexpected modal dialog: " << modal->metaObject()->className()
                              << " \"" << modal->windowTitle().toStdString() << "\"";
                modal->close();
            }
        });
        timer_.start();
    }

  private:
    QTimer timer_;
};

}  // namespace plumbrule::testing
