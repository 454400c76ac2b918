#include "render/fonts.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace dotsign;

namespace {

TEST(LedFonts, WindowsFaceNamesResolveToInstalledCjkFaces)
{
    installLedFontSubstitutions();
    installLedFontSubstitutions(); // idempotent
    EXPECT_EQ(
        QFont::substitutes(kSongTi).filter(QStringLiteral("AR PL UMing CN"), Qt::CaseInsensitive).size(), 1);
    EXPECT_EQ(QFontInfo(ledFont(kSongTi, 16)).family(), QStringLiteral("AR PL UMing CN"));
    EXPECT_EQ(QFontInfo(ledFont(QStringLiteral("SimSun"), 16)).family(), QStringLiteral("AR PL UMing CN"));
    EXPECT_TRUE(QFontInfo(ledFont(kHeiTi, 16)).family().startsWith(QStringLiteral("WenQuanYi Zen Hei")));
}

TEST(LedFonts, FamilyListStartsWithTheTwoWindowsNames)
{
    const QStringList families = ledFontFamilies();
    ASSERT_GE(families.size(), 3);
    EXPECT_EQ(families.at(0), kSongTi);
    EXPECT_EQ(families.at(1), kHeiTi);
    EXPECT_TRUE(families.contains(QStringLiteral("AR PL UMing CN")));
    QStringList unique = families;
    EXPECT_EQ(unique.removeDuplicates(), 0);
    EXPECT_EQ(ledFontFamilies(), families); // stable between calls
}

TEST(LedFonts, PixelSizesAtNinetySixDpiWithoutSmoothing)
{
    struct
    {
        int points, pixels;
    } const cases[] = {{9, 12}, {12, 16}, {18, 24}, {24, 32}, {42, 56}, {72, 96}, {84, 112}};
    for (const auto& c : cases)
        EXPECT_EQ(pixelsForPoints(c.points), c.pixels) << c.points;

    const QFont font = ledFont(kSongTi, 16);
    EXPECT_EQ(font.pixelSize(), 16);
    EXPECT_TRUE(font.styleStrategy() & QFont::NoAntialias);
    EXPECT_EQ(ledFont(kSongTi, 0).pixelSize(), 1);
}

// 宋体 at 12 and 16 px: a full-width glyph fits its LED cell exactly and a
// half-width one is half a cell wide, as the layout's byte counts assume.
TEST(LedFonts, SongTiGlyphsFitTheirCells)
{
    installLedFontSubstitutions();
    for (int px : {12, 16}) {
        const QFont font = ledFont(kSongTi, px);
        const QFontMetrics fm(font);
        EXPECT_EQ(fm.horizontalAdvance(QStringLiteral("汉")), px);
        EXPECT_EQ(fm.horizontalAdvance(QLatin1Char('W')), px / 2);
        EXPECT_LE(fm.ascent() + fm.descent(), px);

        QImage image(px, px + 8, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter p(&image);
        p.setFont(font);
        p.setPen(Qt::red);
        p.drawText(QPoint(0, fm.ascent()), QStringLiteral("国"));
        p.end();
        for (int y = px; y < image.height(); ++y)
            for (int x = 0; x < px; ++x)
                ASSERT_EQ(image.pixel(x, y) & 0xFFFFFF, 0u) << px << " " << x << "," << y;
    }
}

} // namespace
