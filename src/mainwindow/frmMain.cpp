// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow/frmMain.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <variant>

#include "about/frmAbout.h"
#include "history/frmHistory.h"
#include "mainwindow/DisplayExtras.h"
#include "mainwindow/DisplayLabel.h"
#include "mainwindow/MainLayout.h"
#include "memory/MemoryList.h"
#include "memory/MemoryPictures.h"
#include "platform/AccessibleIds.h"
#include "platform/IndicatorImages.h"
#include "platform/KeyPreview.h"
#include "platform/MessageDialog.h"
#include "platform/ProgramIcon.h"
#include "platform/QtPopupMenu.h"
#include "platform/Screens.h"
#include "platform/SettingsStore.h"
#include "platform/Twips.h"
#include "tools/frmStair.h"

namespace plumbrule {

namespace {

template <typename... Cases>
struct Overloaded : Cases... {
    using Cases::operator()...;
};

// The output lists change only by a choice in the opened list. A wheel turned
// while the pointer merely passes over a closed list would change the output
// form, and evaluate a pending operation, without the user choosing anything.
class IgnoreWheel : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Wheel) return true;
        return QObject::eventFilter(watched, event);
    }
};

// Spoken name of each indicator picture.
QString indicatorName(int picture) {
    switch (picture) {
        case imgAdd:
            return QStringLiteral("Add");
        case imgSubtract:
            return QStringLiteral("Subtract");
        case imgMultiply:
            return QStringLiteral("Multiply");
        case imgDivide:
            return QStringLiteral("Divide");
        default:
            return QStringLiteral("No operation");
    }
}

}  // namespace

frmMain::frmMain(MessageDialog& messages, SettingsStore& settings, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      messages_(messages),
      settings_(settings),
      calculator_(messages) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Plumbrule"));
    setFocusPolicy(Qt::ClickFocus);
    // The window's default face: a narrow 8-point sans-serif, so that the
    // captions fit the designed control sizes.
    QFont defaultFont(QStringLiteral("Arial"));
    defaultFont.setStyleHint(QFont::SansSerif);
    defaultFont.setPointSizeF(8);
    setFont(defaultFont);
    // As designed the panel is shown; start-up sets the saved state.
    setFixedSize(Pixels(main_layout::clientWidthTwips), shownClientHeight());
    createControls();
    connectHandlers();
    setWindowIcon(programIcon());
    displayExtras_ = new DisplayExtras(*this, *lblDisplay);
    if (AccessibleIdsRequested()) ApplyAccessibleIds(*this);
    // Key preview: the keyboard map sees every key first, and the focused
    // control still gets it afterwards.
    new KeyPreview(this, [this](const KeyPress& key) { Form_KeyDown(key.KeyCode, key.Shift); });

    // The kept tape is saved at most once a second, never on every key, so
    // typing costs the same with a long tape kept.
    keepTimer_ = new QTimer(this);
    keepTimer_->setSingleShot(true);
    keepTimer_->setInterval(1000);
    connect(keepTimer_, &QTimer::timeout, this, [this] { kept_->save(); });
    const auto dateText = [] {
        return QDateTime::currentDateTime()
            .toString(QStringLiteral("yyyy-MM-dd-HHmmss"))
            .toStdString();
    };
    kept_ = std::make_unique<KeptTape>(
        tape_, KeptTape::Services{dataFiles_, messages_, settings_, keptTapePath(), dateText,
                                  [this] { keepTimer_->start(); }});
    tape_.setChangeObserver([this] { kept_->tapeChanged(); });
}

frmMain::~frmMain() {
    tape_.setChangeObserver({});
}

std::string frmMain::keptTapePath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return (folder + QStringLiteral("/tape.txt")).toStdString();
}

int frmMain::shownClientHeight() {
    return Pixels(main_layout::outerHeightShownTwips - main_layout::captionAndBorderTwips);
}

int frmMain::foldedClientHeight() {
    return Pixels(main_layout::outerHeightFoldedTwips - main_layout::captionAndBorderTwips);
}

template <typename Widget>
Widget* frmMain::made(std::string_view name) const {
    auto* found = findChild<Widget*>(ToQString(name));
    Q_ASSERT(found);
    return found;
}

