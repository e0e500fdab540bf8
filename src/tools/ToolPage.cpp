// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/ToolPage.h"

#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>
#include <utility>

#include "engine/Formatter.h"
#include "platform/WindowLayout.h"
#include "tools/ResultLines.h"
#include "tools/ToolDiagram.h"

namespace plumbrule {

namespace {

// "--triangle" -> "pageTriangle"
QString pageName(std::string_view option) {
    QString name = ToQString(option.substr(2));
    name[0] = name[0].toUpper();
    return QStringLiteral("page") + name;
}

// The result lines of `lines` stacked from the top in their order, each as
// tall as its text wrapped to the width needs; `lines` grows to hold them,
// and its scroll area scrolls when they outgrow the frame: a long line (a
// list of jacks or marks) is never cut.
void stackResultLines(QWidget& lines, int lineHeight) {
    QList<QLabel*> labels = lines.findChildren<QLabel*>();
    std::stable_sort(labels.begin(), labels.end(),
                     [](const QLabel* a, const QLabel* b) { return a->y() < b->y(); });
    int y = 0;
    for (QLabel* label : labels) {
        const int height = std::max(lineHeight, label->heightForWidth(label->width()));
        label->setGeometry(label->x(), y, label->width(), height);
        y += height;
    }
    lines.resize(lines.width(), y);
}

// Puts the result lines of `frame` into a scroll area filling it, in their
// places relative to the first; returns the widget that holds them.
QWidget* scrollResultLines(QWidget& frame, int& lineHeight) {
    const QList<QLabel*> labels = frame.findChildren<QLabel*>();
    QRect first;
    for (const QLabel* label : labels) {
        if (first.isNull() || label->y() < first.y()) first = label->geometry();
    }
    auto* area = new QScrollArea(&frame);
    area->setObjectName(frame.objectName() + QStringLiteral("Lines"));
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->viewport()->setAutoFillBackground(false);
    area->setGeometry(first.x(), first.y(), frame.width() - first.x() - 4,
                      frame.height() - first.y() - 4);
    auto* lines = new QWidget;
    lines->setAutoFillBackground(false);
    lines->resize(area->width() - area->verticalScrollBar()->sizeHint().width(), first.height());
    for (QLabel* label : labels) {
        label->setParent(lines);
        label->move(0, label->y() - first.y());
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->resize(lines->width(), label->height());
    }
    area->setWidget(lines);
    lines->setAutoFillBackground(false);  // the frame's own background shows through
    lineHeight = first.height();
    return lines;
}

}  // namespace

ToolWriters WritersFor(const DisplayOptions& options) {
    DisplayOptions plain = options;
    plain.units = DisplayOptions::Units::None;
    return {[options](double inches) { return DisplayValue(inches, options); },
            [plain](double number) { return DisplayValue(number, plain); }};
}

void BuildToolControls(QWidget& page, const ToolRow& row) {
    BuildLayout(page, row.controls, [&row](const ControlPlace&, QWidget* parent) {
        return new ToolDiagram(row.diagram(), parent);
    });
    QLineEdit* lastBox = nullptr;
    for (const ControlPlace& control : row.controls) {
        QWidget* made = page.findChild<QWidget*>(ToQString(control.name));
        if (control.kind == ControlKind::Box) {
            lastBox = qobject_cast<QLineEdit*>(made);
        } else if (control.kind == ControlKind::Label && lastBox) {
            qobject_cast<QLabel*>(made)->setBuddy(lastBox);
            lastBox = nullptr;
        }
    }
    auto* note = page.findChild<QLabel*>(ToQString(row.note));
    note->setTextFormat(Qt::PlainText);
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

ToolPage::ToolPage(const ToolRow& row, const ToolContext& context, QWidget* parent)
    : QWidget(parent), row_(row), context_(context) {
    setObjectName(pageName(row.option));
    BuildToolControls(*this, row);
    lines_ = scrollResultLines(*findChild<QWidget*>(ToQString(row.results)), lineHeight_);
    connect(findChild<QPushButton*>(ToQString(row.calculate)), &QPushButton::clicked, this,
            &ToolPage::cmdCalculate_Click);
    connect(findChild<QPushButton*>(ToQString(row.close)), &QPushButton::clicked, this,
            [this] { window()->close(); });
}

QLineEdit* ToolPage::box(std::size_t index) const {
    return findChild<QLineEdit*>(ToQString(row_.boxes[index].control));
}

std::vector<std::string> ToolPage::boxTexts() const {
    std::vector<std::string> texts;
    for (std::size_t index = 0; index < row_.boxes.size(); ++index) {
        texts.push_back(box(index)->text().toStdString());
    }
    return texts;
}

void ToolPage::cmdCalculate_Click() {
    const ToolAnswer answer = row_.solve(boxTexts(), WritersFor(context_.options()), false);
    if (answer.error != 0) {
        // One message; the boxes and the results stay as they were.
        const ToolMessage message = row_.message(answer.error);
        context_.messages.show(message.text, MessageIcon::Exclamation, message.title);
        return;
    }
    QStringList lines;
    for (const std::string& line : answer.lines) lines << QString::fromStdString(line);
    ShowResultLines(*window(), *lines_, lines);
    stackResultLines(*lines_, lineHeight_);
    shown_ = answer.lines;
}

}  // namespace plumbrule
