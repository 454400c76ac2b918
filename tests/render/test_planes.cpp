#include "render/ledplanes.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace dotsign;

namespace {

struct ThresholdCase
{
    int r, g, b, threshold;
    bool red, green;
};

class ThresholdRule : public ::testing::TestWithParam<ThresholdCase>
{
};

TEST_P(ThresholdRule, GivesTheLedState)
{
    const ThresholdCase& c = GetParam();
    const LedState led = ledState(c.r, c.g, c.b, c.threshold);
    EXPECT_EQ(led.red, c.red) << c.r << "," << c.g << "," << c.b << " T=" << c.threshold;
    EXPECT_EQ(led.green, c.green) << c.r << "," << c.g << "," << c.b << " T=" << c.threshold;
}

INSTANTIATE_TEST_SUITE_P(Cases, ThresholdRule,
                         ::testing::Values(ThresholdCase{200, 200, 200, 127, false, false}, // near white
                                           ThresholdCase{200, 200, 100, 127, true, true},   // yellow
                                           ThresholdCase{127, 127, 0, 127, false, false},   // at T: off
                                           ThresholdCase{128, 0, 0, 127, true, false},
                                           ThresholdCase{0, 128, 0, 127, false, true}, // the renderers' green
                                           ThresholdCase{255, 255, 0, 127, true, true},
                                           ThresholdCase{255, 0, 0, 127, true, false},
                                           ThresholdCase{180, 255, 0, 200, false, true},
                                           ThresholdCase{0, 128, 0, 128, false, false}, // T 128 drops green
                                           ThresholdCase{0, 0, 255, 127, false, false}, // blue is ignored
                                           ThresholdCase{255, 255, 255, 127, false, false},
                                           ThresholdCase{0, 0, 0, 127, false, false}),
                         [](const ::testing::TestParamInfo<ThresholdCase>& info) {
                             const ThresholdCase& c = info.param;
                             return "rgb_" + std::to_string(c.r) + "_" + std::to_string(c.g) + "_" +
                                    std::to_string(c.b) + "_T" + std::to_string(c.threshold);
                         });

// A 128 x 32 screen with one 16-row zone in its lower half.
class CopyFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        planes = std::make_unique<LedPlanes>();
        zone.zoneX = 0;
        zone.zoneY = 16;
        zone.zoneWidth = 128;
        zone.zoneHeight = 16;
    }

    // Every pixel of row y is red when its page number is odd, else yellow.
    static QImage pagedBitmap(int width, int height)
    {
        QImage image(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y) {
            const QRgb colour = (y / 16) % 2 ? qRgb(255, 0, 0) : qRgb(255, 255, 0);
            for (int x = 0; x < width; ++x)
                image.setPixel(x, y, colour);
        }
        return image;
    }

    CopyResult copy(const QImage& bitmap, int rowLimit = 6144, bool report = false)
    {
        return CopyZoneToPlanes(*planes, bitmap, zone, 128, 32, 127, rowLimit, report);
    }

    std::unique_ptr<LedPlanes> planes;
    ZoneRecord zone;
};

TEST_F(CopyFixture, PlacesPageKInFrameK)
{
    copy(pagedBitmap(128, 48));
    EXPECT_EQ(zone.zoneInfoHeight, 48);
    struct
    {
        int firstRow, lastRow;
        bool green;
    } const pages[] = {{16, 31, true}, {48, 63, false}, {80, 95, true}};
    for (const auto& page : pages) {
        for (int row = page.firstRow; row <= page.lastRow; ++row) {
            EXPECT_EQ(planes->red(row, 0), 1) << row;
            EXPECT_EQ(planes->green(row, 127), page.green ? 1 : 0) << row;
        }
    }
    // The upper half of every frame belongs to another zone and stays untouched.
    for (int row : {0, 15, 32, 47, 64, 79, 96})
        EXPECT_EQ(planes->red(row, 0), 0) << row;
}

TEST_F(CopyFixture, HeightLimitCutsOneRowBelowTheLimit)
{
    // L = 16 * 6144 / 32 = 3072 rows: a bitmap of exactly L rows is used whole,
    // one row more is cut to L - 1.
    copy(pagedBitmap(8, 3072));
    EXPECT_EQ(zone.zoneInfoHeight, 3072);
    EXPECT_EQ(planes->red(16 + 191 * 32 + 15, 0), 1); // last row of page 191

    planes->Clear();
    copy(pagedBitmap(8, 3073));
    EXPECT_EQ(zone.zoneInfoHeight, 3072); // 3071 rows, in whole pages
    EXPECT_EQ(planes->red(16 + 191 * 32 + 14, 0), 1);
    EXPECT_EQ(planes->red(16 + 191 * 32 + 15, 0), 0);
}

