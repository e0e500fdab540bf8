// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <map>
#include <string>
#include <string_view>

#include "platform/FileWriter.h"

namespace plumbrule::testing {

// Keeps written files in memory; fails every write when `failWith` is set.
class FakeFileWriter : public FileWriter {
  public:
    Result writeFile(const std::string& path, std::string_view bytes) override {
        ++writes;
        if (!failWith.empty()) return {false, failWith};
        files[path] = std::string(bytes);
        return {true, {}};
    }

    std::string failWith;
    int writes = 0;
    std::map<std::string, std::string> files;
};

}  // namespace plumbrule::testing
