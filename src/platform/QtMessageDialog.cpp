// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/QtMessageDialog.h"

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

}  // namespace

void QtMessageDialog::show(const std::string& text, MessageIcon icon, const std::string& title) {
    QMessageBox box(boxIcon(icon), caption(title), QString::fromStdString(text), QMessageBox::Ok,
                    parent_.data());
    box.exec();
}

bool QtMessageDialog::askYesNo(const std::string& text, MessageIcon icon,
                               const std::string& title) {
    QMessageBox box(boxIcon(icon), caption(title), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, parent_.data());
    box.setDefaultButton(QMessageBox::No);
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
