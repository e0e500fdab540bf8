// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "platform/KeyTranslation.h"

namespace plumbrule {

// Key preview for one window: every key pressed anywhere in `window`, whatever
// control holds the focus, reaches `handler` first, translated to its
// virtual-key code and mask. The key is not consumed: the focused control
// still receives it afterwards.
//
// It watches the whole application, because a key pressed in a child control
// never reaches the window when that control takes it. One press travels
// through several receivers (the native window, the focused control, its
// parents), and a desktop's accessibility bridge may hold it and send a copy
// later; the handler sees it exactly once.
class KeyPreview : public QObject {
    Q_OBJECT
  public:
    using Handler = std::function<void(const KeyPress&)>;

    // Installs itself on the application; owned by (and lives as long as) `window`.
    KeyPreview(QWidget* window, Handler handler);
    ~KeyPreview() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool inWindow(QObject* watched) const;
    bool sameJourney(QEvent* event, QObject* watched) const;

    QPointer<QWidget> window_;
    Handler handler_;
    const QEvent* lastPress_ = nullptr;  // the press already handed over
    QPointer<QObject> lastReceiver_;     // where that press was seen last
    bool handling_ = false;              // the handler runs (it may open a message box)
};

}  // namespace plumbrule
