// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "triangle/TrianglePage.h"

#include <utility>

#include "engine/Formatter.h"
#include "platform/ResultLines.h"
#include "triangle/TriangleDiagram.h"
#include "triangle/TriangleLayout.h"
#include "triangle/TriangleSolver.h"

namespace plumbrule {

TrianglePage::TrianglePage(MessageDialog& messages, std::function<DisplayOptions()> currentOptions,
                           QWidget* parent)
    : QWidget(parent), messages_(messages), currentOptions_(std::move(currentOptions)) {
    setObjectName(QStringLiteral("pageTriangle"));
    BuildLayout(*this, triangle_layout::controls,
                [](const ControlPlace&, QWidget* parent) { return new TriangleDiagram(parent); });
    for (const char* name : {"Rise", "Run", "Diagonal", "Pitch", "Angle"}) {
        findChild<QLabel*>(QStringLiteral("lbl") + QLatin1String(name))
            ->setBuddy(findChild<QLineEdit*>(QStringLiteral("txt") + QLatin1String(name)));
    }
    auto* note = findChild<QLabel*>(QStringLiteral("lblTriangleNote"));
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(findChild<QPushButton*>(QStringLiteral("cmdCalculateTriangle")), &QPushButton::clicked,
            this, &TrianglePage::cmdCalculate_Click);
    connect(findChild<QPushButton*>(QStringLiteral("cmdCloseTriangle")), &QPushButton::clicked,
            this, [this] { window()->close(); });
}

QString TrianglePage::boxText(const char* name) const {
    return findChild<QLineEdit*>(QLatin1String(name))->text();
}

void TrianglePage::cmdCalculate_Click() {
    const DisplayOptions options = currentOptions_ ? currentOptions_() : DisplayOptions{};
    DisplayOptions pitchForm = options;
    pitchForm.units = DisplayOptions::Units::None;
    const TriangleBoxes boxes{
        boxText("txtRise").toStdString(),     boxText("txtRun").toStdString(),
        boxText("txtDiagonal").toStdString(), boxText("txtPitch").toStdString(),
        boxText("txtAngle").toStdString(),
    };
    const TriangleAnswer answer = solveTriangle(
        boxes, [&options](double inches) { return DisplayValue(inches, options); },
        [&pitchForm](double pitch) { return DisplayValue(pitch, pitchForm); });
    if (answer.error != 0) {
        // One message; the boxes and the results stay as they were.
        const ToolMessage message = triangleMessage(answer.error);
        messages_.show(message.text, MessageIcon::Exclamation, message.title);
        return;
    }
    QStringList lines;
    for (const std::string& line : answer.lines) lines << QString::fromStdString(line);
    ShowResultLines(*window(), *findChild<QWidget*>(QStringLiteral("fraTriangleResults")), lines);
}

}  // namespace plumbrule
