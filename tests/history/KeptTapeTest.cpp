// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The tape kept between runs, on real files in a temporary data folder:
// restarts of the main window, a damaged kept file, a full disk, a folder that
// cannot be written and two windows writing at once.
#include "history/KeptTape.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <atomic>
#include <csignal>
#include <set>
#include <thread>

#include "history/frmHistory.h"
#include "platform/QtDataFiles.h"
#include "platform/QtSettingsStore.h"
#include "platform/VirtualKey.h"
#include "support/MainWindowFixture.h"

namespace plumbrule {
namespace {

void writeTo(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Each test has its own data folder, where the kept tape goes.
class KeptTapeTest : public testing::MainWindowTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(data.isValid());
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        keptPath = QString::fromStdString(frmMain::keptTapePath());
    }

    // Digits, + and Enter (=), Delete (D), typed on the keyboard.
    void type(const std::string& keys) {
        for (const char key : keys) {
            if (key == '+')
                window->Form_KeyDown(vkOemPlus, maskShift);
            else if (key == '=' || key == 'D')
                window->Form_KeyDown(key == '=' ? vkReturn : vkDelete, 0);
            else
                window->Form_KeyDown(vk0 + (key - '0'), 0);
        }
    }
    std::string tape() const { return window->historyTape().text(); }
    void restart() {
        window->close();
        window.reset();
        start();
        QApplication::processEvents();  // the restore runs once the window is up
    }

    QTemporaryDir data;
    QString keptPath;
};

TEST_F(KeptTapeTest, ARestartShowsTheTapeAndTheNextCalculationContinuesIt) {
    settings.values = {{"Output", "1"}, {"Format", "0"}};
    start();
    type("9+9=");
    restart();  // the command off: nothing kept, nothing written
    EXPECT_EQ(tape(), "");
    EXPECT_TRUE(QDir(data.path()).isEmpty());
    window->keptTape().setEnabled(true);
    type("5+3=DD7+4=");
    restart();
    EXPECT_EQ(tape(), "5\r\n+ 3\r\n= 8\r\nclr\r\n\r\n7\r\n+ 4\r\n= 11");
    type("2+2=DD");  // and ended on the clear mark: one blank line after it
    restart();
    type("1+1=");
    EXPECT_EQ(tape(),
              "5\r\n+ 3\r\n= 8\r\nclr\r\n\r\n7\r\n+ 4\r\n= 11\r\n\r\n2\r\n+ 2\r\n= "
              "4\r\nclr\r\n\r\n1\r\n+ 1\r\n= 2");
    // Clear empties the kept tape too; turning the command off deletes it.
    window->historyWindow()->mnuClear_Click();
    restart();
    EXPECT_EQ(tape(), "");
    window->keptTape().setEnabled(false);
    EXPECT_FALSE(QFile::exists(keptPath));
    EXPECT_EQ(settings.values["KeepTape"], "0");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(KeptTapeTest, ADamagedKeptFileIsSetAsideAndReportedOnce) {
    settings.values = {{"Output", "1"}, {"Format", "0"}, {"KeepTape", "1"}};
    const struct {
        const char* what;
        std::function<void()> damage;
    } rows[] = {
        {"binary", [&] { writeTo(keptPath, QByteArray("5\r\n\0\x89PNG", 8)); }},
        {"too large", [&] { writeTo(keptPath, "5"), QFile::resize(keptPath, 17 << 20); }},
        {"a folder", [&] { QDir().mkpath(keptPath); }},
    };
    for (const auto& row : rows) {
        QDir(data.path()).removeRecursively();
        QDir().mkpath(QFileInfo(keptPath).path());
        row.damage();
        const QByteArray before = readFile(keptPath);
        messages.shown.clear();
        start();
        QApplication::processEvents();
        type("5+3=");
        window->close();
        ASSERT_EQ(messages.shown.size(), 1u) << row.what;
        EXPECT_NE(messages.lastText().find(keptPath.toStdString()), std::string::npos);
        const QStringList aside =
            QDir(QFileInfo(keptPath).path()).entryList({"tape.txt.damaged-*"}, QDir::AllEntries);
        ASSERT_EQ(aside.size(), 1) << row.what;
        EXPECT_EQ(readFile(QFileInfo(keptPath).path() + "/" + aside[0]), before) << row.what;
        EXPECT_EQ(readFile(keptPath), "5\r\n+ 3\r\n= 8\r\n") << row.what;
    }
}

// A file-size limit (as on a full disk) binds root too, and so does a folder
// below a regular file: the old file stays whole, the user hears once.
TEST_F(KeptTapeTest, AFullDiskOrAnUnwritableFolderKeepsTheOldFileAndIsReportedOnce) {
    writeTo(data.filePath("plain"), {});
    for (const auto& [path, limit] : {std::pair{keptPath, rlim_t{4096}},
                                      std::pair{data.filePath("plain/tape.txt"), RLIM_INFINITY}}) {
        QtDataFiles files;
        HistoryTape tape;
        messages.shown.clear();
        KeptTape kept(tape, {files, messages, settings, path.toStdString(), {}, {}});
        tape.setChangeObserver([&kept] { kept.tapeChanged(); });
        kept.setEnabled(true);
        const QByteArray before = readFile(path);
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit small{limit, saved.rlim_max};
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        for (int key = 0; key < 3; ++key) {
            RecordHistory(tape, std::string(20000, '5'), 0);
            kept.save();
        }
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, handler);
        EXPECT_EQ(messages.shown.size(), 1u) << path.toStdString();
        EXPECT_EQ(readFile(path), before);
        kept.save();  // room again: the whole tape arrives
        EXPECT_EQ(readFile(path).size(), limit == 4096 ? 60002 : 9);  // "<missing>"
        tape.setChangeObserver({});
    }
}

TEST_F(KeptTapeTest, TheChoiceIsInTheSettingsFileAtOnceNotOnlyAtAQuietEnd) {
    QtDataFiles files;
    HistoryTape tape;
    QtSettingsStore store(data.filePath("Plumbrule.conf"));
    KeptTape(tape, {files, messages, store, keptPath.toStdString(), {}, {}}).setEnabled(true);
    EXPECT_EQ(QSettings(data.filePath("Plumbrule.conf"), QSettings::NativeFormat).value("KeepTape"),
              "1");
}

TEST_F(KeptTapeTest, TwoWindowsWritingAtOnceNeverTearTheFile) {
    QtDataFiles files;
    const std::string path = keptPath.toStdString(), one(300000, '1'), two(200000, '2');
    std::atomic<int> running = 2;
    const auto writer = [&](const std::string& bytes) {
        for (int i = 0; i < 40; ++i) files.writeFile(path, bytes);
        --running;
    };
    files.writeFile(path, one);
    std::thread first(writer, one), second(writer, two);
    std::set<QByteArray> seen;
    while (running > 0) seen.insert(readFile(keptPath));
    first.join();
    second.join();
    seen.erase(QByteArray::fromStdString(one));
    seen.erase(QByteArray::fromStdString(two));
    EXPECT_TRUE(seen.empty());  // only ever one window's whole tape
}

}  // namespace
}  // namespace plumbrule
