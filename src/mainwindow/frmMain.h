// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "entry/Calculator.h"
#include "entry/KeyboardMap.h"
#include "entry/MainWindowSettings.h"
#include "entry/OutputOptions.h"
#include "history/HistoryTape.h"
#include "history/KeptTape.h"
#include "platform/QtDataFiles.h"
#include "platform/QtFileWriter.h"
#include "platform/QtSaveDialog.h"

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

namespace plumbrule {

class DisplayExtras;
class DisplayLabel;
class FileWriter;
class frmHistory;
class frmStair;
class MemoryList;
class MessageDialog;
class PrintDialog;
class QtPopupMenu;
class SaveDialog;
class SettingsStore;

// The calculator window: display, keypad, side buttons and the fold-away
// output options panel. A thin window: every click is forwarded to the
// handler of the same name in Calculator or OutputOptions, then the state is
// rendered and the keyboard focus comes back here. Which control runs which
// handler is the wiring table beside the layout table, read by one loop; the keypad's
// keys run the Calculator handlers (cmdAdd_Click, cmdNum_Click(index) ...).
//
// Controls carry their documented names as objectName ("lblDisplay",
// "Picture1", "cmdNum_0".."cmdNum_9", "cmdAdd", "optOutput_0", "cmbFormat",
// "Frame1" ...); their places, captions and tooltips are the table of
// mainwindow/MainLayout.h.
//
// Every key pressed anywhere in the window reaches Form_KeyDown first (an
// application event filter), which keeps the history tape; the tape lives as
// long as the window, and the history window only shows it.
class frmMain : public QWidget, private HistoryAccess {
    Q_OBJECT

  public:
    // The window uses `messages` for error boxes and `settings` for its saved
    // values; both must outlive it.
    frmMain(MessageDialog& messages, SettingsStore& settings, QWidget* parent = nullptr);
    ~frmMain() override;

    // Start-up: shows the window, sets the display to "0" and restores the
    // saved position, panel state and output choices. Skip mode: a saved
    // value that is absent or does not convert leaves the default.
    void Form_Load();

    // Shut-down: closes the history and stair windows, then writes "Top",
    // "Left", "ShowOptions", "Output", "Format", "Round". Runs when the window
    // is closed.
    void Form_Unload();

    Calculator& calculator() { return calculator_; }
    const Calculator& calculator() const { return calculator_; }
    const OptionsPanelState& optionsPanel() const { return panel_; }
    MessageDialog& messages() { return messages_; }
    SettingsStore& settings() { return settings_; }

    bool blnShowOptions() const { return blnShowOptions_; }
    // Memory capacity read from "ListCount" at start-up (10 when absent or unusable).
    std::int32_t lngListCount() const { return lngListCount_; }
    // The memory menu `cp` (after start-up) and the stair window (while open).
    QtPopupMenu* memoryMenu() const { return cp_.get(); }
    frmStair* stairWindow() const;

    // Shows the calculator state: the display text and the indicator picture.
    void render();
    // Activates the window and gives it the keyboard focus, so typed keys keep
    // reaching the keyboard map after a click.
    void returnFocus();

    // The keyboard map: one key press as a virtual-key code and the mask
    // Shift 1, Ctrl 2, Alt 4; then the state is shown and the focus returns.
    void Form_KeyDown(int KeyCode, int Shift);

    // The history tape of this run, and its window (nullptr until the first
    // key press or the History button loads it).
    const HistoryTape& historyTape() const { return tape_; }
    frmHistory* historyWindow() const { return history_.get(); }
    // Where "Export to File..." asks for a name and writes; by default the
    // desktop's save dialog and an atomic file writer. Set before the
    // history window is first loaded.
    void setExportServices(SaveDialog& dialog, FileWriter& writer);
    // Where "Print..." asks for a printer (the desktop's print dialog by
    // default). Set before the history window is first loaded.
    void setPrintDialog(PrintDialog& dialog) { printDialog_ = &dialog; }

    // The tape kept between runs: the setting "KeepTape", read at start-up,
    // and the file tape.txt in the user's data folder
    // (~/.local/share/Plumbrite/Plumbrule/tape.txt on Linux).
    KeptTape& keptTape() { return *kept_; }
    static std::string keptTapePath();

    // Client heights in pixels with the options panel shown and folded.
    static int shownClientHeight();
    static int foldedClientHeight();

  public Q_SLOTS:
    // Buttons that open the other windows.
    void cmdHistory_Click();
    void cmdStore_Click();
    void cmdRecall_Click();
    void cmdStair_Click();
    void cmdAbout_Click();
    // The memory menu's choice, by 1-based position.
    void cp_Click(std::int32_t ItemNumber);

    // Options panel.
    void cmdOptions_Click();
    void optOutput_Click(int index);
    void cmbFormat_Click();
    void cmbRound_Click();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void createControls();
    // The control `name` that createControls made from the layout table.
    template <typename Widget>
    Widget* made(std::string_view name) const;
    // Connects every control of the layout table to its handler in the wiring table.
    void connectHandlers();
    // After a button's handler ran on the calculator: show the state, take the focus.
    void finishClick();

    // Moves the window to the saved corner (twips) when the window would be on a screen there.
    void restorePosition(std::optional<float> top, std::optional<float> left);
    // The memory menu: "Clear", the separator, saved as "Recall".
    void setUpMemory();
    void setShowOptions(bool show);
    void chooseOutput(int index);
    // Copies the panel state into the two lists without running their handlers.
    void fillOptionLists();
    void applyOptions();
    // Re-shows the display in the current output form: equals, unless the
    // display is exactly "0".
    void reEvaluate();

    // HistoryAccess: touching the tape loads the history window, hidden.
    HistoryTape& tape() override;
    frmHistory& loadHistoryWindow();
    // Reads the kept tape in, once, when keeping is on: after start-up has
    // shown the window, or before the tape is first touched if sooner.
    void restoreKeptTape();

    MessageDialog& messages_;
    SettingsStore& settings_;
    MainWindowSettings savedSettings_{settings_};
    Calculator calculator_;
    HistoryTape tape_;
    KeyboardMap keyboard_{calculator_, *this};
    QtSaveDialog desktopSaveDialog_;
    QtFileWriter atomicFileWriter_;
    SaveDialog* saveDialog_ = &desktopSaveDialog_;
    FileWriter* fileWriter_ = &atomicFileWriter_;
    PrintDialog* printDialog_ = nullptr;
    QtDataFiles dataFiles_;
    std::unique_ptr<KeptTape> kept_;
    QTimer* keepTimer_ = nullptr;  // the save about a second after a change
    bool restorePending_ = false;
    std::unique_ptr<frmHistory> history_;  // a window of its own, without an owner
    OptionsPanelState panel_;
    bool blnShowOptions_ = false;
    std::int32_t lngListCount_ = 0;
    bool unloaded_ = false;
    std::unique_ptr<QtPopupMenu> cp_;
    std::unique_ptr<MemoryList> memory_;  // works on cp_
    QPointer<frmStair> stair_;
    int lastTool_ = 0;  // the tools window's tab last used in this run: Stairs at first

    QLabel* Picture1 = nullptr;
    DisplayLabel* lblDisplay = nullptr;
    DisplayExtras* displayExtras_ = nullptr;  // clipboard, readouts, announcements
    QPushButton* cmdRecall = nullptr;
    QPushButton* cmdOptions = nullptr;
    std::array<QRadioButton*, 2> optOutput{};
    QComboBox* cmbFormat = nullptr;
    QComboBox* cmbRound = nullptr;
};

}  // namespace plumbrule
