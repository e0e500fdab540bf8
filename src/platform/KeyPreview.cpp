// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/KeyPreview.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWindow>
#include <utility>

namespace plumbrule {

KeyPreview::KeyPreview(QWidget* window, Handler handler)
    : QObject(window), window_(window), handler_(std::move(handler)) {
    QCoreApplication::instance()->installEventFilter(this);
}

KeyPreview::~KeyPreview() {
    if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
}

bool KeyPreview::inWindow(QObject* watched) const {
    if (!window_) return false;
    if (watched->isWidgetType()) return static_cast<QWidget*>(watched)->window() == window_;
    if (watched->isWindowType()) return watched == window_->windowHandle();
    return false;
}

// A press travels from the native window to the focused control, and from a
// control that ignores it on to its parents. Seeing the same event again on
// that road is the same press; the same address elsewhere is a new press.
bool KeyPreview::sameJourney(QEvent* event, QObject* watched) const {
    if (event != lastPress_ || !lastReceiver_) return false;
    if (lastReceiver_->isWindowType()) return watched->isWidgetType();
    if (!lastReceiver_->isWidgetType() || !watched->isWidgetType()) return false;
    const auto* before = static_cast<QWidget*>(lastReceiver_.data());
    const auto* now = static_cast<QWidget*>(watched);
    return now != before && now->isAncestorOf(before);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    // Keys typed into a message box that the handler opened neither reach the
    // handler nor end the press being handled, which still travels on to
    // the focused control once the box is closed.
    if (handling_) return false;
    switch (event->type()) {
        case QEvent::ShortcutOverride:  // comes before every press
        case QEvent::KeyRelease:
            lastPress_ = nullptr;
            lastReceiver_ = nullptr;
            return false;
        case QEvent::KeyPress:
            break;
        default:
            return false;
    }
    if (sameJourney(event, watched)) {
        lastReceiver_ = watched;
        return false;
    }
    if (!inWindow(watched)) return false;
    lastPress_ = event;
    lastReceiver_ = watched;
    const KeyPress key = TranslateKey(*static_cast<QKeyEvent*>(event));
    handling_ = true;
    try {
        handler_(key);
    } catch (...) {
        handling_ = false;
        throw;
    }
    handling_ = false;
    return false;  // never consumed
}

}  // namespace plumbrule
