// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <cstddef>
#include <fstream>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

// Rows of a tab-separated data table in tests/data: '#' lines are comments,
// the cell "<empty>" stands for the empty text. A table test runs once per
// row, named after the row:
//   INSTANTIATE_TEST_SUITE_P(Table, ParserExample,
//                            ::testing::ValuesIn(readTable("parser_examples.tsv")), RowName{1});
namespace plumbrule::testing {

struct TableRow {
    int line;  // in the file, from 1
    std::vector<std::string> cells;
};

inline std::vector<TableRow> readTable(const std::string& name) {
    std::ifstream in(std::string(PLUMBRULE_TEST_DATA) + "/" + name);
    if (!in) throw std::runtime_error("missing test table " + name);
    std::vector<TableRow> rows;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
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
        rows.push_back({number, cells});
    }
    return rows;
}

// A failing row as the file has it: "line 4: 5'3-1/2" | 63.5".
inline void PrintTo(const TableRow& row, std::ostream* out) {
    *out << "line " << row.line << ":";
    for (std::size_t i = 0; i < row.cells.size(); ++i) *out << (i ? " | " : " ") << row.cells[i];
}

// The test name of a row: its line and its first `inputs` cells, with the
// marks spelt out and anything else but letters and digits as '_':
// "line4_5ft3_1over2in" for 5'3-1/2".
struct RowName {
    std::size_t inputs = 1;

    std::string operator()(const ::testing::TestParamInfo<TableRow>& info) const {
        std::string name = "line" + std::to_string(info.param.line);
        for (std::size_t i = 0; i < inputs && i < info.param.cells.size(); ++i) {
            const std::string& cell = info.param.cells[i];
            name += '_';
            if (cell.empty()) name += "empty";
            for (unsigned char c : cell) {
                if (std::isalnum(c)) {
                    name += static_cast<char>(c);
                } else if (c == '\'') {
                    name += "ft";
                } else if (c == '"') {
                    name += "in";
                } else if (c == '/') {
                    name += "over";
                } else if (c == '.') {
                    name += "pt";
                } else {
                    name += '_';
                }
            }
        }
        return name;
    }
};

// "10/3" is ten divided by three, as the calculator computes it.
inline double tableValue(const std::string& cell) {
    const std::size_t bar = cell.find('/');
    if (bar == std::string::npos) return std::stod(cell);
    return std::stod(cell.substr(0, bar)) / std::stod(cell.substr(bar + 1));
}

}  // namespace plumbrule::testing
