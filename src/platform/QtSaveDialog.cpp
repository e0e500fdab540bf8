// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/QtSaveDialog.h"

#include <QDir>
#include <QFileDialog>

namespace plumbrule {

std::string QtSaveDialog::askFileName(const Request& request) {
    const QString proposed = QDir(QString::fromStdString(request.folder))
                                 .filePath(QString::fromStdString(request.fileName));
    return QFileDialog::getSaveFileName(parent_, QString::fromStdString(request.title), proposed,
                                        QString::fromStdString(request.filter))
        .toStdString();
}

}  // namespace plumbrule
