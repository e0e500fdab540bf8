// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Qt settings store and the indicator pictures.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "fakes/FakeMessageDialog.h"
#include "fakes/ModalWatchdog.h"
#include "mainwindow/frmMain.h"
#include "platform/IndicatorImages.h"
#include "platform/QtMessageDialog.h"
#include "platform/QtSettingsStore.h"

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

}  // namespace
}  // namespace plumbrule