void frmMain::createControls() {
    BuildLayout(*this, main_layout::controls,
                [](const ControlPlace&, QWidget* parent) { return new DisplayLabel(parent); });

    Picture1 = made<QLabel>("Picture1");
    Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture1->setAlignment(Qt::AlignCenter);
    Picture1->setProperty("picture", imgBlank);
    Picture1->setPixmap(IndicatorImage(imgBlank, devicePixelRatioF()));
    Picture1->setAccessibleName(indicatorName(imgBlank));

    lblDisplay = made<DisplayLabel>("lblDisplay");
    QFont displayFont(QStringLiteral("Sans Serif"), 12, QFont::Bold);
    displayFont.setStyleHint(QFont::SansSerif);
    lblDisplay->setFont(displayFont);
    QPalette displayColours = lblDisplay->palette();
    displayColours.setColor(QPalette::Window, Qt::black);
    displayColours.setColor(QPalette::WindowText, QColor(0, 192, 0));
    lblDisplay->setPalette(displayColours);
    lblDisplay->setAutoFillBackground(true);

    cmdRecall = made<QPushButton>("cmdRecall");
    cmdOptions = made<QPushButton>("cmdOptions");

    made<QGroupBox>("Frame1")->setFocusPolicy(Qt::NoFocus);
    optOutput[0] = made<QRadioButton>("optOutput_0");
    optOutput[1] = made<QRadioButton>("optOutput_1");
    cmbFormat = made<QComboBox>("cmbFormat");
    cmbRound = made<QComboBox>("cmbRound");
    auto* ignoreWheel = new IgnoreWheel(this);
    cmbFormat->installEventFilter(ignoreWheel);
    cmbRound->installEventFilter(ignoreWheel);
}

void frmMain::connectHandlers() {
    QFont keypadFont(QStringLiteral("Arial"));
    keypadFont.setPointSizeF(8.25);
    keypadFont.setBold(true);
    using main_layout::wiring;
    for (const ControlPlace& row : main_layout::controls) {
        const auto member = ArrayMember(row.name);
        const auto* wire = std::find_if(
            wiring.begin(), wiring.end(),
            [&](const main_layout::Wire& candidate) { return candidate.control == member.first; });
        if (wire == wiring.end()) continue;
        const int index = member.second;
        QWidget& control = *made<QWidget>(row.name);
        // No control takes the keyboard focus: Enter must reach the keyboard
        // map only, never click a button as well.
        control.setFocusPolicy(Qt::NoFocus);
        // The keys the calculator answers itself are the keypad, in its bold face.
        const Overloaded runner{
            [&](void (Calculator::*key)()) -> std::function<void()> {
                control.setFont(keypadFont);
                return [this, key] {
                    (calculator_.*key)();
                    finishClick();
                };
            },
            [&](void (Calculator::*key)(int)) -> std::function<void()> {
                control.setFont(keypadFont);
                return [this, key, index] {
                    (calculator_.*key)(index);
                    finishClick();
                };
            },
            [&](void (frmMain::*handler)()) -> std::function<void()> {
                return [this, handler] { (this->*handler)(); };
            },
            [&](void (frmMain::*handler)(int)) -> std::function<void()> {
                return [this, handler, index] { (this->*handler)(index); };
            },
        };
        ConnectControl(control, *this, std::visit(runner, wire->handler));
    }
}

// --- Rendering and focus ---------------------------------------------------

void frmMain::render() {
    const CalculatorState& state = calculator_.state();
    const QString display = QString::fromStdString(state.display);
    if (lblDisplay->text() != display) {
        lblDisplay->setText(display);
        displayExtras_->displayChanged();
    }
    if (Picture1->property("picture").toInt() != state.indicator) {
        Picture1->setProperty("picture", state.indicator);
        Picture1->setPixmap(IndicatorImage(state.indicator, devicePixelRatioF()));
        Picture1->setAccessibleName(indicatorName(state.indicator));
    }
}

void frmMain::returnFocus() {
    activateWindow();
    setFocus(Qt::OtherFocusReason);
}

