// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stair/frmStair.h"

#include <QApplication>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <string>
#include <utility>

#include "platform/AccessibleIds.h"
#include "platform/ControlNames.h"
#include "platform/ProgramIcon.h"
#include "platform/Twips.h"
#include "stair/StairDiagram.h"

namespace plumbrule {

namespace {

struct BoxPlace {
    int left;
    int top;
    const char* caption;
};

// Inside the "Input Values" frame, indexed like the sides' values.
constexpr std::array<BoxPlace, 3> kRiserBoxes{{{900, 675, "Max Riser Hieght"},
                                               {2250, 1305, "Number of Risers"},
                                               {3825, 1350, "Overall Hieght"}}};
constexpr std::array<BoxPlace, 3> kTreadBoxes{{{270, 1260, "Max Tread Width"},
                                               {1665, 1890, "Number of Treads"},
                                               {1395, 2835, "Overall Width"}}};
constexpr int kFrameWidth = 5100;

// The run of spaces pushes the second sentence onto its own line.
const QString kNote = QStringLiteral("Enter two of the three values to calculate the third.") +
                      QString(64, QLatin1Char(' ')) +
                      QStringLiteral("Note: All values must be in inches.");

QLineEdit* makeBox(QWidget* frame, const QString& name, const BoxPlace& place) {
    auto* box = new QLineEdit(frame);
    box->setObjectName(name);
    box->setGeometry(PixelRect({place.left, place.top, 1005, 285}));
    // Each label sits just above its box.
    auto* label = new QLabel(QString::fromLatin1(place.caption), frame);
    label->setObjectName(QStringLiteral("Label") + name.mid(4));
    label->setGeometry(
        PixelRect({place.left, place.top - 210, qMin(1700, kFrameWidth - place.left - 30), 210}));
    label->setBuddy(box);
    return box;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, QRect place) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(place);
    return button;
}

// An enabled box has the window-background colour, a disabled one the
// button-face colour, as on the classic desktop.
void setSideEnabled(const std::array<QLineEdit*, 3>& boxes, bool enabled) {
    const QColor background =
        QApplication::palette().color(enabled ? QPalette::Base : QPalette::Button);
    for (QLineEdit* box : boxes) {
        box->setEnabled(enabled);
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, background);
        box->setPalette(palette);
    }
}

}  // namespace

frmStair::frmStair(MessageDialog& messages, std::function<DisplayOptions()> currentOptions,
                   QWidget* parent)
    : QWidget(parent, Qt::Window),
      messages_(messages, this),
      calculator_(messages_),
      currentOptions_(std::move(currentOptions)) {
    setObjectName(QStringLiteral("frmStair"));
    setWindowTitle(QStringLiteral("Stair Calculator"));
    setFixedSize(PixelRect({0, 0, 6795, 4545}).size());
    // The layout is measured for an 8-point face, as the classic dialog font.
    QFont face = font();
    face.setPointSizeF(8);
    setFont(face);
    buildInputFrame();
    buildResultFrame();
    buildRightColumn();
    setFocusOrder();
    setWindowIcon(programIcon());
    ApplyAccessibleNames(*this);
    if (AccessibleIdsRequested()) ApplyAccessibleIds(*this);
    Form_Load();
}

void frmStair::buildInputFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Input Values"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(PixelRect({90, 90, 5100, 3390}));
    // The drawing lies under the boxes.
    auto* diagram = new StairDiagram(frame);
    diagram->setObjectName(QStringLiteral("diagram"));
    diagram->setGeometry(QRect(QPoint(0, 0), frame->size()));
    for (std::size_t index = 0; index < 3; ++index) {
        const QString suffix = QStringLiteral("_%1").arg(index);
        Text1_[index] = makeBox(frame, QStringLiteral("Text1") + suffix, kRiserBoxes[index]);
        Text2_[index] = makeBox(frame, QStringLiteral("Text2") + suffix, kTreadBoxes[index]);
    }
}

