// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace plumbrule {

class FileWriter;
class MessageDialog;
class SaveDialog;

// Everything "Export to File..." of the history window needs.
struct ExportServices {
    SaveDialog& dialog;
    FileWriter& writer;
    MessageDialog& messages;
    std::string folder;  // where the dialog opens (ExportFolder)
    std::function<bool(const std::string& path)> fileExists;
};

// Where the export dialog opens: the program's own folder, as always; but an
// installed program sits in a folder only the administrator can write to
// (/usr/bin), and proposing a name there could only fail. Then the user's
// documents folder (empty when there is none), else the home folder.
struct ExportFolders {
    std::string program;
    bool programWritable = false;
    std::string documents;
    std::string home;
};
std::string ExportFolder(const ExportFolders& folders);

enum class ExportOutcome { Cancelled, Written, Failed };

// The name the export writes to: ".txt" is added when the file name does not
// contain ".txt" anywhere, in any letter case. Only the last path component
// counts, so a folder such as "plans.txt.d" does not hide a missing extension.
//   "/home/a/History"      -> "/home/a/History.txt"
//   "/home/a/notes.txt.bak" -> unchanged     "/home/a/PLAN.TXT" -> unchanged
std::string ExportFileName(std::string_view chosen);

// The bytes of an exported tape: the tape, then one CR LF.
//   "5\r\n+ 3" -> "5\r\n+ 3\r\n"        "" -> "\r\n"
std::string ExportBytes(std::string_view tape);

// The name the spreadsheet export writes to: ".csv" is added when the file
// name has no extension at all (a leading dot does not make one).
//   "/home/a/History" -> "/home/a/History.csv"   "/home/a/day.CSV" -> unchanged
//   "/home/a/plans.v2/History" -> "/home/a/plans.v2/History.csv"
std::string CsvFileName(std::string_view chosen);

// mnuExport_Click: asks for a name, then writes the tape atomically.
// Cancel writes nothing and says nothing; a failed write is reported in a
// message box and leaves any existing file as it was. When ".txt" was added
// to the chosen name and a file of that name exists, the dialog never asked
// about it: the export asks before replacing it, and No writes nothing.
ExportOutcome ExportHistory(std::string_view tape, const ExportServices& services);

// mnuExportCsv_Click: the same steps, for the spreadsheet file (CsvBytes,
// proposed name "History.csv"), with the same questions and failure messages.
ExportOutcome ExportHistoryCsv(std::string_view tape, const ExportServices& services);

}  // namespace plumbrule
