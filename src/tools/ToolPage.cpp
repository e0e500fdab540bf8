// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/ToolPage.h"

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

// The result lines of `frame` stacked from the top in their order, each as
// tall as its text wrapped to the frame's width needs: a long line (a list
// of jacks or marks) takes the lines it needs and is never cut.
void stackResultLines(QWidget& frame, int top, int lineHeight) {
    QList<QLabel*> labels = frame.findChildren<QLabel*>();
    std::stable_sort(labels.begin(), labels.end(),
                     [](const QLabel* a, const QLabel* b) { return a->y() < b->y(); });
    int y = top;
    for (QLabel* label : labels) {
        const int height = std::max(lineHeight, label->heightForWidth(label->width()));
        label->setGeometry(label->x(), y, label->width(), height);
        y += height;
    }
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

ToolPage::ToolPage(const ToolRow& row, MessageDialog& messages,
                   std::function<DisplayOptions()> currentOptions, QWidget* parent)
    : QWidget(parent), row_(row), messages_(messages), currentOptions_(std::move(currentOptions)) {
    setObjectName(pageName(row.option));
    BuildToolControls(*this, row);
    const QList<QLabel*> lines =
        findChild<QWidget*>(ToQString(row.results))->findChildren<QLabel*>();
    for (QLabel* line : lines) {
        line->setWordWrap(true);
        line->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (firstLine_.isNull() || line->y() < firstLine_.y()) firstLine_ = line->geometry();
    }
    connect(findChild<QPushButton*>(ToQString(row.calculate)), &QPushButton::clicked, this,
            &ToolPage::cmdCalculate_Click);
    connect(findChild<QPushButton*>(ToQString(row.close)), &QPushButton::clicked, this,
            [this] { window()->close(); });
}

void ToolPage::cmdCalculate_Click() {
    std::vector<std::string> texts;
    for (const ToolBox& box : row_.boxes) {
        texts.push_back(findChild<QLineEdit*>(ToQString(box.control))->text().toStdString());
    }
    const ToolAnswer answer = row_.solve(
        texts, WritersFor(currentOptions_ ? currentOptions_() : DisplayOptions{}), false);
    if (answer.error != 0) {
        // One message; the boxes and the results stay as they were.
        const ToolMessage message = row_.message(answer.error);
        messages_.show(message.text, MessageIcon::Exclamation, message.title);
        return;
    }
    QStringList lines;
    for (const std::string& line : answer.lines) lines << QString::fromStdString(line);
    QWidget& frame = *findChild<QWidget*>(ToQString(row_.results));
    ShowResultLines(*window(), frame, lines);
    stackResultLines(frame, firstLine_.top(), firstLine_.height());
}

}  // namespace plumbrule
