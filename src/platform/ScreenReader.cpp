// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ScreenReader.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QWidget>
#include <algorithm>

namespace plumbrule {

namespace {

// The voice of a window, made on its first Say. Each text is said by the
// voice under a new accessible identity: a screen reader keeps still when the
// focus goes to the object it is already on, and skips a focus change that a
// newer one overtook, so a voice that kept its identity (or a few taking
// turns) would at times land silently on the current one. Dropping the
// voice's accessible interface makes Qt give it a new one, with a new path
// on the accessibility bus; only the name and the focus are sent, so the
// screen reader has no more to do than for a focus change.
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

// A box that takes the focus by Tab selects its text, and reports that (with
// its caret) before Qt reports the focus; a screen reader then takes the box
// for the control it is already on and keeps still. So the box takes the
// focus as by any other means, and selects its text a moment later, once the
// focus has been reported: the same selection, in the other order.
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

void Say(QWidget& window, const QString& text) {
    if (text.isEmpty() || !QAccessible::isActive()) return;
    // Qt 6.8's accessibility announcements are not spoken by the Orca of
    // Debian 13; a focus change is, by every release of it.
    auto* voice =
        static_cast<Voice*>(window.findChild<QWidget*>(Voice::name(), Qt::FindDirectChildrenOnly));
    if (!voice) voice = new Voice(window);
    if (!voice->say(text)) {
        voice->setObjectName(QString());
        voice->deleteLater();
    }
}

QStringList ResultLines(const QWidget& frame) {
    QList<QLabel*> labels = frame.findChildren<QLabel*>();
    std::stable_sort(labels.begin(), labels.end(),
                     [](const QLabel* a, const QLabel* b) { return a->y() < b->y(); });
    QStringList lines;
    for (const QLabel* label : labels) lines << label->text();
    return lines;
}

QString ChangedLines(const QStringList& before, const QStringList& after) {
    QStringList changed;
    for (qsizetype line = 0; line < after.size(); ++line) {
        if (!after[line].isEmpty() && (line >= before.size() || before[line] != after[line])) {
            changed << after[line];
        }
    }
    return changed.join(QLatin1Char('\n'));
}

void ShowResultLines(QWidget& window, QWidget& frame, const QStringList& lines) {
    const QStringList before = ResultLines(frame);
    QList<QLabel*> labels = frame.findChildren<QLabel*>();
    std::stable_sort(labels.begin(), labels.end(),
                     [](const QLabel* a, const QLabel* b) { return a->y() < b->y(); });
    for (qsizetype line = 0; line < labels.size(); ++line) {
        const QString shown = line < lines.size() ? lines[line] : QString();
        if (labels[line]->text() != shown) labels[line]->setText(shown);
    }
    Say(window, ChangedLines(before, ResultLines(frame)));
}

}  // namespace plumbrule
