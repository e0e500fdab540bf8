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
#include <cmath>

#include "about/frmAbout.h"
#include "engine/RuntimeError.h"
#include "entry/SavedSettings.h"
#include "history/frmHistory.h"
#include "mainwindow/DisplayExtras.h"
#include "mainwindow/DisplayLabel.h"
#include "mainwindow/MainLayout.h"
#include "mainwindow/SettingsNames.h"
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
#include "stair/frmStair.h"

namespace plumbrule {

namespace {

// Runs one start-up step in skip mode: a step that fails with a numbered
// error is left out silently. Anything else (no memory, a fault of the
// program) is no bad saved value and goes on up.
template <typename Step>
void skipOnFailure(Step&& step) {
    try {
        step();
    } catch (const RuntimeError&) {
    }
}

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
Widget* frmMain::made(const char* name) const {
    auto* found = findChild<Widget*>(QLatin1String(name));
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

    for (int digit = 0; digit < 10; ++digit) {
        const QByteArray name = "cmdNum_" + QByteArray::number(digit);
        cmdNum[static_cast<std::size_t>(digit)] = made<QPushButton>(name.constData());
    }
    cmdDivide = made<QPushButton>("cmdDivide");
    cmdFeet = made<QPushButton>("cmdFeet");
    cmdBack = made<QPushButton>("cmdBack");
    cmdDelete = made<QPushButton>("cmdDelete");
    cmdAC = made<QPushButton>("cmdAC");
    cmdHistory = made<QPushButton>("cmdHistory");
    cmdMultiply = made<QPushButton>("cmdMultiply");
    cmdInches = made<QPushButton>("cmdInches");
    cmdStair = made<QPushButton>("cmdStair");
    cmdStore = made<QPushButton>("cmdStore");
    cmdSubtract = made<QPushButton>("cmdSubtract");
    cmdFraction = made<QPushButton>("cmdFraction");
    cmdRecall = made<QPushButton>("cmdRecall");
    cmdNeg = made<QPushButton>("cmdNeg");
    cmdDot = made<QPushButton>("cmdDot");
    cmdAdd = made<QPushButton>("cmdAdd");
    cmdEquals = made<QPushButton>("cmdEquals");
    cmdOptions = made<QPushButton>("cmdOptions");
    cmdAbout = made<QPushButton>("cmdAbout");
    // Buttons never take the keyboard focus: Enter must reach the keyboard
    // map only, never click a button as well.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
    }

    QFont keypadFont(QStringLiteral("Arial"));
    keypadFont.setPointSizeF(8.25);
    keypadFont.setBold(true);
    for (QPushButton* key : cmdNum) key->setFont(keypadFont);
    for (QPushButton* key : {cmdDot, cmdNeg, cmdDivide, cmdMultiply, cmdSubtract, cmdAdd, cmdEquals,
                             cmdFeet, cmdInches, cmdFraction, cmdBack, cmdDelete, cmdAC}) {
        key->setFont(keypadFont);
    }

