// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/DataFiles.h"
#include "platform/QtFileWriter.h"

namespace plumbrule {

// Files through QFile; writes through QSaveFile (QtFileWriter), after making
// the folder they go in.
class QtDataFiles : public DataFiles {
  public:
    ReadResult readFile(const std::string& path, std::size_t limit) override;
    FileWriter::Result writeFile(const std::string& path, std::string_view bytes) override;
    bool renameFile(const std::string& from, const std::string& to) override;
    bool removeFile(const std::string& path) override;
    bool exists(const std::string& path) override;

  private:
    QtFileWriter writer_;
};

}  // namespace plumbrule
