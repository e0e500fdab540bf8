// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace plumbrule {

// Writes whole files. The Qt implementation writes atomically: the new bytes
// go to a temporary file that replaces the old one only once complete, so a
// failed write never leaves a truncated or half-replaced file behind.
class FileWriter {
  public:
    struct Result {
        bool ok = false;
        std::string error;  // why it failed, for the user; empty when ok
    };

    virtual ~FileWriter() = default;
    // Creates or replaces the file at `path` with exactly `bytes`.
    virtual Result writeFile(const std::string& path, std::string_view bytes) = 0;
};

}  // namespace plumbrule
