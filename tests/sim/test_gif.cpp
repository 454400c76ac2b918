#include "sim/gifwriter.h"
#include "sim/player.h"
#include "sim/playerrender.h"
#include "test_player_fixture.h"

#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <random>

using namespace dotsign;
using namespace dotsign::testing;

namespace {

QImage noise(int w, int h, int colours, uint32_t seed)
{
    std::mt19937 rng(seed);
    QImage img(w, h, QImage::Format_Indexed8);
    QVector<QRgb> table;
    for (int i = 0; i < colours; ++i)
        table.append(qRgb(int(rng() % 256), int(rng() % 256), int(rng() % 256)));
    img.setColorTable(table);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) // runs and noise, so that both long and short codes occur
            img.setPixel(x, y, (x / 7 + y) % 3 == 0 ? 0 : uint(rng() % uint(colours)));
    return img;
}

std::vector<QImage> readBack(const QByteArray& gif)
{
    QBuffer buffer;
    buffer.setData(gif);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    std::vector<QImage> out;
    QImage img;
    while (reader.read(&img))
        out.push_back(img.convertToFormat(QImage::Format_RGB32));
    return out;
}

} // namespace

// Qt's own GIF reader must see exactly the pixels written, for small and
// full palettes, a one-pixel picture, and pictures big enough to fill the
// LZW table several times over.
TEST(GifWriter, QtReadsBackEveryFrame)
{
    struct Case
    {
        int w, h, colours;
    };
    const std::vector<Case> cases = {{1, 1, 2},    {5, 3, 2},       {64, 32, 5},
                                     {97, 41, 16}, {300, 200, 256}, {640, 480, 7}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.w * 1000 + c.colours);
        std::vector<GifFrame> frames;
        for (uint32_t seed = 1; seed <= 3; ++seed)
            frames.push_back(GifFrame{noise(c.w, c.h, c.colours, seed * 77 + uint32_t(c.w)), 7});
        const std::vector<QImage> back = readBack(encodeGif(frames));
        ASSERT_EQ(back.size(), frames.size());
        for (size_t i = 0; i < frames.size(); ++i)
            EXPECT_EQ(back[i], frames[i].image.convertToFormat(QImage::Format_RGB32)) << "frame " << i;
    }
    EXPECT_TRUE(encodeGif({}).isEmpty());
}

TEST(GifWriter, DelaysAndPerFramePalettes)
{
    const LedImage leds = bar(4, 2, 1, 1);
    std::vector<GifFrame> frames = {{renderDots(leds, 1, 200), 25}, {renderDots(leds, 1, 20), 130}};
    const QByteArray gif = encodeGif(frames);
    QBuffer buffer;
    buffer.setData(gif);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    QImage a, b;
    ASSERT_TRUE(reader.read(&a));
    EXPECT_EQ(reader.nextImageDelay(), 250);
    ASSERT_TRUE(reader.read(&b));
    EXPECT_EQ(reader.nextImageDelay(), 1300);
    EXPECT_EQ(a.pixel(1, 0), dotPalette(200).at(DotRed));
    EXPECT_EQ(b.pixel(1, 0), dotPalette(20).at(DotRed));
    EXPECT_LT(qRed(b.pixel(1, 0)), qRed(a.pixel(1, 0)));
}

TEST(DotRender, RoundDotsWithAGap)
{
    LedImage leds(2, 1);
    leds.set(0, 0, LedImage::Yellow);
    const QImage img = renderDots(leds, 6, 200);
    ASSERT_EQ(img.size(), QSize(12, 6));
    EXPECT_EQ(img.pixelIndex(2, 2), uint(DotYellow)); // centre
    EXPECT_EQ(img.pixelIndex(0, 0), uint(DotGap));    // corner
    EXPECT_EQ(img.pixelIndex(5, 2), uint(DotGap));    // the gap column
    EXPECT_EQ(img.pixelIndex(8, 2), uint(DotOff));    // unlit LED
}

// The sample sign recorded as the command-line tool does: the GIF holds the
// playback frame for frame, identical pictures merged.
TEST(GifWriter, RecordsTheSampleSign)
{
    Player player(sampleSign().content(), QDateTime(QDate(2026, 12, 11), QTime(8, 0)));
    const std::vector<GifFrame> frames = recordPlayback(player, 12000, 50, 4, true);
    ASSERT_GT(frames.size(), 20u);
    int total = 0;
    for (const GifFrame& f : frames)
        total += f.delayCs;
    EXPECT_EQ(total, 1200);
    const QString path = QDir::tempPath() + QStringLiteral("/dotsign-sample-test.gif");
    ASSERT_EQ(writeGif(path, frames), QString());
    QImageReader reader(path);
    EXPECT_EQ(reader.imageCount(), int(frames.size()));
    EXPECT_EQ(reader.size(), QSize(256, 128));
    QImage first;
    ASSERT_TRUE(reader.read(&first));
    EXPECT_EQ(first.convertToFormat(QImage::Format_RGB32),
              frames[0].image.convertToFormat(QImage::Format_RGB32));
    QFile::remove(path);
}
