// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Qt settings store and the indicator pictures.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <utility>

#include <QAbstractButton>
#include <QPushButton>
#include "mainwindow/frmMain.h"
#include "platform/IndicatorImages.h"
#include "platform/QtMessageDialog.h"
#include "platform/QtSettingsStore.h"
#include "platform/Screens.h"
#include "support/FakeMessageDialog.h"
#include "support/ModalWatchdog.h"
#include "tools/frmStair.h"

namespace plumbrule {
namespace {

QString readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

TEST(QtSettingsStore, AbsentValuesReadAsEmptyText) {
    QTemporaryDir folder;
    QtSettingsStore store(folder.filePath(QStringLiteral("Plumbrule.conf")));
    const SettingsStore::Value value = store.ReadValue("Top");
    EXPECT_FALSE(value.exists);
    EXPECT_EQ(value.text, "");
}

TEST(QtSettingsStore, KeepsTextsAtTheTopLevelBetweenRuns) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Plumbrule.conf"));
    {
        QtSettingsStore store(path);
        store.WriteValue("Top", "1500");
        store.WriteValue("ShowOptions", "True");
        store.WriteValue("Round", "");
    }
    const QString file = readFile(path);
    EXPECT_TRUE(file.contains(QStringLiteral("[General]"))) << file.toStdString();
    EXPECT_TRUE(file.contains(QStringLiteral("Top=1500"))) << file.toStdString();
    EXPECT_TRUE(file.contains(QStringLiteral("ShowOptions=True"))) << file.toStdString();

    QtSettingsStore again(path);
    EXPECT_EQ(again.ReadValue("Top").text, "1500");
    EXPECT_TRUE(again.ReadValue("Top").exists);
    EXPECT_EQ(again.ReadValue("ShowOptions").text, "True");
    EXPECT_TRUE(again.ReadValue("Round").exists);
    EXPECT_EQ(again.ReadValue("Round").text, "");
}

TEST(QtSettingsStore, HandEditedValuesReadBackAsWritten) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Plumbrule.conf"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[General]\nTop=1,5\nLeft=\"  12 \"\nOutput=@Invalid()\nFormat=abc\n");
    file.close();
    QtSettingsStore store(path);
    EXPECT_EQ(store.ReadValue("Top").text, "1,5");
    EXPECT_EQ(store.ReadValue("Left").text, "  12 ");
    EXPECT_EQ(store.ReadValue("Format").text, "abc");
    EXPECT_EQ(store.ReadValue("Output").text, "");
}

TEST(QtSettingsStore, UserScopeFileOfPlumbriteAndPlumbrule) {
    QtSettingsStore store;
    const QString expected =
        qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Plumbrite/Plumbrule.conf");
    ASSERT_FALSE(qEnvironmentVariable("XDG_CONFIG_HOME").isEmpty());
    EXPECT_EQ(QDir::cleanPath(store.fileName()), QDir::cleanPath(expected));
}

// The real store behind the real window: what one run saves, the next restores.
TEST(QtSettingsStore, MainWindowRoundTrip) {
    testing::ModalWatchdog watchdog;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Plumbrule.conf"));
    testing::FakeMessageDialog messages;
    {
        QtSettingsStore store(path);
        frmMain window(messages, store);
        window.Form_Load();
        window.move(150, 90);
        window.cmdOptions_Click();
        window.optOutput_Click(1);
        window.close();
    }
    const QString file = readFile(path);
    for (const char* line :
         {"Top=1350", "Left=2250", "ShowOptions=True", "Output=1", "Format=1", "Round=4"}) {
        EXPECT_TRUE(file.contains(QLatin1String(line))) << line << "\n" << file.toStdString();
    }
    QtSettingsStore store(path);
    frmMain window(messages, store);
    window.Form_Load();
    EXPECT_EQ(window.pos(), QPoint(150, 90));
    EXPECT_TRUE(window.blnShowOptions());
    EXPECT_EQ(window.optionsPanel().output, okDecimal);
    EXPECT_TRUE(messages.shown.empty());
}

// Opens a FIFO for writing and closes it again, which ends a read that is
// stuck on it, if the test under way has not finished within five seconds.
class FifoRelease {
  public:
    explicit FifoRelease(std::string path) : path_(std::move(path)), thread_([this] { run(); }) {}
    ~FifoRelease() {
        done_ = true;
        thread_.join();
    }
    bool wasNeeded() const { return needed_; }

  private:
    void run() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!done_) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            if (std::chrono::steady_clock::now() < deadline) continue;
            const int fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                needed_ = true;
                ::close(fd);
            }
        }
    }

    std::string path_;
    std::atomic<bool> done_{false};
    std::atomic<bool> needed_{false};
    std::thread thread_;
};

