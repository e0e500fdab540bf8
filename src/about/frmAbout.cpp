// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/frmAbout.h"

#include <QFont>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>

#include "about/AboutLayout.h"
#include "platform/AccessibleIds.h"
#include "platform/ProgramIcon.h"
#include "platform/Twips.h"

namespace plumbrule {

namespace {

// A plumb bob hanging over a yellow rule, on a round blue badge; drawn on a
// 64-unit grid.
void drawEmblem(QPainter& painter) {
    painter.setPen(QPen(QColor(30, 60, 110), 2));
    painter.setBrush(QColor(205, 225, 245));
    painter.drawEllipse(QRectF(2, 2, 60, 60));
    // The string and the bob.
    painter.setPen(QPen(QColor(60, 60, 60), 1.5));
    painter.drawLine(QPointF(32, 6), QPointF(32, 18));
    QPainterPath bob;
    bob.moveTo(32, 18);
    bob.cubicTo(44, 24, 42, 36, 32, 48);
    bob.cubicTo(22, 36, 20, 24, 32, 18);
    painter.setPen(QPen(QColor(110, 70, 10), 1.5));
    painter.setBrush(QColor(205, 150, 40));
    painter.drawPath(bob);
    // The rule, with inch ticks.
    painter.setBrush(QColor(250, 210, 40));
    painter.setPen(QPen(QColor(90, 70, 0), 1.2));
    painter.drawRect(QRectF(10, 48, 44, 8));
    for (int tick = 0; tick <= 8; ++tick) {
        const double x = 12 + tick * 5;
        painter.drawLine(QPointF(x, 48), QPointF(x, tick % 2 == 0 ? 53 : 51));
    }
}

// A steel carpenter's square with its scale, and a pencil; 60 x 61 grid.
void drawSquare(QPainter& painter) {
    QPainterPath square;
    square.moveTo(6, 4);
    square.lineTo(16, 4);
    square.lineTo(16, 45);
    square.lineTo(56, 45);
    square.lineTo(56, 55);
    square.lineTo(6, 55);
    square.closeSubpath();
    painter.setPen(QPen(QColor(60, 60, 70), 1.2));
    painter.setBrush(QColor(180, 185, 195));
    painter.drawPath(square);
    painter.setPen(QPen(QColor(40, 40, 40), 0.8));
    for (int tick = 0; tick < 10; ++tick) {
        const double along = 8 + tick * 4;
        const double length = tick % 2 == 0 ? 4 : 2.5;
        painter.drawLine(QPointF(16, along - 2), QPointF(16 - length, along - 2));
        painter.drawLine(QPointF(along + 12, 45), QPointF(along + 12, 45 + length));
    }
    // The pencil, laid across the corner.
    painter.save();
    painter.translate(30, 26);
    painter.rotate(-40);
    painter.setPen(QPen(QColor(80, 50, 0), 0.8));
    painter.setBrush(QColor(240, 170, 30));
    painter.drawRect(QRectF(-16, -2.5, 26, 5));
    QPainterPath tip;
    tip.moveTo(10, -2.5);
    tip.lineTo(16, 0);
    tip.lineTo(10, 2.5);
    tip.closeSubpath();
    painter.setBrush(QColor(235, 205, 160));
    painter.drawPath(tip);
    painter.restore();
}

template <typename Draw>
QPixmap drawn(int width, int height, double gridWidth, double gridHeight, Draw draw) {
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(width / gridWidth, height / gridHeight);
    draw(painter);
    return pixmap;
}

}  // namespace

QString frmAbout::versionText() {
    return QStringLiteral("Version %1.%2.%3")
        .arg(PLUMBRULE_VERSION_MAJOR)
        .arg(PLUMBRULE_VERSION_MINOR)
        .arg(PLUMBRULE_VERSION_PATCH);
}

QString frmAbout::descriptionText() {
    return QStringLiteral(
        "Plumbrule, a calculator for building dimensions, is made by Plumbrite. "
        "Please send comments, questions or suggestions to plumbrule@example.org.");
}

QPixmap frmAbout::emblem(int size) {
    // The program icon of the title bars; the drawing here stands in should
    // its pictures be missing.
    const QPixmap shared = programIcon().pixmap(size, size);
    if (!shared.isNull()) return shared;
    return drawn(size, size, 64, 64, drawEmblem);
}

QPixmap frmAbout::squarePicture(int width, int height) {
    return drawn(width, height, 60, 61, drawSquare);
}

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmAbout"));
    setModal(true);
    setFixedSize(PixelRect(about_layout::client).size());
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    BuildLayout(*this, about_layout::controls);
    const auto made = [this](const char* name) {
        QWidget* found = findChild<QWidget*>(QLatin1String(name));
        Q_ASSERT(found);
        return found;
    };
    qobject_cast<QLabel*>(made("picIcon"))->setPixmap(emblem(62));
    qobject_cast<QLabel*>(made("Picture1"))->setPixmap(squarePicture(60, 61));
    for (const char* name : {"Shape1_0", "Shape1_1", "Shape2_0", "Shape2_1"}) {
        QWidget* rule = made(name);
        rule->setAutoFillBackground(true);
        QPalette line = rule->palette();
        line.setColor(QPalette::Window, QColor(128, 128, 128));
        rule->setPalette(line);
    }

    lblTitle_ = qobject_cast<QLabel*>(made("lblTitle"));
    // Papyrus where it is installed; Qt falls back to a near face elsewhere.
    QFont title(QStringLiteral("Papyrus"), 12, QFont::Bold);
    lblTitle_->setFont(title);
    lblTitle_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette red = lblTitle_->palette();
    red.setColor(QPalette::WindowText, QColor(192, 0, 0));
    lblTitle_->setPalette(red);

    lblVersion_ = qobject_cast<QLabel*>(made("lblVersion"));
    lblDescription_ = qobject_cast<QLabel*>(made("lblDescription"));
    lblDescription_->setWordWrap(true);
    lblDescription_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    cmdOK_ = qobject_cast<QPushButton*>(made("cmdOK"));
    // Enter presses OK as the default button; Escape closes the dialog too.
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    setWindowIcon(programIcon());
    if (AccessibleIdsRequested()) ApplyAccessibleIds(*this);
    Form_Load();
}

void frmAbout::Form_Load() {
    setWindowTitle(QStringLiteral("About Plumbrule"));
    lblVersion_->setText(versionText());
    lblDescription_->setText(descriptionText());
    lblTitle_->setText(QStringLiteral("Plumbrule"));
}

void frmAbout::cmdOK_Click() {
    accept();
}

void frmAbout::showEvent(QShowEvent* event) {
    // Centred over the main window.
    if (const QWidget* owner = parentWidget()) {
        const QRect over = owner->window()->frameGeometry();
        move(over.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    }
    QDialog::showEvent(event);
}

}  // namespace plumbrule
