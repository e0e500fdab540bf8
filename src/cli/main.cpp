// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// plumbrule-calc: the calculator's engine on the command line.
#include <poll.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "cli/CalcOptions.h"
#include "cli/ExpressionEvaluator.h"
#include "cli/ToolCommand.h"

namespace {

using plumbrule::cli::CommandLine;
using plumbrule::cli::ExpressionEvaluator;
using plumbrule::cli::LineResult;

constexpr int kEvaluated = 0;
constexpr int kReportedError = 1;
// A bad option, or input that could not be read or output that could not be
// written: the one line on standard error says which.
constexpr int kTrouble = 2;

// Standard output, gathered and written in large blocks, except on a
// terminal, where each line is shown as soon as it is evaluated. The first
// failed write is remembered with its reason (a full disk, a closed device),
// so no mode can end as if its answer had been delivered.
class Output {
  public:
    explicit Output(bool flushEachLine) : flushEachLine_(flushEachLine) {
        buffer_.reserve(kBlock + 256);
    }
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    void write(std::string_view text) {
        buffer_ += text;
        if (flushEachLine_ || buffer_.size() >= kBlock) flush();
    }
    void writeLine(std::string_view line) {
        buffer_ += line;
        write("\n");
    }
    void flush() {
        errno = 0;
        if (failure_ == 0 && !buffer_.empty() &&
            std::fwrite(buffer_.data(), 1, buffer_.size(), stdout) != buffer_.size()) {
            noteFailure();
        }
        buffer_.clear();
        if (failure_ == 0 && std::fflush(stdout) != 0) noteFailure();
    }
    bool failed() const { return failure_ != 0; }

    // Writes what is left; a failure gives its one line on standard error.
    int finish(int status) {
        flush();
        if (!failed()) return status;
        std::fprintf(stderr, "plumbrule-calc: cannot write the output: %s\n",
                     std::strerror(failure_));
        return kTrouble;
    }

  private:
    void noteFailure() { failure_ = errno != 0 ? errno : EIO; }

    static constexpr std::size_t kBlock = 1 << 16;
    bool flushEachLine_;
    std::string buffer_;
    int failure_ = 0;
};

// Reads standard input as it arrives: what is there, at most `size` bytes;
// 0 at the end. A descriptor left non-blocking by the caller is waited on.
ssize_t readInput(char* data, std::size_t size) {
    for (;;) {
        const ssize_t got = ::read(STDIN_FILENO, data, size);
        if (got >= 0) return got;
        if (errno == EINTR) continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK) return got;
        pollfd input{STDIN_FILENO, POLLIN, 0};
        ::poll(&input, 1, -1);
    }
}

// One expression per line of standard input, one output line per input line.
int evaluateStandardInput(ExpressionEvaluator& evaluator) {
    Output out(isatty(STDOUT_FILENO) == 1);
    std::array<char, 1 << 16> chunk{};
    bool anyFailed = false;
    bool lineOpen = false;
    int readFailure = 0;
    while (!out.failed()) {
        // read() hands over what has arrived, so a line typed on a terminal
        // is answered at once instead of waiting for a full block.
        const ssize_t size = readInput(chunk.data(), chunk.size());
        if (size < 0) readFailure = errno;
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
    // A last line without its line break is answered, unless reading failed:
    // then it may be cut short, and its answer would be for another length.
    if (lineOpen && readFailure == 0) {
        const LineResult result = evaluator.finishLine();
        anyFailed = anyFailed || result.failed;
        out.writeLine(result.text);
    }
    const int status = out.finish(anyFailed ? kReportedError : kEvaluated);
    if (status != kTrouble && readFailure != 0) {
        std::fprintf(stderr, "plumbrule-calc: cannot read the input: %s\n",
                     std::strerror(readFailure));
        return kTrouble;
    }
    return status;
}

// A tool's answer: its lines on standard output, or, for a missing or bad
// value, its one problem line on standard error and nothing on standard
// output.
int printAnswer(const plumbrule::cli::ToolCommandAnswer& answer) {
    if (!answer.problem.empty()) {
        std::fprintf(stderr, "plumbrule-calc: %s\n", answer.problem.c_str());
        return kReportedError;
    }
    Output out(false);
    for (const std::string& result : answer.lines) out.writeLine(result);
    return out.finish(kEvaluated);
}

}  // namespace

int main(int argc, char** argv) {
    const CommandLine line =
        plumbrule::cli::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (line.action) {
        case CommandLine::Action::ShowHelp: {
            Output out(false);
            out.write(plumbrule::cli::usageText());
            return out.finish(kEvaluated);
        }
        case CommandLine::Action::ShowVersion: {
            Output out(false);
            out.writeLine("plumbrule-calc " PLUMBRULE_VERSION);
            return out.finish(kEvaluated);
        }
        case CommandLine::Action::Refuse:
            std::fprintf(stderr, "plumbrule-calc: %s\n", line.problem.c_str());
            return kTrouble;
        case CommandLine::Action::Tool:
            return printAnswer(plumbrule::cli::solveToolCommand(line.tool, line.form));
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
    Output out(false);
    out.writeLine(result.text);
    return out.finish(result.failed ? kReportedError : kEvaluated);
}
