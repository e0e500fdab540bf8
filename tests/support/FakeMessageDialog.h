// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "platform/MessageDialog.h"

namespace plumbrule::testing {

// Records every message box instead of showing it.
class FakeMessageDialog : public MessageDialog {
  public:
    struct Shown {
        std::string text;
        MessageIcon icon;
        std::string title;
    };

    void show(const std::string& text, MessageIcon icon, const std::string& title) override {
        shown.push_back({text, icon, title});
    }

    // Questions are recorded with the messages; each is answered `answer`.
    bool askYesNo(const std::string& text, MessageIcon icon, const std::string& title) override {
        shown.push_back({text, icon, title});
        return answer;
    }

    std::string lastText() const { return shown.empty() ? std::string() : shown.back().text; }

    std::vector<Shown> shown;
    bool answer = false;
};

}  // namespace plumbrule::testing
