// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

// Rows of a tab-separated data table in tests/data: '#' lines are comments,
// the cell "<empty>" stands for the empty text.
namespace plumbrule::testing {

inline std::vector<std::vector<std::string>> readTable(const std::string& name) {
    std::ifstream in(std::string(PLUMBRULE_TEST_DATA) + "/" + name);
    if (!in) throw std::runtime_error("missing test table " + name);
    std::vector<std::vector<std::string>> rows;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line.front() == '#') continue;
        std::vector<std::string> cells;
        std::size_t start = 0;
        for (std::size_t tab = line.find('\t'); tab != std::string::npos;
             tab = line.find('\t', start)) {
            cells.push_back(line.substr(start, tab - start));
            start = tab + 1;
        }
        cells.push_back(line.substr(start));
        for (auto& cell : cells) {
            if (cell == "<empty>") cell.clear();
        }
        rows.push_back(cells);
    }
    return rows;
}

// "10/3" is ten divided by three, as the calculator computes it.
inline double tableValue(const std::string& cell) {
    const std::size_t bar = cell.find('/');
    if (bar == std::string::npos) return std::stod(cell);
    return std::stod(cell.substr(0, bar)) / std::stod(cell.substr(bar + 1));
}

}  // namespace plumbrule::testing
