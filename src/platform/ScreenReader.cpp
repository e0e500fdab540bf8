// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ScreenReader.h"

#include <QAccessible>
#include <QWidget>

namespace plumbrule {

namespace {

// The voice of a window, made on its first Say. Each text is said by the
// voice under a new accessible identity, for Orca keeps still when the focus
// goes to the object it is already on, and skips a focus change that a newer
// one overtook: a voice that kept its identity (or a few taking turns) would
// at times land silently on the current one. Dropping the voice's accessible
// interface makes Qt give it a new one, with a new path on the accessibility
// bus; only the name and the focus are sent, so the screen reader has no
// more to do than for a focus change.
class Voice : public QWidget {
  public:
    explicit Voice(QWidget& window) : QWidget(&window) {
        setObjectName(name());
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 0, 0);
        show();
    }

    static QString name() { return QStringLiteral("screenReaderVoice"); }

    // False once the voice has said enough: Qt keeps a little for every
    // identity a widget had until the widget goes, so a new voice takes over.
    bool say(const QString& text) {
        if (QAccessibleInterface* before = QAccessible::queryAccessibleInterface(this)) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(before));
        }
        setAccessibleName(text);
        QAccessibleEvent focus(this, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
        return ++said_ < 256;
    }

  private:
    int said_ = 0;
};

}  // namespace

void Say(QWidget& window, const QString& text) {
    if (text.isEmpty() || !QAccessible::isActive()) return;
    auto* voice =
        static_cast<Voice*>(window.findChild<QWidget*>(Voice::name(), Qt::FindDirectChildrenOnly));
    if (!voice) voice = new Voice(window);
    if (!voice->say(text)) {
        voice->setObjectName(QString());
        voice->deleteLater();
    }
}

}  // namespace plumbrule
