// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/HistoryExport.h"

#include <algorithm>
#include <cctype>

#include "history/HistoryCsv.h"
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

std::string_view lastComponent(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// One kind of export: what the dialog proposes, how the chosen name is
// completed, and the bytes.
struct ExportKind {
    const char* title;
    const char* proposedName;
    const char* filter;
    std::string (*fileName)(std::string_view chosen);
    std::string (*bytes)(std::string_view tape);
};

ExportOutcome exportAs(const ExportKind& kind, std::string_view tape,
                       const ExportServices& services) {
    const std::string chosen =
        services.dialog.askFileName({kind.title, services.folder, kind.proposedName, kind.filter});
    if (chosen.empty()) return ExportOutcome::Cancelled;

    const std::string path = kind.fileName(chosen);
    if (path != chosen && services.fileExists && services.fileExists(path)) {
        const std::string name(lastComponent(path));
        if (!services.messages.askYesNo(name + " already exists.\nDo you want to replace it?",
                                        MessageIcon::Exclamation, kind.title))
            return ExportOutcome::Cancelled;
    }
    const FileWriter::Result result = services.writer.writeFile(path, kind.bytes(tape));
    if (result.ok) return ExportOutcome::Written;

    std::string message = "The history could not be exported to " + path + ".";
    if (!result.error.empty()) message += "\n" + result.error;
    services.messages.show(message, MessageIcon::Exclamation);
    return ExportOutcome::Failed;
}

}  // namespace

std::string ExportFileName(std::string_view chosen) {
    std::string name(chosen);
    if (lowerCase(lastComponent(chosen)).find(".txt") == std::string::npos) name += ".txt";
    return name;
}

std::string CsvFileName(std::string_view chosen) {
    const std::string_view fileName = lastComponent(chosen);
    const std::size_t dot = fileName.rfind('.');
    std::string name(chosen);
    if (dot == std::string_view::npos || dot == 0) name += ".csv";
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
    return exportAs(
        {"Export History List to a File...", "History.txt", "*.txt", ExportFileName, ExportBytes},
        tape, services);
}

ExportOutcome ExportHistoryCsv(std::string_view tape, const ExportServices& services) {
    return exportAs(
        {"Export History for a Spreadsheet", "History.csv", "*.csv", CsvFileName, CsvBytes}, tape,
        services);
}

}  // namespace plumbrule
