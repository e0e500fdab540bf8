// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/QtDataFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <utility>

namespace plumbrule {

namespace {

QString qt(const std::string& path) {
    return QString::fromStdString(path);
}

}  // namespace

// The size is asked first, so a huge file is never read into memory; a
// folder or anything else that is not a regular file cannot be read.
DataFiles::ReadResult QtDataFiles::readFile(const std::string& path, std::size_t limit) {
    const QFileInfo info(qt(path));
    if (!info.exists() && !info.isSymLink()) return {ReadResult::Status::Missing, {}};
    if (!info.isFile()) return {ReadResult::Status::Unreadable, {}};
    if (static_cast<std::size_t>(info.size()) > limit) return {ReadResult::Status::TooLarge, {}};
    QFile file(qt(path));
    if (!file.open(QIODevice::ReadOnly)) return {ReadResult::Status::Unreadable, {}};
    // Read straight into the text that becomes the tape: one copy in memory.
    std::string bytes(static_cast<std::size_t>(info.size()), '\0');
    const qint64 got = file.read(bytes.data(), static_cast<qint64>(bytes.size()));
    if (got < 0) return {ReadResult::Status::Unreadable, {}};
    bytes.resize(static_cast<std::size_t>(got));
    return {ReadResult::Status::Read, std::move(bytes)};
}

FileWriter::Result QtDataFiles::writeFile(const std::string& path, std::string_view bytes) {
    const QString folder = QFileInfo(qt(path)).absolutePath();
    if (!QDir().mkpath(folder))
        return {false, "The folder " + folder.toStdString() + " could not be made."};
    return writer_.writeFile(path, bytes);
}

bool QtDataFiles::renameFile(const std::string& from, const std::string& to) {
    // QFile::rename never replaces an existing file; a folder is renamed by QDir.
    if (QFileInfo(qt(from)).isDir()) return !exists(to) && QDir().rename(qt(from), qt(to));
    return QFile::rename(qt(from), qt(to));
}

bool QtDataFiles::removeFile(const std::string& path) {
    return QFile::remove(qt(path)) || !exists(path);
}

bool QtDataFiles::exists(const std::string& path) {
    const QFileInfo info(qt(path));
    return info.exists() || info.isSymLink();
}

}  // namespace plumbrule
