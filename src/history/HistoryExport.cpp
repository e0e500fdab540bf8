// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/HistoryExport.h"

#include <algorithm>
#include <cctype>

#include "history/HistoryTape.h"
#include "platform/FileWriter.h"
#include "platform/MessageDialog.h"
#include "platform/SaveDialog.h"

namespace plumbrule {

namespace {

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

}  // namespace

std::string ExportFileName(std::string_view chosen) {
    const std::size_t slash = chosen.find_last_of("/\\");
    const std::string_view fileName =
        slash == std::string_view::npos ? chosen : chosen.substr(slash + 1);
    std::string name(chosen);
    if (lowerCase(fileName).find(".txt") == std::string::npos) name += ".txt";
    return name;
}

std::string ExportBytes(std::string_view tape) {
    std::string bytes(tape);
    bytes += CRLF;
    return bytes;
}

std::string ExportFolder(const ExportFolders& folders) {
    if (folders.programWritable) return folders.program;
    return folders.documents.empty() ? folders.home : folders.documents;
}

ExportOutcome ExportHistory(std::string_view tape, const ExportServices& services) {
    constexpr const char* title = "Export History List to a File...";
    const std::string chosen =
        services.dialog.askFileName({title, services.folder, "History.txt", "*.txt"});
    if (chosen.empty()) return ExportOutcome::Cancelled;

    const std::string path = ExportFileName(chosen);
    if (path != chosen && services.fileExists && services.fileExists(path)) {
        const std::size_t slash = path.find_last_of("/\\");
        const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
        if (!services.messages.askYesNo(name + " already exists.\nDo you want to replace it?",
                                        MessageIcon::Exclamation, title))
            return ExportOutcome::Cancelled;
    }
    const FileWriter::Result result = services.writer.writeFile(path, ExportBytes(tape));
    if (result.ok) return ExportOutcome::Written;

    std::string message = "The history could not be exported to " + path + ".";
    if (!result.error.empty()) message += "\n" + result.error;
    services.messages.show(message, MessageIcon::Exclamation);
    return ExportOutcome::Failed;
}

}  // namespace plumbrule
