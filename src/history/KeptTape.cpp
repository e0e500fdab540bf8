// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/KeptTape.h"

#include <utility>

#include "history/HistoryExport.h"
#include "history/HistoryTape.h"
#include "platform/DataFiles.h"
#include "platform/MessageDialog.h"
#include "platform/SettingsStore.h"

namespace plumbrule {

namespace {

constexpr char settingName[] = "KeepTape";

}  // namespace

// A file this program wrote needs no new line breaks: it is checked and
// trimmed where it lies, so a long tape is never held twice.
std::optional<std::string> KeptTapeText(std::string bytes) {
    bool onlyCrLf = true;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            ++i;
        } else if (c == '\r' || c == '\n') {
            onlyCrLf = false;
        } else if (c < ' ' || c > '~') {
            return std::nullopt;
        }
    }
    if (!onlyCrLf) {
        std::string text;
        text.reserve(bytes.size() + bytes.size() / 8);
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const char c = bytes[i];
            if (c != '\r' && c != '\n') {
                text += c;
                continue;
            }
            text += CRLF;
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        }
        bytes = std::move(text);
    }
    while (bytes.ends_with(CRLF)) bytes.resize(bytes.size() - CRLF.size());
    return bytes;
}

std::string KeptAsideName(const std::string& path, const std::string& date) {
    return path + ".damaged-" + date;
}

KeptTape::KeptTape(HistoryTape& tape, Services services)
    : tape_(tape), services_(std::move(services)) {}

void KeptTape::readSetting() {
    enabled_ = services_.settings.ReadValue(settingName).text == "1";
}

void KeptTape::setEnabled(bool on) {
    enabled_ = on;
    // Written at once: after a crash the next start must still read the kept tape.
    services_.settings.WriteValue(settingName, on ? "1" : "0");
    services_.settings.sync();
    failureReported_ = false;
    if (on) {
        dirty_ = true;
        save();
        return;
    }
    dirty_ = false;
    // A damaged file that could not be set aside is not this run's to delete.
    if (writable_ && !services_.files.removeFile(services_.path))
        report("The kept history tape " + services_.path + " could not be deleted.");
}

void KeptTape::restore() {
    if (restored_) return;
    restored_ = true;
    if (!enabled_) return;
    using Status = DataFiles::ReadResult::Status;
    DataFiles::ReadResult read = services_.files.readFile(services_.path, services_.sizeLimit);
    if (read.status == Status::Missing) return;
    std::optional<std::string> text =
        read.status == Status::Read ? KeptTapeText(std::move(read.bytes)) : std::nullopt;
    if (!text) {
        setAside();
        return;
    }
    restoring_ = true;
    tape_.replaceAll(std::move(*text));
    restoring_ = false;
}

// The damaged file keeps its bytes under a new name that names no other
// file; where even that fails, it stays where it is and this run keeps
// nothing, so it is never overwritten.
void KeptTape::setAside() {
    const std::string date = services_.dateText ? services_.dateText() : std::string("old");
    std::string aside = KeptAsideName(services_.path, date);
    for (int n = 2; services_.files.exists(aside) && n < 1000; ++n)
        aside = KeptAsideName(services_.path, date) + "-" + std::to_string(n);
    if (services_.files.renameFile(services_.path, aside)) {
        report("The kept history tape " + services_.path +
               " could not be read, so it was kept as " + aside + " and the tape starts empty.");
        return;
    }
    writable_ = false;
    report("The kept history tape " + services_.path +
           " could not be read and is left as it is, so the tape starts empty and is not kept "
           "in this run.");
}

void KeptTape::tapeChanged() {
    if (!enabled_ || restoring_) return;
    dirty_ = true;
    if (scheduled_) return;
    scheduled_ = true;
    if (services_.scheduleSave) services_.scheduleSave();
}

void KeptTape::save() {
    scheduled_ = false;
    if (!enabled_ || !dirty_ || !writable_) return;
    dirty_ = false;
    const FileWriter::Result result =
        services_.files.writeFile(services_.path, ExportBytes(tape_.text()));
    if (result.ok) {
        failureReported_ = false;
        return;
    }
    // Tried again with the next change; the user hears of it once.
    dirty_ = true;
    if (failureReported_) return;
    failureReported_ = true;
    std::string message = "The history tape could not be kept in " + services_.path + ".";
    if (!result.error.empty()) message += "\n" + result.error;
    report(message);
}

void KeptTape::report(const std::string& message) {
    services_.messages.show(message, MessageIcon::Exclamation);
}

}  // namespace plumbrule
