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

}  // namespace

void QtMessageDialog::show(const std::string& text, MessageIcon icon, const std::string& title) {
    const QString caption =
        title.empty() ? QStringLiteral("Plumbrule") : QString::fromStdString(title);
    QMessageBox box(boxIcon(icon), caption, QString::fromStdString(text), QMessageBox::Ok,
                    parent_.data());
    box.exec();
}

}  // namespace plumbrule
