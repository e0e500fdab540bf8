// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

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
    std::string folder;  // where the dialog opens: the program's own folder
};

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

// mnuExport_Click: asks for a name, then writes the tape atomically.
// Cancel writes nothing and says nothing; a failed write is reported in a
// message box and leaves any existing file as it was.
ExportOutcome ExportHistory(std::string_view tape, const ExportServices& services);

}  // namespace plumbrule
