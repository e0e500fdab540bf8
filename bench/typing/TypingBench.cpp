// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Typing speed with a growing history tape: types keyboard calculations
// through frmMain::Form_KeyDown with the main window and the history window
// shown (offscreen unless a platform is chosen), and reports the median time
// of one key for the first and the last 1,000 keys, and the total.
//
//   typing_bench [calculations] [kept]      (default 100000)
//
// With "kept", Keep Tape Between Runs is on and the run starts from a kept
// tape of about 2 MB (in a temporary data folder), saved again about once a
// second while the keys are typed.
//
// The tape must not slow typing down: the last median should stay within
// 1.5 times the first.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <string>
#include <vector>

#include "entry/KeyboardMap.h"
#include "history/frmHistory.h"
#include "mainwindow/frmMain.h"
#include "platform/MessageDialog.h"
#include "platform/SettingsStore.h"

namespace {

using namespace plumbrule;

class SilentMessages : public MessageDialog {
  public:
    void show(const std::string&, MessageIcon, const std::string&) override { ++shown; }
    bool askYesNo(const std::string&, MessageIcon, const std::string&) override {
        ++shown;
        return false;
    }
    int shown = 0;
};

class MemorySettings : public SettingsStore {
  public:
    Value ReadValue(const std::string& name) override {
        const auto found = values.find(name);
        return found == values.end() ? Value{} : Value{found->second, true};
    }
    void WriteValue(const std::string& name, const std::string& text) override {
        values[name] = text;
    }
    std::map<std::string, std::string> values;
};

// CPU time of this thread, in microseconds: unlike the wall clock it does not
// count the time other programs of a busy machine take.
double threadMicroseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

double median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// One calculation as typed: a number, an operator, a number, Enter; numbers
// of one to three digits from a fixed pseudo-random sequence.
void appendCalculation(std::vector<std::pair<int, int>>& keys, unsigned& seed) {
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7fff; };
    auto number = [&] {
        const unsigned digits = 1 + next() % 3;
        for (unsigned i = 0; i < digits; ++i)
            keys.push_back({vk0 + 1 + static_cast<int>(next() % 9), 0});
    };
    static const std::pair<int, int> operators[] = {
        {vkOemPlus, maskShift}, {vkOemMinus, 0}, {vk8, maskShift}, {vkOem2, 0}};
    number();
    keys.push_back(operators[next() % 4]);
    number();
    keys.push_back({vkReturn, 0});
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const long calculations = argc > 1 ? std::atol(argv[1]) : 100000;

    SilentMessages messages;
    MemorySettings settings;
    settings.values = {{"Output", "1"}, {"Format", "0"}};  // decimal, unit form None
    QTemporaryDir data;
    if (argc > 2 && std::string(argv[2]) == "kept") {
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        const QString path = QString::fromStdString(frmMain::keptTapePath());
        QDir().mkpath(QFileInfo(path).path());
        QFile kept(path);
        if (!kept.open(QIODevice::WriteOnly)) return 2;
        for (qint64 written = 0; written < 2000000;)
            written += kept.write("\r\n\r\n12\r\n+ 345\r\n= 357");
        kept.close();
        settings.values["KeepTape"] = std::string(1, '1');  // GCC 12 warns falsely on a literal
    }
    frmMain window(messages, settings);
    window.Form_Load();
    QCoreApplication::processEvents();  // the kept tape is read in once the window is up
    const auto opening = std::chrono::steady_clock::now();
    window.cmdHistory_Click();  // the history window shown beside it
    const double openMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - opening)
            .count();

    std::vector<std::pair<int, int>> keys;
    unsigned seed = 20261207;
    for (long i = 0; i < calculations; ++i) appendCalculation(keys, seed);

    using Clock = std::chrono::steady_clock;
    std::vector<double> wall, cpu, keyOnly, repaint;
    for (auto* v : {&wall, &cpu, &keyOnly, &repaint}) v->reserve(keys.size());
    const auto start = Clock::now();
    for (const auto& [code, mask] : keys) {
        const auto before = Clock::now();
        const double cpuBefore = threadMicroseconds();
        window.Form_KeyDown(code, mask);
        const double cpuKeyed = threadMicroseconds();
        QCoreApplication::processEvents();  // let the windows repaint, as between real key presses
        const double cpuAfter = threadMicroseconds();
        wall.push_back(std::chrono::duration<double, std::micro>(Clock::now() - before).count());
        cpu.push_back(cpuAfter - cpuBefore);
        keyOnly.push_back(cpuKeyed - cpuBefore);
        repaint.push_back(cpuAfter - cpuKeyed);
    }
    const double total = std::chrono::duration<double>(Clock::now() - start).count();

    // The keys that write to the tape (operators and Enter), on their own.
    std::vector<double> writing;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const int code = keys[i].first;
        if (code != vk8 && (code < vk0 || code > vk9)) writing.push_back(cpu[i]);
        if (code == vk8 && keys[i].second == maskShift) writing.push_back(cpu[i]);
    }

    const std::size_t n = std::min<std::size_t>(1000, writing.size());
    auto firstMedian = [n](const std::vector<double>& v) {
        return median({v.begin(), v.begin() + n});
    };
    auto lastMedian = [n](const std::vector<double>& v) { return median({v.end() - n, v.end()}); };
    const auto* Text1 = window.historyWindow()->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    std::printf("calculations           %ld\n", calculations);
    std::printf("keys                   %zu\n", keys.size());
    std::printf("tape                   %zu bytes, %d lines in Text1\n",
                window.historyTape().text().size(), Text1->document()->blockCount());
    std::printf("history window opened  %.1f ms, with the tape there was\n", openMs);
    std::printf("median per key, us     first 1000   last 1000   last/first\n");
    const struct {
        const char* name;
        const std::vector<double>& values;
    } rows[] = {{"wall clock", wall},
                {"CPU time", cpu},
                {"  Form_KeyDown", keyOnly},
                {"  repaint", repaint},
                {"CPU, tape-writing keys", writing}};
    for (const auto& row : rows) {
        const double first = firstMedian(row.values), last = lastMedian(row.values);
        std::printf("%-22s %10.2f %11.2f %12.2f\n", row.name, first, last, last / first);
    }
    std::printf("total                  %.2f s wall\n", total);
    const double ratio = lastMedian(cpu) / firstMedian(cpu);
    std::printf("target: CPU last/first <= 1.5: %s\n", ratio <= 1.5 ? "met" : "MISSED");
    window.close();
    return ratio <= 1.5 ? 0 : 1;
}
