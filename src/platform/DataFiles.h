// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/FileWriter.h"

namespace plumbrule {

// The program's own files in the user's data folder (the kept history tape).
// The Qt implementation writes whole files atomically, as FileWriter does,
// and makes the folder first when it is missing.
class DataFiles {
  public:
    struct ReadResult {
        enum class Status { Missing, Read, TooLarge, Unreadable };
        Status status = Status::Missing;
        std::string bytes;  // when Read
    };

    virtual ~DataFiles() = default;
    // The whole file, unless it is larger than `limit` bytes.
    virtual ReadResult readFile(const std::string& path, std::size_t limit) = 0;
    virtual FileWriter::Result writeFile(const std::string& path, std::string_view bytes) = 0;
    // Renames without ever replacing an existing file; false when that failed.
    virtual bool renameFile(const std::string& from, const std::string& to) = 0;
    // Deletes the file; true when there is none afterwards.
    virtual bool removeFile(const std::string& path) = 0;
    virtual bool exists(const std::string& path) = 0;
};

}  // namespace plumbrule
