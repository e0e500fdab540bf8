// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace plumbrule::testing {

// Fails the running test when a modal dialog stays open that the test does
// not close itself, and closes it, so a window test never hangs on a message
// box. A test that expects a modal dialog closes it at once (for example from
// a QTimer::singleShot) and is not disturbed. Create one in the fixture; it
// watches while any event loop runs.
class ModalWatchdog {
  public:
    explicit ModalWatchdog(int patienceMs = 1000) : patienceMs_(patienceMs) {
        timer_.setInterval(50);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { check(); });
        timer_.start();
    }

  private:
    void check() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != seen_) {
            seen_ = modal;
            openFor_.start();
            return;
        }
        if (!modal || openFor_.elapsed() < patienceMs_) return;
        ADD_FAILURE() << "unexpected modal dialog: " << modal->metaObject()->className() << " \""
                      << modal->windowTitle().toStdString() << "\"";
        modal->close();
        seen_ = nullptr;
    }

    int patienceMs_;
    QTimer timer_;
    QPointer<QWidget> seen_;
    QElapsedTimer openFor_;
};

}  // namespace plumbrule::testing
