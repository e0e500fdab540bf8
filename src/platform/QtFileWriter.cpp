// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/QtFileWriter.h"

#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace plumbrule {

namespace {

// Why the last step on `file` failed, in the system's words ("No space left
// on device", "File too large", "Permission denied"). Qt says only "Unknown
// error" when a write stops part way; the reason is then the errno of the
// write that failed.
std::string reasonOf(const QSaveFile& file, int savedErrno) {
    const QString qtReason = file.errorString();
    const bool qtKnows = file.error() != QFileDevice::NoError && !qtReason.isEmpty() &&
                         qtReason != QLatin1String("Unknown error");
    if (qtKnows) return qtReason.toStdString();
    if (savedErrno != 0) return std::strerror(savedErrno);
    return "The file could not be written completely.";
}

}  // namespace

// The file is opened unbuffered: with Qt's write buffer, bytes that the disk
// refuses only show up in the flush inside commit(), which does not notice
// the failure and would put a cut-off file in place of the old one. Written
// directly, every refused byte is seen here, before anything is replaced.
FileWriter::Result QtFileWriter::writeFile(const std::string& path, std::string_view bytes) {
    QSaveFile file(QString::fromStdString(path));
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return {false, reasonOf(file, errno)};
    }
    // A write the disk cuts short is tried again for the rest, so the second
    // attempt meets the fault itself and reports why.
    const char* next = bytes.data();
    auto left = static_cast<qint64>(bytes.size());
    while (left > 0) {
        errno = 0;
        const qint64 written = file.write(next, left);
        if (written <= 0) {
            const std::string reason = reasonOf(file, errno);
            file.cancelWriting();
            return {false, reason};
        }
        next += written;
        left -= written;
    }
    errno = 0;
    if (!file.commit()) return {false, reasonOf(file, errno)};
    return {true, {}};
}

}  // namespace plumbrule
