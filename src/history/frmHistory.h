// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMainWindow>
#include <optional>
#include <string>

#include "history/HistoryExport.h"
#include "history/HistoryTape.h"
#include "platform/QtMessageDialog.h"

class QAction;
class QMenu;
class QPlainTextEdit;

namespace plumbrule {

class FileWriter;
class KeptTape;
class MessageDialog;
class PrintDialog;
class SaveDialog;
class SettingsStore;

// The history window "History - Plumbrule": shows the tape in Text1, green on
// black, and offers File > Export to File..., Export for Spreadsheet...,
// Print..., Keep Tape Between Runs, Close, and Clear.
//
// The window only shows the tape, which the main window's logic owns for the
// whole run: unloading the window (Close, its close box, the History button,
// shut-down) hides it and saves its position, and the tape stays. Text1
// follows the tape change by change, never by rewriting the whole text.
class frmHistory : public QMainWindow, private HistoryTapeListener {
    Q_OBJECT
  public:
    struct Services {
        SettingsStore& settings;  // "HistTop", "HistLeft"
        SaveDialog& dialog;
        FileWriter& writer;
        MessageDialog& messages;
        PrintDialog* printDialog = nullptr;  // the desktop's print dialog when none
        KeptTape* kept = nullptr;            // without it, the tape cannot be kept
    };

    frmHistory(HistoryTape& tape, Services services, QWidget* parent = nullptr);
    ~frmHistory() override;

    // Loaded: the window has restored its position and receives the tape,
    // shown or not. Loading does not show it.
    bool isLoaded() const { return loaded_; }
    void load();    // Form_Load when not loaded
    void unload();  // Form_Unload and hide, when loaded

    QPlainTextEdit* textBox() const { return Text1_; }

    void mnuExport_Click();
    void mnuExportCsv_Click();
    void mnuPrint_Click();
    void mnuKeepTape_Click(bool checked);
    void mnuClose_Click();
    void mnuClear_Click();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void Form_Load();
    void Form_Unload();
    void Form_Resize();
    void buildMenus();
    void renderWholeTape();
    bool drawnWhenShown();  // true while Text1 ignores the tape's changes
    ExportServices exportServices();

    void tapeAppended(std::string_view text) override;
    void tapeTailReplaced(std::string_view removed, std::string_view text) override;
    void tapeCleared() override;
    void tapeCaretToEnd() override;

    HistoryTape& tape_;
    Services services_;
    MessageDialogOver messages_;  // boxes appear over this window
    QPlainTextEdit* Text1_ = nullptr;
    QAction* mnuKeepTape_ = nullptr;
    bool loaded_ = false;
    bool shownSinceLoad_ = false;
    std::optional<int> readTop_;   // "HistTop" as read at load, twips
    std::optional<int> readLeft_;  // "HistLeft"
    // The caret is at the end of Text1 and in view, and nothing has moved
    // since: moving it there again (every key does) can be skipped, so a key
    // costs the same whatever the length of the tape.
    bool caretAtEndInView_ = false;
    // A long tape (a kept one read back) is drawn when the window is first
    // shown, not when a key loads it hidden: drawing it costs a second or
    // more, which the first key must not wait for. So is every change made
    // while the window is hidden and a screen reader listens. Until then
    // Text1 ignores the tape's changes and draws it whole when shown.
    bool drawWhenShown_ = false;
};

}  // namespace plumbrule
