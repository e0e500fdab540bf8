// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/ResultLines.h"

#include <QLabel>
#include <QWidget>
#include <algorithm>

#include "platform/ScreenReader.h"

namespace plumbrule {

void ShowResultLines(QWidget& window, QWidget& frame, const QStringList& lines) {
    QList<QLabel*> labels = frame.findChildren<QLabel*>();
    std::stable_sort(labels.begin(), labels.end(),
                     [](const QLabel* a, const QLabel* b) { return a->y() < b->y(); });
    QStringList changed;
    for (qsizetype line = 0; line < labels.size(); ++line) {
        const QString shown = line < lines.size() ? lines[line] : QString();
        if (labels[line]->text() == shown) continue;
        labels[line]->setText(shown);
        if (!shown.isEmpty()) changed << shown;
    }
    Say(window, changed.join(QLatin1Char('\n')));
}

}  // namespace plumbrule
