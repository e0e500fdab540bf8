// The About window opened from the main window's About button.
#include <QLabel>
#include <QTimer>

#include "about/frmAbout.h"
#include "mainwindow/MainWindowFixture.h"

namespace plumbrule::testing {
namespace {

class AboutFromMain : public MainWindowTest {
protected:
    // A click given to the main window's platform window, so modality applies.
    void clickThroughWindowSystem(const char* name) {
        QWidget* button = control(name);
        const QPoint at = button->mapTo(window.get(), button->rect().center());
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
    }
};

TEST_F(AboutFromMain, OpensModallyOverTheMainWindowTwiceAlike) {
    start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    for (int opening = 0; opening < 2; ++opening) {
        bool seen = false;
        QTimer::singleShot(0, window.get(), [&] {
            auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
            ASSERT_NE(about, nullptr);
            seen = true;
            EXPECT_EQ(about->parentWidget(), window.get());
            EXPECT_EQ(about->windowTitle(), "About Plumbrule");
            EXPECT_EQ(about->findChild<QLabel*>("lblVersion")->text(), "Version 1.5.0");
            // Clicks on the main window, as the window system delivers them,
            // do nothing while it is open.
            clickThroughWindowSystem("cmdNum_7");
            EXPECT_EQ(display(), "0");
            QTest::mouseClick(about->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        });
        click("cmdAbout");  // returns once the window is closed
        EXPECT_TRUE(seen);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
    clickThroughWindowSystem("cmdNum_7");
    EXPECT_EQ(display(), "7");
}

}  // namespace
}  // namespace plumbrule::testing
