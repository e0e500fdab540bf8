// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "platform/SaveDialog.h"

namespace plumbrule::testing {

// Answers every save dialog at once with `answer` ("" = Cancel) and records
// what was asked.
class FakeSaveDialog : public SaveDialog {
  public:
    std::string askFileName(const Request& request) override {
        asked.push_back(request);
        return answer;
    }

    std::string answer;
    std::vector<Request> asked;
};

}  // namespace plumbrule::testing
