// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace plumbrule {

class DataFiles;
class HistoryTape;
class MessageDialog;
class SettingsStore;

// The tape kept between runs ("Keep Tape Between Runs", the setting
// "KeepTape" 1 or 0). When on, the tape is saved in the export's own format
// (the tape, then one CR LF) about a second after a change and when the
// program ends, and the next start reads it back.
//
// Reading back: the file's text is the tape, without the line breaks at its
// end. The calculator itself starts afresh ("0", nothing pending), so the
// next calculation begins after a blank line with its own first operand, as a
// new number typed after a result does; a tape that ended with the clear
// mark continues the same way, not after extra blank lines.
//
// A kept file that cannot be read (not text, too large, unreadable) is never
// overwritten: it is renamed aside with the date, the tape starts empty and
// the user is told once. A save that fails (full disk, a folder that cannot be
// written) leaves the previous file whole and is reported once, until a save
// succeeds again. With keeping off, nothing is read or written.
class KeptTape {
  public:
    struct Services {
        DataFiles& files;
        MessageDialog& messages;
        SettingsStore& settings;
        std::string path;                       // the kept file
        std::function<std::string()> dateText;  // "2026-12-07-194512", for a file set aside
        std::function<void()> scheduleSave;     // save() about a second from now
        std::size_t sizeLimit = defaultSizeLimit;
    };
    static constexpr std::size_t defaultSizeLimit = std::size_t{16} << 20;

    KeptTape(HistoryTape& tape, Services services);

    // Reads "KeepTape" (on only for "1").
    void readSetting();
    bool enabled() const { return enabled_; }
    // The menu command: saves the tape now when turned on; deletes the kept
    // file when turned off. Either way the choice is written to the settings.
    void setEnabled(bool on);

    // Once per run, before the tape is first written: with keeping on, the
    // kept file becomes the tape.
    void restore();
    bool restored() const { return restored_; }

    // Every change of the tape; asks for a save about a second later.
    void tapeChanged();
    // The scheduled save, and the last one at shut-down: writes when there
    // is something new to write.
    void save();

    const std::string& path() const { return services_.path; }

  private:
    void setAside();
    void report(const std::string& message);

    HistoryTape& tape_;
    Services services_;
    bool enabled_ = false;
    bool restored_ = false;
    bool restoring_ = false;
    bool dirty_ = false;
    bool scheduled_ = false;
    bool writable_ = true;          // false while a damaged file could not be set aside
    bool failureReported_ = false;  // the last save failed and the user knows
};

// The tape a kept file holds, or none when it is not the text of a tape:
// printable ASCII and line breaks only. Line breaks are read as CR LF
// whatever their form; those at the end are dropped.
//   "5\r\n+ 3\r\n= 8\r\n" -> "5\r\n+ 3\r\n= 8"      "5\n+ 3\n" -> "5\r\n+ 3"
//   "clr\r\n\r\n\r\n" -> "clr"                      "PK\x03\x04..." -> none
std::optional<std::string> KeptTapeText(std::string bytes);

// Where a damaged kept file is set aside:
//   KeptAsideName("/d/tape.txt", "2026-12-07-194512") -> "/d/tape.txt.damaged-2026-12-07-194512"
std::string KeptAsideName(const std::string& path, const std::string& date);

}  // namespace plumbrule
