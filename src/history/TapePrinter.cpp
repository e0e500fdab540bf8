// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/TapePrinter.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <cmath>

#include "history/HistoryPrint.h"

namespace plumbrule {

bool PrintTape(std::string_view tape, QPrinter& printer, const QString& date) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSizeF(10);
    painter.setFont(font);

    // The printable area, and how many characters and lines it holds; the
    // heading takes the first two lines of every page.
    const QFontMetricsF metrics(font, &printer);
    const QSizeF area = printer.pageRect(QPrinter::DevicePixel).size();
    const double advance = metrics.horizontalAdvance(QLatin1Char('M'));
    const double lineHeight = metrics.lineSpacing();
    const auto columns =
        static_cast<std::size_t>(std::max(1.0, std::floor(area.width() / advance)));
    const auto rows =
        static_cast<std::size_t>(std::max(3.0, std::floor(area.height() / lineHeight)));

    const std::vector<PrintedPage> pages = PrintPages(tape, columns, rows - 2);
    for (std::size_t page = 0; page < pages.size(); ++page) {
        if (page > 0 && !printer.newPage()) return false;
        const QString heading =
            QString::fromStdString(PrintHeading(date.toStdString(), page + 1, pages.size()));
        painter.drawText(QPointF(0, metrics.ascent()), heading);
        double baseline = 2 * lineHeight + metrics.ascent();
        for (const std::string& line : pages[page]) {
            painter.drawText(QPointF(0, baseline),
                             QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size())));
            baseline += lineHeight;
        }
    }
    return painter.end() && printer.printerState() != QPrinter::Error;
}

}  // namespace plumbrule
