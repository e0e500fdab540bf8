// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QPrinter;
class QWidget;

namespace plumbrule {

// Where to print: the desktop's print dialog, which offers printing to a PDF
// file on a machine without any printer. Tests answer at once instead, so no
// test ever waits on a real dialog.
class PrintDialog {
  public:
    virtual ~PrintDialog() = default;
    // Sets up `printer` as the user chose; false when the dialog was cancelled.
    virtual bool askPrinter(QPrinter& printer, QWidget* parent) = 0;
};

// The desktop's print dialog (QPrintDialog), modal to `parent`.
class QtPrintDialog : public PrintDialog {
  public:
    bool askPrinter(QPrinter& printer, QWidget* parent) override;
};

}  // namespace plumbrule