void frmMain::finishClick() {
    render();
    returnFocus();
}

// --- Buttons of the other windows ---------------------------------------------

void frmMain::cmdHistory_Click() {
    // Hiding unloads the window (its position is saved); the tape stays.
    if (history_ && history_->isVisible()) {
        history_->unload();
    } else {
        loadHistoryWindow().show();
    }
    returnFocus();
}

void frmMain::cmdStore_Click() {
    if (memory_) memory_->cmdStore_Click(calculator_.state().display);
    returnFocus();
}

void frmMain::cmdRecall_Click() {
    // Opens the memory list at the right edge of the Recall button.
    if (memory_) {
        const QRect button = cmdRecall->geometry();
        memory_->cmdRecall_Click(
            static_cast<float>(Twips(button.x())), static_cast<float>(Twips(button.y())),
            static_cast<float>(Twips(button.width())), static_cast<float>(Twips(button.height())));
    }
    returnFocus();
}

void frmMain::cp_Click(std::int32_t ItemNumber) {
    // A recalled text begins a new entry, so the next operator evaluates it.
    if (memory_) {
        if (const auto text = memory_->cp_Click(ItemNumber)) calculator_.recall(*text);
    }
    finishClick();
}

void frmMain::cmdStair_Click() {
    // One tools window, beside this one; a second click brings it forward.
    // It writes lengths in this window's current output form, and opens on
    // the tab last used in this run.
    if (!stair_) {
        const auto options = [this] { return calculator_.state().options; };
        stair_ = new frmStair(messages_, options, this, &tape_);
        stair_->setAttribute(Qt::WA_DeleteOnClose);
        stair_->showTool(lastTool_);
        connect(stair_, &frmStair::toolChosen, this, [this](int tool) { lastTool_ = tool; });
    }
    stair_->show();
    stair_->raise();
    stair_->activateWindow();
}

frmStair* frmMain::stairWindow() const {
    return stair_.data();
}

void frmMain::cmdAbout_Click() {
    // Modal: this window takes no input until the About window is closed.
    frmAbout about(this);
    about.exec();
}

// --- Keyboard and history tape ----------------------------------------------------

void frmMain::Form_KeyDown(int KeyCode, int Shift) {
    keyboard_.Form_KeyDown(KeyCode, Shift);
    finishClick();
}

HistoryTape& frmMain::tape() {
    loadHistoryWindow();
    return tape_;
}

frmHistory& frmMain::loadHistoryWindow() {
    restoreKeptTape();
    if (!history_) {
        history_ = std::make_unique<frmHistory>(
            tape_, frmHistory::Services{settings_, *saveDialog_, *fileWriter_, messages_,
                                        printDialog_, kept_.get()});
        desktopSaveDialog_.setParentWidget(history_.get());
    }
    history_->load();
    return *history_;
}

void frmMain::restoreKeptTape() {
    if (!restorePending_) return;
    restorePending_ = false;
    kept_->restore();
}

void frmMain::setExportServices(SaveDialog& dialog, FileWriter& writer) {
    saveDialog_ = &dialog;
    fileWriter_ = &writer;
}

// --- Options panel --------------------------------------------------------------

void frmMain::cmdOptions_Click() {
    setShowOptions(!blnShowOptions_);
    returnFocus();
}

void frmMain::setShowOptions(bool show) {
    setFixedSize(width(), show ? shownClientHeight() : foldedClientHeight());
    cmdOptions->setText(show ? QStringLiteral("Hide Options") : QStringLiteral("Show Options"));
    blnShowOptions_ = show;
}

void frmMain::optOutput_Click(int index) {
    if (plumbrule::optOutput_Click(panel_, index)) {
        fillOptionLists();
        applyOptions();
        reEvaluate();
    }
    returnFocus();
}

