// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace plumbrule {

enum class MessageIcon { Critical, Exclamation, Information };

// Modal message boxes. An empty title means the application's own title,
// "Plumbrule". Tests use a fake that records.
class MessageDialog {
  public:
    virtual ~MessageDialog() = default;
    // A box with one OK button.
    virtual void show(const std::string& text, MessageIcon icon, const std::string& title = {}) = 0;
    // A question with Yes and No, No the default: true for Yes.
    virtual bool askYesNo(const std::string& text, MessageIcon icon,
                          const std::string& title = {}) = 0;
};

}  // namespace plumbrule