TEST_F(CopyFixture, ColumnsFrom1472AreDropped)
{
    zone.zoneX = 1400;
    copy(pagedBitmap(128, 16));
    EXPECT_EQ(planes->red(16, 1400), 1);
    EXPECT_EQ(planes->red(16, 1471), 1);
    EXPECT_EQ(planes->red(16, 1472), 0);
    EXPECT_EQ(planes->TRANSDATAR(16, 183), 0xFF);
    EXPECT_EQ(planes->TRANSDATAR(16, 184), 0x00);
}

TEST_F(CopyFixture, OverflowStopsAtTheRowLimitAndIsReportedOnlyWhenAsked)
{
    zone.zoneY = 6136; // the zone's first page runs 8 rows past row 6143
    zone.zoneHeight = 16;
    CopyResult quiet = copy(pagedBitmap(16, 16));
    EXPECT_TRUE(quiet.overflowed);
    EXPECT_TRUE(quiet.message.isEmpty());
    EXPECT_EQ(planes->red(6143, 0), 1);
    EXPECT_EQ(planes->red(6144, 0), 0);

    CopyResult loud = copy(pagedBitmap(16, 16), 6144, true);
    EXPECT_TRUE(loud.overflowed);
    EXPECT_EQ(loud.message, QStringLiteral("文件大小超出了该节目的编辑区域。"));
    EXPECT_EQ(loud.caption, QStringLiteral("错误"));
    EXPECT_EQ(zone.zoneInfoHeight, 16);

    // A document zone's limit is row 4096.
    zone.zoneY = 4090;
    planes->Clear();
    CopyResult doc = copy(pagedBitmap(16, 16), 4096, true);
    EXPECT_TRUE(doc.overflowed);
    EXPECT_EQ(planes->red(4095, 0), 1);
    EXPECT_EQ(planes->red(4096, 0), 0);
}

TEST_F(CopyFixture, LaterZoneOverwritesWithZerosToo)
{
    copy(pagedBitmap(128, 16));
    QImage black(128, 16, QImage::Format_RGB32);
    black.fill(Qt::black);
    copy(black);
    EXPECT_EQ(planes->red(20, 5), 0);
    EXPECT_EQ(planes->green(20, 5), 0);
}

TEST_F(CopyFixture, DegenerateInputWritesNothing)
{
    zone.zoneInfoHeight = 77;
    copy(QImage());
    EXPECT_EQ(zone.zoneInfoHeight, 77); // no rows: unchanged

    zone.zoneHeight = 0; // no pages to place
    copy(pagedBitmap(16, 16));
    EXPECT_EQ(zone.zoneInfoHeight, 77);
    zone.zoneHeight = 16;
    EXPECT_FALSE(CopyZoneToPlanes(*planes, pagedBitmap(16, 16), zone, 128, 0, 127, 6144, true).overflowed);

    // A zone placed left of or above the sign writes only what lies on it.
    zone.zoneX = -4;
    zone.zoneY = -8;
    copy(pagedBitmap(16, 16));
    EXPECT_EQ(planes->red(0, 0), 1);
    EXPECT_EQ(planes->red(7, 11), 1);
    EXPECT_EQ(planes->red(8, 12), 0);
}

TEST(Transdata, PacksEightLedsMostSignificantFirst)
{
    LedPlanes planes;
    const uint8_t red[8] = {1, 0, 0, 0, 0, 0, 0, 1};
    for (int i = 0; i < 8; ++i)
        planes.setRed(3, 8 + i, red[i]);
    planes.setGreen(3, 8, 7); // any non-zero byte is on
    EXPECT_EQ(planes.TRANSDATAR(3, 1), 0x81);
    EXPECT_EQ(planes.TRANSDATAG(3, 1), 0x80);
    EXPECT_EQ(planes.TRANSDATAR(3, 0), 0x00);
    // Outside the planes every LED reads as off.
    EXPECT_EQ(planes.TRANSDATAR(-1, 0), 0);
    EXPECT_EQ(planes.TRANSDATAR(LedPlanes::kRows, 0), 0);
    EXPECT_EQ(planes.TRANSDATAG(0, 10000), 0);

    planes.setRed(6144, 1472, 1); // the last row and column exist
    EXPECT_EQ(planes.TRANSDATAR(6144, 184), 0x80);
    planes.Clear();
    for (int row : {3, 6144})
        for (int b = 0; b <= 184; ++b)
            ASSERT_EQ(planes.TRANSDATAR(row, b) | planes.TRANSDATAG(row, b), 0);
}

TEST(FrameCount, FollowsTheLastZone)
{
    ZoneRecord z;
    z.zoneHeight = 16;
    z.zoneInfoHeight = 48;
    EXPECT_EQ(frameCount(z), 3);
    z.zoneInfoHeight = 0;
    EXPECT_EQ(frameCount(z), 0);
    z.zoneInfoHeight = 17;
    EXPECT_EQ(frameCount(z), 2);
}

} // namespace
