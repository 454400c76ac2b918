#include "app/support_window.h"

#include "app/layoutview.h"
#include "app/pixelimage.h"
#include "app/textpanel.h"
#include "project/zonefiles.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace dotsign;

namespace {

bool allBlack(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0)
                return false;
    return true;
}

bool anyLit(const QImage& image)
{
    return !image.isNull() && !allBlack(image);
}

} // namespace

TEST(MainWindowPreview, EditingOneZoneBlacksTheOtherThumbnails)
{
    WindowFixture f;
    f.writeProject(128, 32, {2}, [](ProjectState& s) {
        s.program(1).zone(1).zoneText = QStringLiteral("上");
        s.program(1).zone(2).zoneText = QStringLiteral("下");
    });
    TMAINForm& w = f.open();
    f.click(QStringLiteral("节目1"));
    PixelImage* top = w.layoutView(2)->zoneImage(1);
    PixelImage* bottom = w.layoutView(2)->zoneImage(2);
    EXPECT_TRUE(anyLit(top->image())); // selecting the program draws every zone
    EXPECT_TRUE(anyLit(bottom->image()));

    f.click(QStringLiteral("分区2*"));
    auto* text = w.findChild<TextPanel*>();
    QTest::keyClicks(text->memo(), QStringLiteral("A"));
    EXPECT_TRUE(f.state.program(1).zone(2).zoneText.contains(QStringLiteral("A")));
    EXPECT_TRUE(QFileInfo::exists(ZoneBitmapPath(f.state, 1, 2)));
    EXPECT_TRUE(anyLit(bottom->image()));
    EXPECT_FALSE(top->image().isNull());
    EXPECT_TRUE(allBlack(top->image()));
    EXPECT_EQ(top->image().size(), top->size());

    // Selecting the program again redraws every zone.
    f.click(QStringLiteral("节目1"));
    EXPECT_TRUE(anyLit(top->image()));
}

TEST(MainWindowPreview, ZoomEnlargesTheStripInStripMode)
{
    WindowFixture f;
    f.writeProject(64, 16, {1}, [](ProjectState& s) {
        ZoneRecord& z = s.program(1).zone(1);
        z.zoneText = QStringLiteral("0123456789");
        z.zonePlainText = 1; // single line, moving left, no pause: strip mode
        z.zoneEffect = 1;
        z.zoneStay = 0;
        z.zoneFontSize = 1; // 16 LEDs
    });
    TMAINForm& w = f.open();
    EXPECT_TRUE(w.image100()->isVisibleTo(&w));
    EXPECT_FALSE(w.image1()->isVisibleTo(&w));
    EXPECT_EQ(w.PreviewWidth, 128);
    EXPECT_EQ(w.PreviewHeight, 16);
    EXPECT_EQ(w.image1()->image().size(), QSize(64, 32)); // two pages: the halves of the line
    const QSize image1Before = w.image1()->size();

    w.findChild<QAction*>(QStringLiteral("N13"))->trigger(); // "放大3倍"
    EXPECT_EQ(w.image100()->size(), QSize(384, 48));
    EXPECT_EQ(w.image1()->size(), image1Before);
    // Each LED is a sharp 3 × 3 block.
    const QImage shown = w.image100()->grab().toImage();
    const QImage strip = w.image100()->image();
    for (int x = 0; x < 40; ++x)
        for (int y = 0; y < 16; ++y) {
            const QRgb led = strip.pixel(x, y);
            ASSERT_EQ(shown.pixel(3 * x, 3 * y), led);
            ASSERT_EQ(shown.pixel(3 * x + 2, 3 * y + 2), led);
        }

    // With a pause the same text pages vertically and the zoom enlarges Image1.
    f.click(QStringLiteral("分区1*"));
    auto* stay = w.findChild<QWidget*>(QStringLiteral("Edit1"));
    QTest::keyClicks(stay, QStringLiteral("2"));
    EXPECT_TRUE(w.image1()->isVisibleTo(&w));
    w.findChild<QAction*>(QStringLiteral("N12"))->trigger();
    EXPECT_EQ(w.image1()->size(), QSize(w.PreviewWidth * 2, w.PreviewHeight * 2));
}

TEST(MainWindowPreview, CharactersOutsideGbkAreReported)
{
    WindowFixture f;
    f.writeProject(128, 32, {1});
    TMAINForm& w = f.open();
    auto* text = w.findChild<TextPanel*>();
    text->memo()->setPlainText(QStringLiteral("A😀"));
    auto* note = w.findChild<QLabel*>(QStringLiteral("unsupportedLabel"));
    EXPECT_TRUE(note->isVisibleTo(&w));
    EXPECT_TRUE(note->text().contains(QStringLiteral("😀")));
    text->memo()->setPlainText(QStringLiteral("A"));
    EXPECT_FALSE(note->isVisibleTo(&w));
}
