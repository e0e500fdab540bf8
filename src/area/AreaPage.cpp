// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "area/AreaPage.h"

#include <utility>

#include "area/AreaDiagram.h"
#include "area/AreaLayout.h"
#include "area/AreaSolver.h"
#include "engine/Formatter.h"
#include "platform/ResultLines.h"

namespace plumbrule {

AreaPage::AreaPage(MessageDialog& messages, std::function<DisplayOptions()> currentOptions,
                   QWidget* parent)
    : QWidget(parent), messages_(messages), currentOptions_(std::move(currentOptions)) {
    setObjectName(QStringLiteral("pageArea"));
    BuildLayout(*this, area_layout::controls,
                [](const ControlPlace&, QWidget* parent) { return new AreaDiagram(parent); });
    for (const char* name : {"Length", "Width", "Thickness"}) {
        findChild<QLabel*>(QStringLiteral("lbl") + QLatin1String(name))
            ->setBuddy(findChild<QLineEdit*>(QStringLiteral("txt") + QLatin1String(name)));
    }
    auto* note = findChild<QLabel*>(QStringLiteral("lblAreaNote"));
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(findChild<QPushButton*>(QStringLiteral("cmdCalculateArea")), &QPushButton::clicked,
            this, &AreaPage::cmdCalculate_Click);
    connect(findChild<QPushButton*>(QStringLiteral("cmdCloseArea")), &QPushButton::clicked, this,
            [this] { window()->close(); });
}

QString AreaPage::boxText(const char* name) const {
    return findChild<QLineEdit*>(QLatin1String(name))->text();
}

void AreaPage::cmdCalculate_Click() {
    const DisplayOptions options = currentOptions_ ? currentOptions_() : DisplayOptions{};
    const AreaBoxes boxes{boxText("txtLength").toStdString(), boxText("txtWidth").toStdString(),
                          boxText("txtThickness").toStdString()};
    const AreaAnswer answer =
        solveArea(boxes, [&options](double inches) { return DisplayValue(inches, options); });
    if (answer.error != 0) {
        // One message; the boxes and the results stay as they were.
        const ToolMessage message = areaMessage(answer.error);
        messages_.show(message.text, MessageIcon::Exclamation, message.title);
        return;
    }
    QStringList lines;
    for (const std::string& line : answer.lines) lines << QString::fromStdString(line);
    ShowResultLines(*window(), *findChild<QWidget*>(QStringLiteral("fraAreaResults")), lines);
}

}  // namespace plumbrule