// A FIFO or a folder where the settings file belongs: the window starts with
// the defaults and closes without waiting on it or replacing it.
TEST(QtSettingsStore, APathThatIsNotARegularFileGivesTheDefaultsAndStaysAsItWas) {
    testing::ModalWatchdog watchdog;
    for (const bool fifo : {true, false}) {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Plumbrule.conf"));
        const std::string native = path.toStdString();
        ASSERT_EQ(fifo ? ::mkfifo(native.c_str(), 0600) : ::mkdir(native.c_str(), 0700), 0);
        testing::FakeMessageDialog messages;
        FifoRelease release(native);
        {
            QtSettingsStore store(path);
            frmMain window(messages, store);
            window.Form_Load();
            EXPECT_FALSE(window.blnShowOptions());
            EXPECT_EQ(window.optionsPanel().output, okFractional);
            window.cmdOptions_Click();
            window.close();
        }
        EXPECT_FALSE(release.wasNeeded()) << (fifo ? "FIFO" : "folder") << ": blocked on it";
        struct stat status = {};
        ASSERT_EQ(::stat(native.c_str(), &status), 0);
        EXPECT_TRUE(fifo ? S_ISFIFO(status.st_mode) : S_ISDIR(status.st_mode));
        EXPECT_TRUE(messages.shown.empty());
    }
}

TEST(QtMessageDialog, CriticalBoxWithOneOkButtonAndTheProgramTitle) {
    testing::ModalWatchdog watchdog;
    QtMessageDialog messages;
    bool seen = false;
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = true;
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Plumbrule"));
        EXPECT_EQ(box->text(), QStringLiteral("Error 11: Division by zero"));
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        EXPECT_EQ(box->buttons().size(), 1);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        box->accept();
    });
    messages.show("Error 11: Division by zero", MessageIcon::Critical);
    EXPECT_TRUE(seen);
}

// Enter and Escape close a box as they come up; the release of the key that
// opened the box, coming up in it, leaves it open.
TEST(QtMessageDialog, EnterAndEscapeCloseTheBoxAsTheyComeUp) {
    testing::ModalWatchdog watchdog;
    QtMessageDialog messages;
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        bool openWhileDown = false;
        QTimer::singleShot(0, [key, &openWhileDown] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            QWidget* focus = box->focusWidget() ? box->focusWidget() : box;
            QTest::keyRelease(focus, key);
            QTest::keyPress(focus, key);
            openWhileDown = box->isVisible();
            QTest::keyRelease(focus, key);
        });
        messages.show("Error 11: Division by zero", MessageIcon::Critical);
        EXPECT_TRUE(openWhileDown) << key;
    }
}

TEST(QtMessageDialog, AQuestionHasYesAndNoWithNoAsTheDefault) {
    testing::ModalWatchdog watchdog;
    QtMessageDialog messages;
    for (const bool yes : {false, true}) {
        QTimer::singleShot(0, [yes] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
            EXPECT_EQ(static_cast<QAbstractButton*>(box->defaultButton()),
                      box->button(QMessageBox::No));
            box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        EXPECT_EQ(messages.askYesNo("History.txt already exists.", MessageIcon::Exclamation), yes);
    }
}

TEST(QtMessageDialog, TheStairWindowsBoxesAppearOverIt) {
    testing::ModalWatchdog watchdog;
    QWidget main;
    QtMessageDialog messages(&main);
    frmStair stair(messages, [] { return DisplayOptions{}; });
    stair.show();
    QWidget* owner = nullptr;
    QTimer::singleShot(0, [&owner] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        owner = box->parentWidget();
        box->close();
    });
    stair.cmdCalculate_Click();  // nothing entered: a message
    EXPECT_EQ(owner, &stair);
}

// A box nobody closes fails the test instead of hanging it.
void showABoxNobodyCloses() {
    testing::ModalWatchdog watchdog(200);
    QtMessageDialog messages;
    messages.show("left open", MessageIcon::Exclamation, "Stair Calculator");
}

TEST(ModalWatchdog, ClosesAForgottenBoxAndFails) {
    EXPECT_NONFATAL_FAILURE(showABoxNobodyCloses(), "unexpected modal dialog: QMessageBox");
}

TEST(IndicatorImages, FourSignsAndABlank) {
    const auto inked = [](int number) {
        const QImage picture = IndicatorImage(number).toImage();
        EXPECT_EQ(picture.size(), QSize(20, 20)) << number;
        int count = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) count += qAlpha(picture.pixel(x, y)) > 128;
        }
        return count;
    };
    EXPECT_EQ(inked(5), 0);
    EXPECT_EQ(inked(0), 0);
    const int plus = inked(1), minus = inked(2), cross = inked(3), divide = inked(4);
    EXPECT_GT(minus, 0);
    EXPECT_GT(plus, minus);
    EXPECT_GT(cross, minus);
    EXPECT_GT(divide, minus) << "the dots";
    EXPECT_NE(IndicatorImage(1).toImage(), IndicatorImage(3).toImage());
}

// Wayland gives every window the place 0,0: no place is saved from it.
TEST(Screens, OnlyAPlatformThatKnowsWindowPlacesReportsThem) {
    EXPECT_TRUE(ReportsWindowPlace(u"xcb"));
    EXPECT_TRUE(ReportsWindowPlace(u"offscreen"));
    EXPECT_FALSE(ReportsWindowPlace(u"wayland"));
    EXPECT_FALSE(ReportsWindowPlace(u"wayland-egl"));
}

}  // namespace
}  // namespace plumbrule
