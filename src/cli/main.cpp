// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// plumbrule-calc: the calculator's engine on the command line.
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/CalcOptions.h"
#include "cli/ExpressionEvaluator.h"

namespace {

using plumbrule::cli::CommandLine;
using plumbrule::cli::ExpressionEvaluator;
using plumbrule::cli::LineResult;

constexpr int kEvaluated = 0;
constexpr int kReportedError = 1;
constexpr int kBadOption = 2;

// Output is gathered and written in large blocks, except on a terminal,
// where each line is shown as soon as it is evaluated.
class LineWriter {
  public:
    explicit LineWriter(bool flushEachLine) : flushEachLine_(flushEachLine) {
        buffer_.reserve(kBlock + 256);
    }
    ~LineWriter() { flush(); }
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    void writeLine(const std::string& line) {
        buffer_ += line;
        buffer_ += '\n';
        if (flushEachLine_ || buffer_.size() >= kBlock) flush();
    }
    void flush() {
        if (!buffer_.empty()) std::fwrite(buffer_.data(), 1, buffer_.size(), stdout);
        buffer_.clear();
        std::fflush(stdout);
    }

  private:
    static constexpr std::size_t kBlock = 1 << 16;
    bool flushEachLine_;
    std::string buffer_;
};

// One expression per line of standard input, one output line per input line.
int evaluateStandardInput(ExpressionEvaluator& evaluator) {
    LineWriter out(isatty(STDOUT_FILENO) == 1);
    std::array<char, 1 << 16> chunk{};
    bool anyFailed = false;
    bool lineOpen = false;
    for (;;) {
        // read() hands over what has arrived, so a line typed on a terminal
        // is answered at once instead of waiting for a full block.
        const ssize_t size = ::read(STDIN_FILENO, chunk.data(), chunk.size());
        if (size < 0 && errno == EINTR) continue;
        if (size <= 0) break;
        const std::string_view data(chunk.data(), static_cast<std::size_t>(size));
        std::size_t start = 0;
        for (std::size_t end = data.find('\n'); end != std::string_view::npos;
             end = data.find('\n', start)) {
            evaluator.feed(data.substr(start, end - start));
            const LineResult result = evaluator.finishLine();
            anyFailed = anyFailed || result.failed;
            out.writeLine(result.text);
            start = end + 1;
        }
        evaluator.feed(data.substr(start));
        lineOpen = start < data.size();
    }
    if (lineOpen) {  // a last line without its line break
        const LineResult result = evaluator.finishLine();
        anyFailed = anyFailed || result.failed;
        out.writeLine(result.text);
    }
    out.flush();
    if (std::ferror(stdout)) {
        std::fputs("plumbrule-calc: cannot write the output\n", stderr);
        return kReportedError;
    }
    return anyFailed ? kReportedError : kEvaluated;
}

}  // namespace

int main(int argc, char** argv) {
    const CommandLine line =
        plumbrule::cli::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (line.action) {
        case CommandLine::Action::ShowHelp:
            std::fputs(plumbrule::cli::usageText().c_str(), stdout);
            return kEvaluated;
        case CommandLine::Action::ShowVersion:
            std::puts("plumbrule-calc " PLUMBRULE_VERSION);
            return kEvaluated;
        case CommandLine::Action::Refuse:
            std::fprintf(stderr, "plumbrule-calc: %s\n", line.problem.c_str());
            return kBadOption;
        case CommandLine::Action::Evaluate:
            break;
    }

    ExpressionEvaluator evaluator(line.form);
    if (!line.hasExpression) return evaluateStandardInput(evaluator);

    for (const std::string& word : line.expression) {
        evaluator.feed(word);
        evaluator.feed(" ");
    }
    const LineResult result = evaluator.finishLine();
    std::puts(result.text.c_str());
    return result.failed ? kReportedError : kEvaluated;
}
