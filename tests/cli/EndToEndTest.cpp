// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs the plumbrule-calc binary as a script would: arguments, standard
// input, standard output and error, exit status.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

std::string shellQuote(const std::string& word) {
    std::string quoted = "'";
    for (const char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

class PlumbruleCalc : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "plumbrule-calc-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Runs the binary with the arguments; standard input from `input` when
    // given, otherwise from /dev/null.
    Outcome run(const std::vector<std::string>& arguments, const std::string* input = nullptr) {
        fs::path inPath = "/dev/null";
        if (input) {
            inPath = dir_ / "in.txt";
            std::ofstream(inPath, std::ios::binary) << *input;
        }
        return runRedirected(arguments, inPath, dir_ / "out.txt");
    }
    // Standard input from `inPath`, standard output to `outPath`.
    Outcome runRedirected(const std::vector<std::string>& arguments, const fs::path& inPath,
                          const fs::path& outPath) {
        std::string command = shellQuote(PLUMBRULE_CALC);
        for (const auto& argument : arguments) command += " " + shellQuote(argument);
        command += " < " + shellQuote(inPath.string()) + " > " + shellQuote(outPath.string()) +
                   " 2> " + shellQuote((dir_ / "err.txt").string());
        const int raw = std::system(command.c_str());
        Outcome result;
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        if (fs::is_regular_file(outPath)) result.out = readFile(outPath);
        result.err = readFile(dir_ / "err.txt");
        return result;
    }
    Outcome runWithInput(const std::vector<std::string>& arguments, const std::string& input) {
        return run(arguments, &input);
    }

    fs::path dir_;
};

TEST_F(PlumbruleCalc, EvaluatesTheExpressionOfItsArguments) {
    const struct {
        std::vector<std::string> arguments;
        const char* out;
    } rows[] = {
        {{"5'3-1/2\"", "+", "0-3/8", "*", "2"}, "10'7-3/4\"\n"},
        {{"5'3-1/2\" + 0-3/8 * 2"}, "10'7-3/4\"\n"},  // one argument or several
        {{"5'", "+ 3"}, "5'3\"\n"},
        {{"-6.25"}, "-0'6-1/4\"\n"},
        {{"--style", "decimal", "--units", "feet", "--precision", "2", "31.5"}, "2.62'\n"},
        {{"--units=none", "10", "/", "3"}, "3-5/16\n"},
        {{"--units", "inches", "--precision", "8", "10 / 3"}, "3-85/256\"\n"},
        {{"--style=decimal", "--units=inches", "10 / 3"}, "3.333\"\n"},
        {{"--style=decimal", "--units=mm", "--precision=1", "5'3-1/2\""}, "1612.9 mm\n"},
        {{"--style=decimal", "--units=cm", "--precision=2", "1'"}, "30.48 cm\n"},
        {{"--style=decimal", "--units=m", "--precision=3", "100'"}, "30.48 m\n"},
        {{"59.99"}, "5'0\"\n"},
        {{"2400mm + 1'"}, "8'10-1/2\"\n"},  // a metric operand
        {{"--", "5", "-", "3"}, "0'2\"\n"},
    };
    for (const auto& row : rows) {
        const Outcome r = run(row.arguments);
        EXPECT_EQ(r.status, 0) << row.arguments.back();
        EXPECT_EQ(r.out, row.out) << row.arguments.back();
        EXPECT_EQ(r.err, "");
    }
}

TEST_F(PlumbruleCalc, AnExpressionThatFailsPrintsTheReportAndExitsOne) {
    const Outcome r = run({"5", "/", "0"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "Error 11: Division by zero\n");
    const Outcome unfinished = run({"3-"});
    EXPECT_EQ(unfinished.status, 1);
    EXPECT_EQ(unfinished.out, "Error 100: Invalid fractional or decimal input.\n");
}

TEST_F(PlumbruleCalc, BadOptionsGiveOneLineOnStandardErrorAndExitTwo) {
    const std::vector<std::vector<std::string>> rows = {
        {"--style", "metric", "1"},
        {"--units", "yards", "1"},
        {"--precision", "9", "1"},
        {"--precision"},
        {"--units", "feet", "1"},
        {"--units", "mm", "1"},
        {"--style=fractional", "--units=cm"},
        {"--frobnicate"},
    };
    for (const auto& arguments : rows) {
        const Outcome r = run(arguments);
        EXPECT_EQ(r.status, 2) << arguments.front();
        EXPECT_EQ(r.out, "");
        ASSERT_FALSE(r.err.empty());
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;  // exactly one line
        EXPECT_EQ(r.err.rfind("plumbrule-calc: ", 0), 0u) << r.err;
    }
}

TEST_F(PlumbruleCalc, HelpAndVersionExitZero) {
    const Outcome help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage: plumbrule-calc"), std::string::npos);
    const Outcome version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "plumbrule-calc 1.5.0\n");
}

// Output that cannot be written (a full device) and input that cannot be
// read (a folder), in every mode: one line on standard error, exit status 2.
TEST_F(PlumbruleCalc, InputOrOutputErrorsGiveOneLineOnStandardErrorAndExitTwo) {
    std::ofstream(dir_ / "lines.txt") << "5 + 3\n1 / 0\n";
    const struct {
        std::vector<std::string> arguments;
        fs::path in;
        fs::path out;
        const char* reason;
    } rows[] = {
        {{"5", "+", "3"},
         "/dev/null",
         "/dev/full",
         "cannot write the output: No space left on device"},
        {{"1", "/", "0"},
         "/dev/null",
         "/dev/full",
         "cannot write the output: No space left on device"},
        {{"--help"}, "/dev/null", "/dev/full", "cannot write the output: No space left on device"},
        {{"--version"},
         "/dev/null",
         "/dev/full",
         "cannot write the output: No space left on device"},
        {{}, dir_ / "lines.txt", "/dev/full", "cannot write the output: No space left on device"},
        {{}, dir_, dir_ / "out.txt", "cannot read the input: Is a directory"},
    };
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    for (const auto& row : rows) {
        const std::string context = row.arguments.empty() ? row.in.string() : row.arguments[0];
        const Outcome r = runRedirected(row.arguments, row.in, row.out);
        EXPECT_EQ(r.status, 2) << context;
        EXPECT_EQ(r.err, std::string("plumbrule-calc: ") + row.reason + "\n") << context;
    }
}

TEST_F(PlumbruleCalc, StairPrintsTheWindowsLinesOrOneProblem) {
    const Outcome solved = run({"--stair", "--height", "8'10-1/2\"", "--max-riser", "7.75", "--run",
                                "130", "--max-tread", "10"});
    EXPECT_EQ(solved.status, 0);
    EXPECT_EQ(solved.out,
              "14 Risers @ 7.61\" = 8'10-1/2\"\n13 Treads @ 10.00\" = 10'10\"\n"
              "Stringer 14'0-1/16\" @ 37.3\u00B0, 2R+T 25.2\": steep\n");
    EXPECT_EQ(solved.err, "");

    const Outcome bad = run({"--stair", "--height", "100", "--max-riser", "x"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, "plumbrule-calc: --max-riser \"x\": Error: 13 - Type mismatch\n");
    const Outcome missing = run({"--stair", "--height", "100", "--max-riser"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "plumbrule-calc: --max-riser needs a value\n");
}

TEST_F(PlumbruleCalc, EachToolPrintsItsTabsLinesOrOneProblem) {
    const struct {
        std::vector<std::string> arguments;
        int status;
        const char* out;
        const char* err;
    } rows[] = {
        {{"--triangle", "--rise", "6'", "--run", "8'"},
         0,
         "Rise 6'0\"\nRun 8'0\"\nDiagonal 10'0\"\nAngle 36.9\u00B0\nPitch 9 in 12\n",
         ""},
        {{"--area", "--length", "12'", "--width=10'", "--thickness", "4\""},
         0,
         "Area 120.00 sq ft = 13.33 sq yd = 11.15 m\u00B2\nPerimeter 44'0\"\n"
         "Volume 40.00 cu ft = 1.48 cu yd = 1.133 m\u00B3\nBoard feet 480.00\n",
         ""},
        // 72" at 4.5 in 12 runs 192"; the diagonal is 205.056".
        {{"--triangle", "--rise", "6'", "--style", "decimal", "--units", "mm", "--precision", "1",
          "--pitch", "4.5"},
         0,
         "Rise 1828.8 mm\nRun 4876.8 mm\nDiagonal 5208.4 mm\nAngle 20.6\u00B0\nPitch 4.5 in 12\n",
         ""},
        // A shed rafter drawn in millimetres.
        {{"--triangle", "--rise", "500 mm", "--run=2500mm", "--style=decimal", "--units=mm",
          "--precision=1"},
         0,
         "Rise 500 mm\nRun 2500 mm\nDiagonal 2549.5 mm\nAngle 11.3\u00B0\nPitch 2.4 in 12\n",
         ""},
        {{"--roof", "--pitch", "5", "--span", "18'", "--ridge", "1-1/2\""},
         0,
         "Rise 3'9\"\nCommon rafter 9'8-3/16\"\nPlumb cut 22.6\u00B0, level cut 67.4\u00B0\n"
         "Hip or valley 13'2-1/8\" @ 16.4\u00B0\n",
         ""},
        {{"--spacing", "--length", "4'4\"", "--count", "2"},
         0,
         "2 members, 3 gaps of 1'5-5/16\"\nOn centre 1'5-5/16\"\nMarks 1'5-5/16\", 2'10-11/16\"\n",
         ""},
        {{"--spacing", "--length", "12'", "--on-centre", "16", "--units", "inches"},
         0,
         "10 members @ 16\" on centre\nMarks 15-1/4\", 31-1/4\", 47-1/4\", 63-1/4\", 79-1/4\", "
         "95-1/4\", 111-1/4\", 127-1/4\", 142-1/2\"\n",
         ""},
        {{"--spacing", "--length", "10", "--width", "4", "--count", "3"},
         1,
         "",
         "plumbrule-calc: --spacing (--length, --width, --gap, --count, --on-centre): The "
         "members do not fit in the length.\n"},
        {{"--triangle", "--rise", "6'"},
         1,
         "",
         "plumbrule-calc: --triangle (--rise, --run, --diagonal, --pitch, --angle): Enter two "
         "values: two sides, or one side with the pitch or the angle.\n"},
        {{"--area", "--length", "12'", "--width", "ten"},
         1,
         "",
         "plumbrule-calc: --width \"ten\": Error: 13 - Type mismatch\n"},
    };
    for (const auto& row : rows) {
        const Outcome r = run(row.arguments);
        EXPECT_EQ(r.status, row.status) << row.arguments[2];
        EXPECT_EQ(r.out, row.out);
        EXPECT_EQ(r.err, row.err);
    }
}

TEST_F(PlumbruleCalc, ReadsOneExpressionPerLineAndWritesOneLineEach) {
    const std::string input =
        "5' + 3\n"
        "\n"
        "10 / 3\r\n"
        "3- + 1\n"
        "5 +\n"
        "   \n"
        "5 / 0\n"
        "4'11-15/16\" + 0-1/16";  // the last line has no line break
    const Outcome r = runWithInput({}, input);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out,
              "5'3\"\n"
              "\n"
              "0'3-5/16\"\n"
              "Error 100: Invalid fractional or decimal input.\n"
              "Error 13: Invalid input.\n"
              "\n"
              "Error 11: Division by zero\n"
              "5'0\"\n");
    EXPECT_EQ(r.err, "");
}

TEST_F(PlumbruleCalc, BatchExitsZeroWhenEveryLineEvaluated) {
    const Outcome r = runWithInput({"--style", "decimal", "--units", "none"}, "1 + 1\n\n2.5 * 2\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "2\n\n5\n");
    const Outcome empty = runWithInput({}, "");
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(empty.out, "");
}

TEST_F(PlumbruleCalc, StreamsLongInputLineForLine) {
    std::string input;
    const int lines = 50000;
    for (int i = 0; i < lines; ++i) {
        input += i % 3 == 0 ? "5'3-1/2\" + 0-3/8\n" : i % 3 == 1 ? "10 / 3 * 2\n" : "1 / 0\n";
    }
    const Outcome r = runWithInput({}, input);
    EXPECT_EQ(r.status, 1);
    std::istringstream out(r.out);
    std::string line;
    int count = 0;
    while (std::getline(out, line)) {
        const char* expected = count % 3 == 0   ? "5'3-7/8\""
                               : count % 3 == 1 ? "0'6-11/16\""
                                                : "Error 11: Division by zero";
        if (line != expected) {
            ADD_FAILURE() << "line " << count + 1 << ": " << line;
            break;
        }
        ++count;
    }
    EXPECT_EQ(count, lines);
}

}  // namespace
