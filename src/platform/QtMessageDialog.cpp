// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/QtMessageDialog.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMessageBox>

namespace plumbrule {

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Information:
            break;
    }
    return QMessageBox::Information;
}

QString caption(const std::string& title) {
    return title.empty() ? QStringLiteral("Plumbrule") : QString::fromStdString(title);
}

// A box answers Enter and Escape as they come up rather than as they go
// down. Closing the box moves the focus back to the window under it, which a
// screen reader takes a while to work through; begun as the key went down,
// that work would make the key's release wait for the screen reader. And
// the release of the key that opened the box, coming up in the box, does
// not close it.
class KeysActOnRelease : public QObject {
  public:
    explicit KeysActOnRelease(QMessageBox& box) : QObject(&box) {
        box.installEventFilter(this);
        for (QAbstractButton* button : box.buttons()) button->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (replaying_ || (type != QEvent::KeyPress && type != QEvent::KeyRelease)) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter &&
            key->key() != Qt::Key_Escape) {
            return false;
        }
        if (type == QEvent::KeyPress) {
            if (!key->isAutoRepeat()) down_ = key->key();
            return true;
        }
        if (key->isAutoRepeat() || key->key() != down_) return true;
        down_ = 0;
        QKeyEvent press(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
        replaying_ = true;
        QCoreApplication::sendEvent(watched, &press);
        replaying_ = false;
        return true;
    }

  private:
    int down_ = 0;
    bool replaying_ = false;
};

}  // namespace

void QtMessageDialog::show(const std::string& text, MessageIcon icon, const std::string& title) {
    QMessageBox box(boxIcon(icon), caption(title), QString::fromStdString(text), QMessageBox::Ok,
                    parent_.data());
    new KeysActOnRelease(box);
    box.exec();
}

bool QtMessageDialog::askYesNo(const std::string& text, MessageIcon icon,
                               const std::string& title) {
    QMessageBox box(boxIcon(icon), caption(title), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, parent_.data());
    box.setDefaultButton(QMessageBox::No);
    new KeysActOnRelease(box);
    return box.exec() == QMessageBox::Yes;
}

MessageDialog& MessageDialogOver::target() {
    if (!dynamic_cast<QtMessageDialog*>(&dialog_)) return dialog_;
    over_.setParentWidget(window_.data());
    return over_;
}

void MessageDialogOver::show(const std::string& text, MessageIcon icon, const std::string& title) {
    target().show(text, icon, title);
}

bool MessageDialogOver::askYesNo(const std::string& text, MessageIcon icon,
                                 const std::string& title) {
    return target().askYesNo(text, icon, title);
}

}  // namespace plumbrule
