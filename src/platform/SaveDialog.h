// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace plumbrule {

// A modal save-file dialog. Tests use a fake that answers at once, so no test
// ever waits on a real dialog.
class SaveDialog {
  public:
    struct Request {
        std::string title;     // "Export History List to a File..."
        std::string folder;    // the folder the dialog opens in
        std::string fileName;  // the proposed name, "History.txt"
        std::string filter;    // "*.txt"
    };

    virtual ~SaveDialog() = default;
    // The full path the user chose, or "" when the dialog was cancelled.
    virtual std::string askFileName(const Request& request) = 0;
};

}  // namespace plumbrule
