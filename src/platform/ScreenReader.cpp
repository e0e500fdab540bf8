// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ScreenReader.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <set>
#include <utility>
#include <vector>

namespace plumbrule {

namespace {

// The voice of a window, made on its first Say. Each text is said by the
// voice under a new accessible identity, for Orca keeps still when the focus
// goes to the object it is already on, and skips a focus change that a newer
// one overtook: a voice that kept its identity (or a few taking turns) would
// at times land silently on the current one. Dropping the voice's accessible
// interface makes Qt give it a new one, with a new path on the accessibility
// bus. The text is that interface's name from the start (VoiceAccessible),
// so only the focus change goes out: a name-changed event as well would be
// one more event for the screen reader to look into.
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
    const QString& text() const { return text_; }

    // False once the voice has said enough: Qt keeps a little for every
    // identity a widget had until the widget goes, so a new voice takes over.
    bool say(const QString& text) {
        if (QAccessibleInterface* before = QAccessible::queryAccessibleInterface(this)) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(before));
        }
        text_ = text;
        QAccessibleEvent focus(this, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
        return ++said_ < 256;
    }

  private:
    QString text_;
    int said_ = 0;
};

class VoiceAccessible : public QAccessibleWidget {
  public:
    explicit VoiceAccessible(Voice* voice) : QAccessibleWidget(voice) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return static_cast<const Voice*>(object())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* voiceAccessible(const QString&, QObject* object) {
    auto* voice = dynamic_cast<Voice*>(object);
    return voice ? new VoiceAccessible(voice) : nullptr;
}

void speak(QWidget& window, const QString& text) {
    auto* voice =
        static_cast<Voice*>(window.findChild<QWidget*>(Voice::name(), Qt::FindDirectChildrenOnly));
    if (!voice) voice = new Voice(window);
    if (!voice->say(text)) {
        voice->setObjectName(QString());
        voice->deleteLater();
    }
}

// With a screen reader listening, Qt's bridge holds every key press and
// release until the screen reader has answered it, and the screen reader
// answers only between the events it is working through. A text said while
// a key is down would keep it busy (one focus change costs Orca 43 some
// fifty questions to the program) just when the key comes up; so what is
// said while a key is down waits until no key is down, when the screen
// reader has nothing to answer for a while. Shift and the other modifiers
// do not count: they come up in either order with the key they change.
// Only the latest text of each window is said, an older one being stale. A
// key that never comes up here (its window lost the focus) lets the texts
// go after kHeldLongest.
class KeyHold : public QObject {
  public:
    static KeyHold& instance() {
        static QPointer<KeyHold> hold;
        if (!hold) hold = new KeyHold(QCoreApplication::instance());
        return *hold;
    }

    void say(QWidget& window, const QString& text) {
        if (down_.empty()) {
            speak(window, text);
            return;
        }
        for (auto& [pendingWindow, pendingText] : pending_) {
            if (pendingWindow == &window) {
                pendingText = text;
                return;
            }
        }
        pending_.emplace_back(&window, text);
        if (!timer_.isActive()) timer_.start();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        // Only keys delivered to controls count: the bridge swallows the
        // window's own copy of a key and posts it again once the screen
        // reader has answered, so a key seen coming up at a control is one
        // the screen reader is done with.
        if (!watched->isWidgetType()) return false;
        const QEvent::Type type = event->type();
        if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress &&
            type != QEvent::KeyRelease) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->isAutoRepeat() || isModifier(key->key())) return false;
        // A press and its release may name different keys (Shift let go
        // first turns "+" into "="); the physical key is the same.
        const quint32 physical = key->nativeScanCode() ? key->nativeScanCode() : key->key();
        if (type == QEvent::KeyRelease) {
            down_.erase(physical);
            if (down_.empty()) release();
        } else {
            down_.insert(physical);  // a press is preceded by its shortcut override
        }
        return false;
    }

  private:
    static constexpr int kHeldLongest = 400;  // milliseconds

    explicit KeyHold(QObject* application) : QObject(application) {
        timer_.setSingleShot(true);
        timer_.setInterval(kHeldLongest);
        connect(&timer_, &QTimer::timeout, this, [this] {
            down_.clear();
            release();
        });
        QAccessible::installFactory(voiceAccessible);
        // Not at once: the first Say may come from another application-wide
        // filter at work on a key, and a filter put in among them then would
        // hand that key to the one after it a second time.
        QMetaObject::invokeMethod(
            this, [this, application] { application->installEventFilter(this); },
            Qt::QueuedConnection);
    }

    static bool isModifier(int key) {
        switch (key) {
            case Qt::Key_Shift:
            case Qt::Key_Control:
            case Qt::Key_Alt:
            case Qt::Key_AltGr:
            case Qt::Key_Meta:
            case Qt::Key_Super_L:
            case Qt::Key_Super_R:
                return true;
            default:
                return false;
        }
    }

    void release() {
        timer_.stop();
        for (auto& [window, text] : std::exchange(pending_, {})) {
            if (window) speak(*window, text);
        }
    }

    std::set<quint32> down_;
    std::vector<std::pair<QPointer<QWidget>, QString>> pending_;
    QTimer timer_;
};

}  // namespace

void Say(QWidget& window, const QString& text) {
    // Watching keys from the first Say on, screen reader or not, for one
    // may start at any time.
    KeyHold& hold = KeyHold::instance();
    if (text.isEmpty() || !QAccessible::isActive()) return;
    hold.say(window, text);
}

}  // namespace plumbrule
