// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/HistoryPrint.h"

#include <algorithm>

#include "history/HistoryTape.h"

namespace plumbrule {

std::vector<PrintedPage> PrintPages(std::string_view tape, std::size_t columns,
                                    std::size_t linesPerPage) {
    columns = std::max<std::size_t>(columns, 1);
    linesPerPage = std::max<std::size_t>(linesPerPage, 1);
    std::vector<PrintedPage> pages(1);
    const auto print = [&](std::string_view printed) {
        if (pages.back().size() == linesPerPage) pages.emplace_back();
        pages.back().emplace_back(printed);
    };
    if (tape.empty()) return pages;
    for (std::size_t start = 0;;) {
        const std::size_t end = tape.find(CRLF, start);
        std::string_view line = tape.substr(start, end - start);
        do {
            print(line.substr(0, columns));
            line.remove_prefix(std::min(columns, line.size()));
        } while (!line.empty());
        if (end == std::string_view::npos) break;
        start = end + CRLF.size();
    }
    return pages;
}

std::string PrintHeading(const std::string& date, std::size_t page, std::size_t pages) {
    return "Plumbrule history   " + date + "   Page " + std::to_string(page) + " of " +
           std::to_string(pages);
}

}  // namespace plumbrule
