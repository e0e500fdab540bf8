// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/SaveDialog.h"

namespace plumbrule {

// The save-file dialog of the desktop (QFileDialog), modal to `parent`.
class QtSaveDialog : public SaveDialog {
  public:
    explicit QtSaveDialog(QWidget* parent = nullptr) : parent_(parent) {}
    void setParentWidget(QWidget* parent) { parent_ = parent; }
    std::string askFileName(const Request& request) override;

  private:
    QPointer<QWidget> parent_;
};

}  // namespace plumbrule
