// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Captions at 150 % and 200 %: Qt scales the window and its fonts together,
// but text is measured with hinted fonts at the scaled size, so a caption
// that just fits at 100 % can overflow at another scale. Each caption is
// measured with the fonts the set-up script installs (Liberation Sans for
// Arial, DejaVu Sans), at the scaled size, against its control's scaled room.
#include <QAbstractButton>
#include <QComboBox>
#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>

#include "platform/IndicatorImages.h"
#include "support/MainWindowFixture.h"
#include "support/NeedsTool.h"

namespace plumbrule::testing {
namespace {

struct Caption {
    QString owner;
    QString text;
    QFont font;
    double room;  // logical pixels available to the text
};

QString plain(QString text) {
    return text.remove(QLatin1Char('&'));
}

// The room for text inside each kind of control, as the style lays it out.
std::vector<Caption> captionsOf(const QWidget& window) {
    std::vector<Caption> captions;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
            QStyleOptionButton option;
            option.initFrom(radio);
            option.text = radio->text();
            const QRect room =
                radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio);
            captions.push_back({name, plain(radio->text()), radio->font(), double(room.width())});
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const QRect room =
                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            captions.push_back({name, plain(button->text()), button->font(), double(room.width())});
        } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
            QStyleOptionComboBox option;
            option.initFrom(list);
            option.editable = false;
            const QRect room = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                             QStyle::SC_ComboBoxEditField, list);
            for (int i = 0; i < list->count(); ++i) {
                captions.push_back({name, list->itemText(i), list->font(), double(room.width())});
            }
        } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
            // The title sits inside the frame line, a few pixels in from each side.
            captions.push_back(
                {name, plain(frame->title()), frame->font(), double(frame->width() - 16)});
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (name == QLatin1String("Label1")) {
                captions.push_back(
                    {name, label->text(), label->font(), double(label->contentsRect().width())});
            }
        }
    }
    return captions;
}

class HighDpi : public MainWindowTest, public ::testing::WithParamInterface<double> {};

// The captions are laid out for Arial's metrics, which Liberation Sans
// (fonts-liberation2, a dependency of the package) has; DejaVu Sans standing
// in is wider ("Stair Calculator" needs 84.9 px of its 83).
TEST_P(HighDpi, EveryCaptionFitsItsControl) {
    PLUMBRULE_NEEDS(
        QFontInfo(QFont(QStringLiteral("Arial"))).family() == QLatin1String("Liberation Sans"),
        "Liberation Sans for Arial (fonts-liberation2)");
    const double scale = GetParam();
    start();
    // Both option lists are filled in turn: decimal style offers other texts.
    std::vector<Caption> captions;
    for (const int output : {1, 0}) {
        clickOption(output);
        const auto shown = captionsOf(*window);
        captions.insert(captions.end(), shown.begin(), shown.end());
    }
    ASSERT_GE(captions.size(), 40u);
    for (const Caption& caption : captions) {
        QFont scaled = caption.font;
        scaled.setPointSizeF(caption.font.pointSizeF() * scale);
        const double needed = QFontMetricsF(scaled).horizontalAdvance(caption.text);
        EXPECT_LE(needed, caption.room * scale)
            << caption.owner.toStdString() << " \"" << caption.text.toStdString() << "\" at "
            << scale * 100 << " %: needs " << needed << " px, has " << caption.room * scale;
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, HighDpi, ::testing::Values(1.0, 1.5, 2.0));

// The fixed window keeps its proportions: the scale multiplies the designed
// pixel size, so the window is the same shape at every scale.
TEST_F(MainWindowTest, WindowSizeIsTheDesignedSizeInLogicalPixels) {
    start();
    EXPECT_EQ(window->width(), 4470 / 15);
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
}

// The operator indicator is drawn for the screen's pixel ratio: at 200 % it
// has four device pixels to each logical one, not a 20 x 20 bitmap blown up.
TEST(HighDpiPictures, IndicatorIsDrawnAtTheDevicePixelRatio) {
    for (const double ratio : {1.0, 1.5, 2.0}) {
        const QPixmap plus = IndicatorImage(1, ratio);
        EXPECT_EQ(plus.deviceIndependentSize(), QSizeF(20, 20)) << ratio;
        EXPECT_EQ(plus.size(), QSize(qRound(20 * ratio), qRound(20 * ratio))) << ratio;
        // Drawn, not scaled: the bar's ink covers about ratio squared as many pixels.
        const QImage image = plus.toImage();
        int inked = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) inked += qAlpha(image.pixel(x, y)) > 128;
        }
        static int inkedAtOne = inked;
        EXPECT_NEAR(inked, inkedAtOne * ratio * ratio, inkedAtOne * ratio * ratio * 0.25) << ratio;
    }
}

// The keypad and the display use the faces the set-up script installs, not
// a fallback whose metrics nobody measured.
TEST_F(MainWindowTest, CaptionFontsResolveToInstalledFaces) {
    start();
    for (const char* name : {"cmdNum_5", "cmdStair", "lblDisplay", "Label1"}) {
        const QString family = QFontInfo(control(name)->font()).family();
        EXPECT_TRUE(family.contains(QLatin1String("Liberation")) ||
                    family.contains(QLatin1String("DejaVu")))
            << name << ": " << family.toStdString();
    }
}

}  // namespace
}  // namespace plumbrule::testing