    Frame1 = made<QGroupBox>("Frame1");
    Frame1->setFocusPolicy(Qt::NoFocus);
    optOutput[0] = made<QRadioButton>("optOutput_0");
    optOutput[1] = made<QRadioButton>("optOutput_1");
    Label1 = made<QLabel>("Label1");
    cmbFormat = made<QComboBox>("cmbFormat");
    cmbRound = made<QComboBox>("cmbRound");
    for (QWidget* control :
         {static_cast<QWidget*>(optOutput[0]), static_cast<QWidget*>(optOutput[1]),
          static_cast<QWidget*>(cmbFormat), static_cast<QWidget*>(cmbRound)}) {
        control->setFocusPolicy(Qt::NoFocus);
    }
    auto* ignoreWheel = new IgnoreWheel(this);
    cmbFormat->installEventFilter(ignoreWheel);
    cmbRound->installEventFilter(ignoreWheel);
}

void frmMain::connectHandlers() {
    for (int index = 0; index < 10; ++index) {
        connect(cmdNum[index], &QPushButton::clicked, this, [this, index] { cmdNum_Click(index); });
    }
    connect(cmdDot, &QPushButton::clicked, this, &frmMain::cmdDot_Click);
    connect(cmdFeet, &QPushButton::clicked, this, &frmMain::cmdFeet_Click);
    connect(cmdInches, &QPushButton::clicked, this, &frmMain::cmdInches_Click);
    connect(cmdFraction, &QPushButton::clicked, this, &frmMain::cmdFraction_Click);
    connect(cmdNeg, &QPushButton::clicked, this, &frmMain::cmdNeg_Click);
    connect(cmdBack, &QPushButton::clicked, this, &frmMain::cmdBack_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmMain::cmdDelete_Click);
    connect(cmdAC, &QPushButton::clicked, this, &frmMain::cmdAC_Click);
    connect(cmdAdd, &QPushButton::clicked, this, &frmMain::cmdAdd_Click);
    connect(cmdSubtract, &QPushButton::clicked, this, &frmMain::cmdSubtract_Click);
    connect(cmdMultiply, &QPushButton::clicked, this, &frmMain::cmdMultiply_Click);
    connect(cmdDivide, &QPushButton::clicked, this, &frmMain::cmdDivide_Click);
    connect(cmdEquals, &QPushButton::clicked, this, &frmMain::cmdEquals_Click);

    connect(cmdHistory, &QPushButton::clicked, this, &frmMain::cmdHistory_Click);
    connect(cmdStore, &QPushButton::clicked, this, &frmMain::cmdStore_Click);
    connect(cmdRecall, &QPushButton::clicked, this, &frmMain::cmdRecall_Click);
    connect(cmdStair, &QPushButton::clicked, this, &frmMain::cmdStair_Click);
    connect(cmdAbout, &QPushButton::clicked, this, &frmMain::cmdAbout_Click);

    connect(cmdOptions, &QPushButton::clicked, this, &frmMain::cmdOptions_Click);
    // Only a change of kind reaches the handler: choosing the kind already
    // chosen does nothing.
    for (int index = 0; index < 2; ++index) {
        connect(optOutput[index], &QRadioButton::toggled, this, [this, index](bool checked) {
            if (checked) optOutput_Click(index);
        });
    }
    connect(cmbFormat, &QComboBox::currentIndexChanged, this, &frmMain::cmbFormat_Click);
    connect(cmbRound, &QComboBox::currentIndexChanged, this, &frmMain::cmbRound_Click);
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

// --- Keypad -------------------------------------------------------------------

void frmMain::cmdNum_Click(int index) {
    calculator_.cmdNum_Click(index);
    finishClick();
}

void frmMain::cmdDot_Click() {
    calculator_.cmdDot_Click();
    finishClick();
}

void frmMain::cmdFeet_Click() {
    calculator_.cmdFeet_Click();
    finishClick();
}

void frmMain::cmdInches_Click() {
    calculator_.cmdInches_Click();
    finishClick();
}

void frmMain::cmdFraction_Click() {
    calculator_.cmdFraction_Click();
    finishClick();
}

void frmMain::cmdNeg_Click() {
    calculator_.cmdNeg_Click();
    finishClick();
}

void frmMain::cmdBack_Click() {
    calculator_.cmdBack_Click();
    finishClick();
}

void frmMain::cmdDelete_Click() {
    calculator_.cmdDelete_Click();
    finishClick();
}

void frmMain::cmdAC_Click() {
    calculator_.cmdAC_Click();
    finishClick();
}

void frmMain::cmdAdd_Click() {
    calculator_.cmdAdd_Click();
    finishClick();
}

void frmMain::cmdSubtract_Click() {
    calculator_.cmdSubtract_Click();
    finishClick();
}

void frmMain::cmdMultiply_Click() {
    calculator_.cmdMultiply_Click();
    finishClick();
}

void frmMain::cmdDivide_Click() {
    calculator_.cmdDivide_Click();
    finishClick();
}

void frmMain::cmdEquals_Click() {
    calculator_.cmdEquals_Click();
    finishClick();
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
        stair_ = new frmStair(messages_, options, this);
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
    if (calculator_.state().display != "0") cmdEquals_Click();
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
    // The saved place is the window's outer corner. Placed before the window
    // is first shown, it is where the window manager puts the frame; placed
    // after, before the frame is known, it would be taken for the corner of
    // the client area, and the window would creep by its title bar each run.
    skipOnFailure([this] { restorePosition(); });
    show();
    // Built, not assigned from a literal: GCC 12 warns falsely (-Wrestrict) on the literal here.
    calculator_.state().display = std::string(1, '0');
    render();
    calculator_.state().blnNewExpresion = true;

    skipOnFailure([this] {
        const auto saved = ReadTruth(settings_.ReadValue(settings::ShowOptions).text);
        setShowOptions(saved.value_or(false));
    });
    skipOnFailure([this] { chooseOutput(ReadOutput(settings_.ReadValue(settings::Output).text)); });
    skipOnFailure([this] {
        const auto position =
            ReadListPosition(settings_.ReadValue(settings::Format).text, cmbFormat->count());
        if (position) cmbFormat->setCurrentIndex(*position);
    });
    skipOnFailure([this] {
        const auto position =
            ReadListPosition(settings_.ReadValue(settings::Round).text, cmbRound->count());
        if (position) cmbRound->setCurrentIndex(*position);
    });
    skipOnFailure(
        [this] { lngListCount_ = ReadListCount(settings_.ReadValue(settings::ListCount)); });
    skipOnFailure([this] { setUpMemory(); });
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

void frmMain::restorePosition() {
    const auto top = ReadSingle(settings_.ReadValue(settings::Top).text);
    const auto left = ReadSingle(settings_.ReadValue(settings::Left).text);
    if (!top && !left) return;

    // A position this far out cannot be on any screen (and would not fit a pixel count).
    constexpr float farOutTwips = 1.0e9f;
    if ((top && std::fabs(*top) > farOutTwips) || (left && std::fabs(*left) > farOutTwips)) return;
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

    // Where the desktop cannot say where the window is, the saved place stays
    // as it was read.
    if (ReportsWindowPlace()) {
        settings_.WriteValue(settings::Top, WriteSingle(static_cast<float>(Twips(pos().y()))));
        settings_.WriteValue(settings::Left, WriteSingle(static_cast<float>(Twips(pos().x()))));
    }
    settings_.WriteValue(settings::ShowOptions, WriteTruth(blnShowOptions_));
    settings_.WriteValue(settings::Output, optOutput[1]->isChecked() ? "1" : "0");
    settings_.WriteValue(settings::Format, std::to_string(cmbFormat->currentIndex()));
    settings_.WriteValue(settings::Round, std::to_string(cmbRound->currentIndex()));
}

void frmMain::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

}  // namespace plumbrule
