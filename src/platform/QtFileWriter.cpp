// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/QtFileWriter.h"

#include <QSaveFile>

namespace plumbrule {

FileWriter::Result QtFileWriter::writeFile(const std::string& path, std::string_view bytes) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return {false, file.errorString().toStdString()};
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size) {
        const std::string error = file.errorString().toStdString();
        file.cancelWriting();
        return {false, error};
    }
    if (!file.commit()) return {false, file.errorString().toStdString()};
    return {true, {}};
}

}  // namespace plumbrule