void frmStair::buildResultFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Results"), this);
    frame->setObjectName(QStringLiteral("Frame2"));
    frame->setGeometry(PixelRect({90, 3555, 5100, 870}));
    // No accessible name of their own: assistive technology reads the whole text.
    lblRiser_ = new QLabel(frame);
    lblRiser_->setObjectName(QStringLiteral("lblRiser"));
    lblRiser_->setGeometry(PixelRect({150, 270, 4800, 240}));
    lblTread_ = new QLabel(frame);
    lblTread_->setObjectName(QStringLiteral("lblTread"));
    lblTread_->setGeometry(PixelRect({150, 540, 4800, 240}));
}

void frmStair::buildRightColumn() {
    auto* calculateFor = new QLabel(QStringLiteral("Calculate for:"), this);
    calculateFor->setObjectName(QStringLiteral("lblCalculateFor"));
    calculateFor->setGeometry(PixelRect({5400, 225, 1350, 240}));
    const std::array<const char*, 2> captions{"Risers", "Treads"};
    for (std::size_t index = 0; index < 2; ++index) {
        auto* option = new QRadioButton(QString::fromLatin1(captions[index]), this);
        option->setObjectName(QStringLiteral("optStair_%1").arg(index));
        option->setGeometry(PixelRect({5400, 495 + 270 * static_cast<int>(index), 1300, 255}));
        connect(option, &QRadioButton::toggled, this, [this, index](bool checked) {
            if (checked) optStair_Click(static_cast<int>(index));
        });
        optStair_[index] = option;
    }
    auto* note = new QLabel(kNote, this);
    note->setObjectName(QStringLiteral("lblNote"));
    note->setTextFormat(Qt::PlainText);
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    note->setGeometry(PixelRect({5310, 1485, 1365, 1455}));

    cmdCalculate_ = makeButton(this, QStringLiteral("cmdCalculate"), QStringLiteral("Claculate"),
                               PixelRect({5400, 3600, 1230, 375}));
    Command1_ = makeButton(this, QStringLiteral("Command1"), QStringLiteral("Close"),
                           PixelRect({5400, 4095, 1230, 330}));
    connect(cmdCalculate_, &QPushButton::clicked, this, &frmStair::cmdCalculate_Click);
    connect(Command1_, &QPushButton::clicked, this, &frmStair::Command1_Click);
}

void frmStair::setFocusOrder() {
    // Overall height, number of risers, overall width, number of treads,
    // maximum tread width, maximum riser height; the buttons; the options.
    const std::array<QWidget*, 10> order{Text1_[2],    Text1_[1],   Text2_[2],     Text2_[1],
                                         Text2_[0],    Text1_[0],   cmdCalculate_, Command1_,
                                         optStair_[0], optStair_[1]};
    for (std::size_t index = 0; index + 1 < order.size(); ++index) {
        setTabOrder(order[index], order[index + 1]);
    }
}

void frmStair::Form_Load() {
    optStair_[0]->setChecked(true);  // runs optStair_Click
    Text1_[2]->setFocus();
}

void frmStair::optStair_Click(int /*index*/) {
    // Decided by the "Risers" button's state, whichever button was clicked.
    const bool risers = optStair_[0]->isChecked();
    setSideEnabled(Text1_, risers);
    setSideEnabled(Text2_, !risers);
}

void frmStair::cmdCalculate_Click() {
    StairForm& form = calculator_.form();
    for (std::size_t index = 0; index < 3; ++index) {
        form.Text1[index] = Text1_[index]->text().toStdString();
        form.Text2[index] = Text2_[index]->text().toStdString();
    }
    form.risersChosen = optStair_[0]->isChecked();
    calculator_.cmdCalculate_Click(currentOptions_ ? currentOptions_() : DisplayOptions{});
    render();
}

void frmStair::Command1_Click() {
    close();
}

void frmStair::render() {
    const StairForm& form = calculator_.form();
    const auto show = [](QLineEdit* box, const std::string& text) {
        const QString shown = QString::fromStdString(text);
        if (box->text() != shown) box->setText(shown);
    };
    for (std::size_t index = 0; index < 3; ++index) {
        show(Text1_[index], form.Text1[index]);
        show(Text2_[index], form.Text2[index]);
    }
    lblRiser_->setText(QString::fromStdString(form.lblRiser));
    lblTread_->setText(QString::fromStdString(form.lblTread));
}

}  // namespace plumbrule
