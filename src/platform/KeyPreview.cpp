// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/KeyPreview.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QScopedValueRollback>
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
    return window_ && watched->isWidgetType() &&
           static_cast<QWidget*>(watched)->window() == window_;
}

// A press goes from the focused control on to its parents while each ignores
// it. Seeing the same event again on that road is the same press; the same
// address elsewhere is a new press.
bool KeyPreview::sameJourney(QEvent* event, QObject* watched) const {
    if (event != lastPress_ || !lastReceiver_ || !watched->isWidgetType()) return false;
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
    // Only a press delivered to a control counts, never the native window's
    // copy of it. The accessibility bridge of a Linux desktop swallows the
    // native window's press and posts it again later: counting at the window
    // as well would count that key twice, and which of the two filters runs
    // first depends on when the bridge came up.
    if (watched->isWindowType()) return false;
    if (sameJourney(event, watched)) {
        lastReceiver_ = watched;
        return false;
    }
    if (!inWindow(watched)) return false;
    lastPress_ = event;
    lastReceiver_ = watched;
    const KeyPress key = TranslateKey(*static_cast<QKeyEvent*>(event));
    const QScopedValueRollback<bool> busy(handling_, true);
    handler_(key);
    return false;  // never consumed
}

}  // namespace plumbrule
