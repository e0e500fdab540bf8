// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/frmAbout.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "about/AboutLayout.h"

namespace plumbrule {
namespace {

template <typename T>
T* control(const QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

TEST(AboutWindow, ShowsTitleVersionAndDescription) {
    frmAbout about;
    EXPECT_EQ(about.windowTitle(), "About Plumbrule");
    EXPECT_EQ(control<QLabel>(about, "lblTitle")->text(), "Plumbrule");
    EXPECT_EQ(control<QLabel>(about, "lblVersion")->text(), "Version 1.5.0");
    const QString description = control<QLabel>(about, "lblDescription")->text();
    EXPECT_TRUE(description.contains("Plumbrule"));
    EXPECT_TRUE(description.contains("@"));
    EXPECT_EQ(control<QPushButton>(about, "cmdOK")->text(), "OK");
    EXPECT_TRUE(control<QPushButton>(about, "cmdOK")->isDefault());
    EXPECT_EQ(about.size(), QSize(382, 223));
    EXPECT_FALSE(control<QLabel>(about, "picIcon")->pixmap().isNull());
    EXPECT_FALSE(control<QLabel>(about, "Picture1")->pixmap().isNull());
    const QFont title = control<QLabel>(about, "lblTitle")->font();
    EXPECT_TRUE(title.bold());
    EXPECT_EQ(title.pointSize(), 12);
    EXPECT_EQ(control<QLabel>(about, "lblTitle")->palette().color(QPalette::WindowText),
              QColor(192, 0, 0));
}

TEST(AboutWindow, EveryControlSitsWhereTheLayoutTablePutsIt) {
    frmAbout about;
    for (const ControlPlace& row : about_layout::controls) {
        const std::string name(row.name);
        EXPECT_EQ(control<QWidget>(about, name.c_str())->geometry(), PixelRect(row.place)) << name;
    }
}

TEST(AboutWindow, VersionComesFromTheProjectVersion) {
    EXPECT_EQ(frmAbout::versionText(), QStringLiteral("Version %1.%2.%3")
                                           .arg(PLUMBRULE_VERSION_MAJOR)
                                           .arg(PLUMBRULE_VERSION_MINOR)
                                           .arg(PLUMBRULE_VERSION_PATCH));
}

// Runs the About window modally over an owner window; `whileOpen` runs once it
// is up. A watchdog closes any modal window left open so no test can hang.
void runModal(QWidget& owner, const std::function<void(frmAbout&)>& whileOpen, int* result) {
    frmAbout about(&owner);
    bool ran = false;
    QTimer::singleShot(0, &owner, [&] {
        ran = true;
        whileOpen(about);
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, &owner, [&] {
        ADD_FAILURE() << "the About window stayed open";
        about.reject();
    });
    watchdog.start(5000);
    *result = about.exec();
    EXPECT_TRUE(ran);
}

TEST(AboutWindow, IsModalCentredOverItsOwnerAndClosesWithOK) {
    QWidget owner;
    owner.setGeometry(100, 100, 300, 200);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    int result = -1;
    runModal(
        owner,
        [&](frmAbout& about) {
            EXPECT_EQ(QApplication::activeModalWidget(), &about);
            EXPECT_TRUE(about.isModal());
            // The main window takes no clicks while it is open.
            EXPECT_TRUE(QApplication::activeModalWidget() != &owner);
            EXPECT_LE(
                (about.frameGeometry().center() - owner.frameGeometry().center()).manhattanLength(),
                2);
            QTest::mouseClick(about.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        },
        &result);
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(AboutWindow, EnterAndEscapeBothClose) {
    QWidget owner;
    owner.show();
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        int result = -1;
        const auto press = [&](frmAbout& about) { QTest::keyClick(&about, key); };
        runModal(owner, press, &result);
        EXPECT_NE(result, -1) << key;
    }
}

TEST(AboutWindow, ASecondOpeningShowsTheSameTexts) {
    QWidget owner;
    for (int opening = 0; opening < 2; ++opening) {
        frmAbout about(&owner);
        EXPECT_EQ(control<QLabel>(about, "lblVersion")->text(), "Version 1.5.0");
        EXPECT_EQ(about.windowTitle(), "About Plumbrule");
    }
    const QString folder = qEnvironmentVariable("PLUMBRULE_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        frmAbout about;
        about.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
        about.grab().save(folder + QStringLiteral("/plumbrule-about.png"));
    }
}

}  // namespace
}  // namespace plumbrule
