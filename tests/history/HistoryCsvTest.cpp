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

#include "history/HistoryExport.h"
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
    // RFC 4180 on the bytes themselves: quotes doubled, CR LF after every row.
    EXPECT_EQ(CsvBytes("5'3-1/2\""),
              "Operator,Shown,Inches,Millimetres\r\n,\"5'3-1/2\"\"\",63.5,1612.9\r\n");
    EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
}

TEST(HistoryCsv, CsvIsAddedOnlyToANameWithoutExtension) {
    EXPECT_EQ(CsvFileName("/tmp/History"), "/tmp/History.csv");
    EXPECT_EQ(CsvFileName("/tmp/day.CSV"), "/tmp/day.CSV");
    EXPECT_EQ(CsvFileName("/tmp/day.txt"), "/tmp/day.txt");
    EXPECT_EQ(CsvFileName("/tmp/plans.v2/.tape"), "/tmp/plans.v2/.tape.csv");
}

TEST(HistoryPrint, EveryLineIsPrintedWholeOverAsManyLinesAsItNeeds) {
    const std::vector<PrintedPage> pages = PrintPages("5\r\n\r\n123456789\r\n= 8", 4, 3);
    EXPECT_EQ(pages, (std::vector<PrintedPage>{{"5", "", "1234"}, {"5678", "9", "= 8"}}));
    EXPECT_EQ(PrintPages("", 4, 3), std::vector<PrintedPage>(1));
    EXPECT_EQ(PrintHeading("7 December 2026", 2, 3),
              "Plumbrule history   7 December 2026   Page 2 of 3");
}

struct KeptRow {
    const char* what;
    std::string bytes;
    std::optional<std::string> tape;
};

class KeptFileReading : public ::testing::TestWithParam<KeptRow> {};

TEST_P(KeptFileReading, GivesTheTapeOrNothing) {
    EXPECT_EQ(KeptTapeText(GetParam().bytes), GetParam().tape) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Files, KeptFileReading,
    ::testing::Values(KeptRow{"export", "5\r\n+ 3\r\n= 8\r\n", "5\r\n+ 3\r\n= 8"},
                      KeptRow{"after a clear", "= 8\r\nclr\r\n\r\n\r\n", "= 8\r\nclr"},
                      KeptRow{"edited elsewhere", "5\n+ 3\r= 8", "5\r\n+ 3\r\n= 8"},
                      KeptRow{"empty tape", "\r\n", ""},
                      KeptRow{"a zero byte", std::string("5\r\n\0", 4), std::nullopt},
                      KeptRow{"not ASCII", "5\xc2\xbd", std::nullopt},
                      KeptRow{"a tab", "5\t", std::nullopt}));

}  // namespace
}  // namespace plumbrule
