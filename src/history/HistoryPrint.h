// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

// The printed tape: the whole tape in order, every line whole. A line longer
// than the page is wide goes on over as many printed lines as it needs;
// nothing is ever cut off.
namespace plumbrule {

using PrintedPage = std::vector<std::string>;

// The tape's lines, wrapped at `columns` characters, in pages of
// `linesPerPage` printed lines (both at least 1). An empty tape is one empty
// page, so the heading still prints.
//   PrintPages("5\r\n+ 3\r\n= 8", 2, 2) -> {{"5", "+ "}, {"3", "= "}, {"8"}}
std::vector<PrintedPage> PrintPages(std::string_view tape, std::size_t columns,
                                    std::size_t linesPerPage);

// The heading of each page: the program's name, the date and the page.
//   PrintHeading("7 December 2026", 2, 3) -> "Plumbrule history   7 December 2026   Page 2 of 3"
std::string PrintHeading(const std::string& date, std::size_t page, std::size_t pages);

}  // namespace plumbrule
