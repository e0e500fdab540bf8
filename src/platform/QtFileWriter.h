// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/FileWriter.h"

namespace plumbrule {

// Writes through QSaveFile: the bytes go to a temporary file beside the
// target, which replaces the target only when everything was written.
class QtFileWriter : public FileWriter {
  public:
    Result writeFile(const std::string& path, std::string_view bytes) override;
};

}  // namespace plumbrule
