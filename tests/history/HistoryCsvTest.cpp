// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The spreadsheet export read back by a real CSV reader (Python's csv
// module), the printed pages and the kept file's reading.
#include "history/HistoryCsv.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "history/HistoryPrint.h"
#include "history/KeptTape.h"

namespace plumbrule {
namespace {

// Each row as Python's csv module reads it, fields joined by "|"; a value
// cell that float() cannot read is marked, as a spreadsheet would keep it text.
std::string readByPython(const std::string& bytes) {
    const auto path = std::filesystem::temp_directory_path() / "plumbrule-csv-test.csv";
    std::ofstream(path, std::ios::binary) << bytes;
    const std::string command =
        "python3 -c \"import csv, sys\n"
        "rows = csv.reader(open(sys.argv[1], newline='', encoding='utf-8'))\n"
        "for n, row in enumerate(rows):\n"
        "    for cell in row[2:] if n else []:\n"
        "        cell and float(cell)\n"
        "    print('|'.join(row))\" " +
        path.string();
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char chunk[256];
        while (std::fgets(chunk, sizeof chunk, pipe)) out += chunk;
        if (pclose(pipe) != 0) out += "<python failed>";
    }
    std::filesystem::remove(path);
    return out;
}

TEST(HistoryCsv, ASpreadsheetReadsEveryLineWithItsNumbers) {
    const std::string tape =
        "5'3-1/2\"\r\n+ 2'6\"\r\n= 7'9-1/2\"\r\nclr\r\n\r\n-0.5\r\n* 3\r\n= -1.5\r\n\r\n"
        "10\r\n/ 3\r\n= 3.33333333333333\r\n/ ";
    EXPECT_EQ(readByPython(CsvBytes(tape)),
              "Operator|Shown|Inches|Millimetres\n"
              "|5'3-1/2\"|63.5|1612.9\n"
              "+|2'6\"|30|762.0\n"
              "=|7'9-1/2\"|93.5|2374.9\n"
              "clr|||\n"
              "\n"
              "|-0.5|-0.5|-12.7\n"
              "*|3|3|76.2\n"
              "=|-1.5|-1.5|-38.1\n"
              "\n"
              "|10|10|254.0\n"
              "/|3|3|76.2\n"
              "=|3.33333333333333|3.333333|84.7\n"
              "/|||\n");
    EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
}

TEST(HistoryPrint, EveryLineIsPrintedWholeOverAsManyLinesAsItNeeds) {
    const std::vector<PrintedPage> pages = PrintPages("5\r\n\r\n123456789\r\n= 8", 4, 3);
    EXPECT_EQ(pages, (std::vector<PrintedPage>{{"5", "", "1234"}, {"5678", "9", "= 8"}}));
    EXPECT_EQ(PrintPages("", 4, 3), std::vector<PrintedPage>(1));
    EXPECT_EQ(PrintHeading("7 December 2026", 2, 3),
              "Plumbrule history   7 December 2026   Page 2 of 3");
}

TEST(KeptTape, AKeptFileGivesTheTapeOrNothing) {
    const std::pair<std::string, std::optional<std::string>> rows[] = {
        {"5\r\n+ 3\r\n= 8\r\n", "5\r\n+ 3\r\n= 8"},  // as exported
        {"= 8\r\nclr\r\n\r\n\r\n", "= 8\r\nclr"},    // after a clear
        {"5\n+ 3\r= 8", "5\r\n+ 3\r\n= 8"},          // edited elsewhere
        {std::string("5\r\n\0", 4), std::nullopt},
        {"5\xc2\xbd", std::nullopt},
        {"5\t", std::nullopt}};
    for (const auto& [bytes, tape] : rows) EXPECT_EQ(KeptTapeText(bytes), tape) << bytes;
}

}  // namespace
}  // namespace plumbrule
