// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/MessageDialog.h"

namespace plumbrule {

// Shows a modal QMessageBox with one OK button, over the parent window when
// one is set. An empty title gives the application's title, "Plumbrule".
class QtMessageDialog : public MessageDialog {
  public:
    explicit QtMessageDialog(QWidget* parent = nullptr) : parent_(parent) {}

    void setParentWidget(QWidget* parent) { parent_ = parent; }
    void show(const std::string& text, MessageIcon icon, const std::string& title = {}) override;
    bool askYesNo(const std::string& text, MessageIcon icon,
                  const std::string& title = {}) override;

  private:
    QPointer<QWidget> parent_;
};

// The boxes of another window of the program: a box a window raises appears
// over that window, not over the main one. A dialog that is not a Qt one (a
// test's fake) is used as it is.
class MessageDialogOver : public MessageDialog {
  public:
    MessageDialogOver(MessageDialog& dialog, QWidget* window) : dialog_(dialog), window_(window) {}

    void show(const std::string& text, MessageIcon icon, const std::string& title = {}) override;
    bool askYesNo(const std::string& text, MessageIcon icon,
                  const std::string& title = {}) override;

  private:
    MessageDialog& target();

    MessageDialog& dialog_;
    QtMessageDialog over_;
    QPointer<QWidget> window_;
};

}  // namespace plumbrule
