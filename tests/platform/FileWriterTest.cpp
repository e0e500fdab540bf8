// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Qt file writer against a real write fault: a file-size limit (as on a
// nearly full disk) set in a child process, so it binds root too and leaves
// the test process alone.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/QtFileWriter.h"

namespace plumbrule {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

// Runs writeFile in a child whose files may not grow beyond `limit` bytes;
// the child hands back what writeFile returned.
FileWriter::Result writeUnderLimit(const fs::path& path, const std::string& bytes, rlim_t limit) {
    int channel[2];
    if (pipe(channel) != 0) return {false, "<no pipe>"};
    const pid_t child = fork();
    if (child < 0) return {false, "<no fork>"};
    if (child == 0) {
        close(channel[0]);
        signal(SIGXFSZ, SIG_IGN);
        rlimit small{};
        getrlimit(RLIMIT_FSIZE, &small);
        small.rlim_cur = limit;
        if (setrlimit(RLIMIT_FSIZE, &small) != 0) _exit(3);
        const FileWriter::Result result = QtFileWriter().writeFile(path.string(), bytes);
        const std::string report = (result.ok ? "1" : "0") + result.error;
        const bool sent =
            write(channel[1], report.data(), report.size()) == static_cast<ssize_t>(report.size());
        _exit(sent ? 0 : 4);
    }
    close(channel[1]);
    std::string report;
    char chunk[256];
    for (ssize_t n; (n = read(channel[0], chunk, sizeof chunk)) > 0;) report.append(chunk, n);
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || report.empty()) {
        return {false, "<child failed>"};
    }
    return {report[0] == '1', report.substr(1)};
}

// Tapes below and above the 16 KiB Qt keeps in its write buffer, against
// limits that let the whole tape in or stop it part way: the tape arrives
// exactly, or the writer says why not and the old file stays byte for byte.
TEST(QtFileWriter, ALimitedDiskGetsTheWholeTapeOrAReasonAndKeepsTheOldFile) {
    const struct {
        std::size_t tapeSize;
        rlim_t limit;
    } rows[] = {
        {100, 64},       {3000, 1024},   {10000, 4096},  {16000, 8192},
        {16384, 16383},  {16385, 16384}, {20000, 16384}, {40000, 32768},
        {100000, 65536}, {100, 65536},   {16384, 65536}, {40000, 65536},
    };
    for (const auto& row : rows) {
        const std::string context =
            std::to_string(row.tapeSize) + " bytes, limit " + std::to_string(row.limit);
        std::string pattern = (fs::temp_directory_path() / "plumbrule-writer-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        const fs::path folder = pattern;
        const fs::path path = folder / "History.txt";
        const std::string old = "5\r\n+ 3\r\n= 8\r\n";
        std::ofstream(path, std::ios::binary) << old;
        std::string tape;
        for (std::size_t i = 0; tape.size() < row.tapeSize; ++i)
            tape += "+ " + std::to_string(i) + "\r\n";
        tape.resize(row.tapeSize);

        const FileWriter::Result result = writeUnderLimit(path, tape, row.limit);
        if (row.tapeSize <= row.limit) {
            EXPECT_TRUE(result.ok) << context << ": " << result.error;
            EXPECT_TRUE(readFile(path) == tape)
                << context << ": " << readFile(path).size() << " bytes";
        } else {
            EXPECT_FALSE(result.ok) << context;
            EXPECT_EQ(result.error, "File too large") << context;
            EXPECT_TRUE(readFile(path) == old)
                << context << ": " << readFile(path).size() << " bytes";
        }
        std::size_t files = 0;
        for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) ++files;
        EXPECT_EQ(files, 1u) << context << ": a temporary file was left";
        fs::remove_all(folder);
    }
}

}  // namespace
}  // namespace plumbrule