void frmMain::fillOptionLists() {
    // No re-evaluation while the lists refill: only the complete new choice
    // is rendered, once, by the caller.
    const QSignalBlocker blockFormat(cmbFormat);
    const QSignalBlocker blockRound(cmbRound);
    const QSignalBlocker blockFractional(optOutput[0]);
    const QSignalBlocker blockDecimal(optOutput[1]);

    const auto refill = [](QComboBox* list, const std::vector<std::string>& entries, int position) {
        list->clear();
        for (const std::string& entry : entries) list->addItem(QString::fromStdString(entry));
        list->setCurrentIndex(position);
    };
    refill(cmbRound, panel_.roundList, panel_.roundPos);
    refill(cmbFormat, panel_.formatList, panel_.formatPos);
    if (panel_.output == okFractional || panel_.output == okDecimal) {
        optOutput[panel_.output]->setChecked(true);
    }
}

void frmMain::applyOptions() {
    CalculatorState& state = calculator_.state();
    state.options = ToDisplayOptions(panel_, state.options);
}

void frmMain::reEvaluate() {
    if (calculator_.state().display == "0") return;
    calculator_.cmdEquals_Click();
    finishClick();
}

void frmMain::cmbFormat_Click() {
    panel_.formatPos = cmbFormat->currentIndex();
    applyOptions();
    reEvaluate();
    returnFocus();
}

void frmMain::cmbRound_Click() {
    panel_.roundPos = cmbRound->currentIndex();
    applyOptions();
    reEvaluate();
    returnFocus();
}

void frmMain::chooseOutput(int index) {
    // Like a click on the option button: a change of kind runs optOutput_Click.
    optOutput[index]->setChecked(true);
}

// --- Start-up and shut-down -------------------------------------------------------

void frmMain::Form_Load() {
    const MainWindowSettings::Values saved = savedSettings_.load();
    // The window has its folded or unfolded height before it is first shown:
    // resized once the window manager has placed it, it crept up each run.
    setShowOptions(saved.showOptions);
    // The saved place is the window's outer corner. Placed before the window
    // is first shown, it is where the window manager puts the frame; placed
    // after, before the frame is known, it would be taken for the corner of
    // the client area, and the window would creep by its title bar each run.
    restorePosition(saved.top, saved.left);
    show();
    // Built, not assigned from a literal: GCC 12 warns falsely (-Wrestrict) on the literal here.
    calculator_.state().display = std::string(1, '0');
    render();
    calculator_.state().blnNewExpresion = true;

    chooseOutput(saved.output);
    if (saved.format) cmbFormat->setCurrentIndex(*saved.format);
    if (saved.round) cmbRound->setCurrentIndex(*saved.round);
    lngListCount_ = saved.listCount;
    setUpMemory();
    // A long kept tape is read once the window is up, not before it shows.
    kept_->readSetting();
    if (kept_->enabled()) {
        restorePending_ = true;
        QTimer::singleShot(0, this, &frmMain::restoreKeptTape);
    }
}

void frmMain::setUpMemory() {
    cp_ = std::make_unique<QtPopupMenu>(*this, MemoryPictures());
    cp_->setClickHandler([this](std::int32_t position) { cp_Click(position); });
    memory_ = std::make_unique<MemoryList>(*cp_, lngListCount_);
}

void frmMain::restorePosition(std::optional<float> top, std::optional<float> left) {
    if (!top && !left) return;
    QPoint target = pos();
    if (left) target.setX(Pixels(*left));
    if (top) target.setY(Pixels(*top));
    if (OnSomeScreen(QRect(target, frameGeometry().size()))) move(target);
}

void frmMain::Form_Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    // The history window closes (it saves its own position); the tape goes
    // with the program unless it is kept. Then the stair calculator window closes.
    if (history_) history_->unload();
    if (stair_) stair_->close();
    // The last changes of the tape, when it is kept.
    keepTimer_->stop();
    kept_->save();

    MainWindowSettings::Values shown;
    // Where the desktop cannot say where the window is, the saved place stays
    // as it was read.
    if (ReportsWindowPlace()) {
        shown.top = static_cast<float>(Twips(pos().y()));
        shown.left = static_cast<float>(Twips(pos().x()));
    }
    shown.showOptions = blnShowOptions_;
    shown.output = optOutput[1]->isChecked() ? okDecimal : okFractional;
    shown.format = cmbFormat->currentIndex();
    shown.round = cmbRound->currentIndex();
    savedSettings_.save(shown);
}

void frmMain::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

}  // namespace plumbrule
