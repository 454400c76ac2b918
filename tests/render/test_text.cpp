#include "render/fonts.h"
#include "render/textrender.h"

#include <QTransform>
#include <gtest/gtest.h>

using namespace dotsign;

namespace {

const QString kSize12 = QStringLiteral("单字12个LED灯大小");
const QString kSize16 = QStringLiteral("单字16个LED灯大小");
const QString kSize32 = QStringLiteral("单字32个LED灯大小");

QString fullWidth(int n)
{
    return QString(n, QChar(0x6C49)); // 汉
}

ZoneRecord zoneOf(int width, int height)
{
    ZoneRecord z;
    z.zoneWidth = width;
    z.zoneHeight = height;
    z.zoneEffect = 3; // a vertical movement: never strip mode
    return z;
}

TextInput inputOf(const QString& text, const QString& size = kSize16)
{
    TextInput in;
    in.text = text;
    in.fontName = kSongTi;
    in.sizeText = size;
    return in;
}

QImage band(const QImage& image, int top, int height)
{
    return image.copy(0, top, image.width(), height);
}

bool isBlack(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0)
                return false;
    return true;
}

// Rows of `image` with at least one lit pixel: first and last, or -1.
std::pair<int, int> litRows(const QImage& image)
{
    int first = -1, last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0) {
                if (first < 0)
                    first = y;
                last = y;
            }
    return {first, last};
}

TEST(LedSizeTable, ListsElevenSizesAndLooksUpTypedTexts)
{
    const QStringList texts = ledSizeTexts();
    ASSERT_EQ(texts.size(), 11);
    EXPECT_EQ(texts.first(), kSize12);
    EXPECT_EQ(texts.last(), QStringLiteral("单字128个LED灯大小"));
    EXPECT_FALSE(texts.contains(QStringLiteral("单字56个LED灯大小")));

    struct
    {
        QString text;
        int leds, points;
    } const cases[] = {
        {kSize12, 12, 9},
        {kSize32, 32, 24},
        {QStringLiteral("单字56个LED灯大小"), 56, 42},
        {QStringLiteral("单字96个LED灯大小"), 96, 72},
        {QStringLiteral("单字128个LED灯大小"), 128, 84},
        {QString(), 12, 12},
        {QStringLiteral("16"), 12, 12},
    };
    for (const auto& c : cases) {
        const LedSize size = ledSizeForText(c.text);
        EXPECT_EQ(size.leds, c.leds) << c.text.toStdString();
        EXPECT_EQ(size.points, c.points) << c.text.toStdString();
    }
}

TEST(Manzu, StripModeOnlyForSingleLineSidewaysMovesWithoutPause)
{
    struct
    {
        int plain, effect, stay, expected;
    } const cases[] = {
        {1, 1, 0, 88}, {1, 2, 0, 88}, {1, 6, 0, 88}, {1, 7, 0, 88}, {2, 1, 0, 88},
        {0, 1, 0, 0},  {1, 3, 0, 0},  {1, 1, 4, 0},  {1, 8, 0, 0},
    };
    for (const auto& c : cases) {
        ZoneRecord z;
        z.zonePlainText = c.plain;
        z.zoneEffect = c.effect;
        z.zoneStay = c.stay;
        EXPECT_EQ(manzu(z), c.expected) << c.plain << " " << c.effect << " " << c.stay;
    }
}

struct BreakCase
{
    const char* name;
    QString text;
    int bytesPerLine;
    std::vector<std::pair<int, int>> lines; // byte start, byte length
};

class LineBreaking : public ::testing::TestWithParam<BreakCase>
{
};

TEST_P(LineBreaking, SplitsAtWholeCharacters)
{
    const BreakCase& c = GetParam();
    const std::vector<TextLine> lines = breakTextLines(encodeGbkText(c.text), c.bytesPerLine);
    std::vector<std::pair<int, int>> got;
    for (const TextLine& line : lines)
        got.emplace_back(line.byteStart, line.byteLength);
    EXPECT_EQ(got, c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineBreaking,
    ::testing::Values(BreakCase{"EightFullWidth", fullWidth(8), 8, {{0, 8}, {8, 8}}},
                      BreakCase{"EvenLettersFirst", QStringLiteral("ab") + fullWidth(7), 8, {{0, 8}, {8, 8}}},
                      BreakCase{"OddCountShortens",
                                QStringLiteral("a") + fullWidth(4) + QStringLiteral("a"),
                                8,
                                {{0, 7}, {7, 3}}},
                      // The square-metre sign is A9 4F: its second byte is not a letter O.
                      BreakCase{"SquareMetreSign", QStringLiteral("1㎡") + fullWidth(2), 4, {{0, 3}, {3, 4}}},
                      BreakCase{"HundredSquareMetres", QStringLiteral("100㎡"), 4, {{0, 3}, {3, 2}}},
                      BreakCase{"LeadingLetterO", QStringLiteral("O") + fullWidth(2), 4, {{0, 3}, {3, 2}}},
                      // GBK characters whose second byte is below 0x80 (丂 = 81 40) are never split.
                      BreakCase{"LowSecondByte", QStringLiteral("a丂丂"), 2, {{0, 1}, {1, 2}, {3, 2}}},
                      BreakCase{"LineBreaksAreTwoBytes", QStringLiteral("ab\r\ncd"), 4, {{0, 4}, {4, 2}}},
                      // A zone narrower than one character still takes one character per line.
                      BreakCase{"NarrowerThanACharacter", fullWidth(2), 1, {{0, 2}, {2, 2}}}),
    [](const ::testing::TestParamInfo<BreakCase>& info) { return std::string(info.param.name); });

TEST(TextEncoding, ReportsCharactersGbkCannotCarry)
{
    const GbkText text = encodeGbkText(QStringLiteral("a😀b한😀"));
    EXPECT_EQ(text.replaced, QStringLiteral("😀한"));
    EXPECT_EQ(text.bytes, QByteArray("a?b??"));
    ASSERT_EQ(text.characters.size(), 5u);
    EXPECT_EQ(text.characters[1].text, QStringLiteral("?"));

    const TextRender r = Button1Click(zoneOf(64, 16), inputOf(QStringLiteral("价格😀")));
    EXPECT_EQ(r.replacedCharacters, QStringLiteral("😀"));
    EXPECT_TRUE(encodeGbkText(QStringLiteral("a?")).replaced.isEmpty());
}

TEST(PageMode, TwoLinesOfFullWidthCharactersMakeTwoPages)
{
    const TextRender r = Button1Click(zoneOf(64, 16), inputOf(fullWidth(8)));
    EXPECT_FALSE(r.stripMode);
    ASSERT_EQ(r.image.size(), QSize(64, 32));
    EXPECT_EQ(r.zoneInfoHeight, 32);
    EXPECT_EQ(r.PreviewWidth, 64);
    EXPECT_EQ(r.PreviewHeight, 32);
    const TextRender one = Button1Click(zoneOf(64, 16), inputOf(fullWidth(4)));
    ASSERT_FALSE(isBlack(one.image));
    EXPECT_EQ(band(r.image, 0, 16), one.image);  // line 0 at y = 0
    EXPECT_EQ(band(r.image, 16, 16), one.image); // line 1 at y = 16
}

TEST(PageMode, ShortenedLinePushesTheCharacterToTheNextPage)
{
    const QString text = QStringLiteral("a汉字国家a");
    const TextRender r = Button1Click(zoneOf(64, 16), inputOf(text));
    ASSERT_EQ(r.image.height(), 32);
    EXPECT_EQ(band(r.image, 0, 16), Button1Click(zoneOf(64, 16), inputOf(QStringLiteral("a汉字国"))).image);
    EXPECT_EQ(band(r.image, 16, 16), Button1Click(zoneOf(64, 16), inputOf(QStringLiteral("家a"))).image);
}

TEST(PageMode, BlankTextIsOneBlackPage)
{
    for (const QString& text : {QString(), QStringLiteral("   "), QStringLiteral("\r\n")}) {
        const TextRender r = Button1Click(zoneOf(64, 16), inputOf(text));
        ASSERT_EQ(r.image.size(), QSize(64, 16));
        EXPECT_TRUE(isBlack(r.image));
        EXPECT_EQ(r.zoneInfoHeight, 16);
    }
}

TEST(PageMode, Size32StartsOneRowAboveTheBitmap)
{
    // The same line, once at y = -1 and once centred in a 34-row single-line page (y = 1).
    ZoneRecord plain = zoneOf(64, 34);
    plain.zonePlainText = 1;
    const TextRender shifted = Button1Click(zoneOf(64, 32), inputOf(QStringLiteral("汉字"), kSize32));
    const TextRender centred = Button1Click(plain, inputOf(QStringLiteral("汉字"), kSize32));
    ASSERT_EQ(shifted.image.height(), 32);
    ASSERT_EQ(centred.image.height(), 34);
    ASSERT_FALSE(isBlack(band(shifted.image, 0, 30)));
    EXPECT_EQ(band(shifted.image, 0, 30), band(centred.image, 2, 30));
}

TEST(PageMode, SingleLineGivesEveryLineItsOwnPage)
{
    ZoneRecord z = zoneOf(32, 32);
    z.zonePlainText = 1;
    const TextRender r = Button1Click(z, inputOf(QStringLiteral("汉字汉字")));
    ASSERT_EQ(r.image.size(), QSize(32, 64));
    const QImage line = Button1Click(zoneOf(32, 16), inputOf(QStringLiteral("汉字"))).image;
    ASSERT_FALSE(isBlack(line));
    for (int page = 0; page < 2; ++page) {
        EXPECT_EQ(band(r.image, 32 * page + 8, 16), line) << page; // y = 32 i + 8
        EXPECT_TRUE(isBlack(band(r.image, 32 * page, 8))) << page;
        EXPECT_TRUE(isBlack(band(r.image, 32 * page + 24, 8))) << page;
    }
}

TEST(PageMode, HeightIsWholePagesOfTheZone)
{
    // Size 12 in a 16-row zone: 3 lines are 36 rows, rounded up to 48.
    const TextRender r = Button1Click(zoneOf(24, 16), inputOf(fullWidth(6), kSize12));
    EXPECT_EQ(r.image.height(), 48);
    // Nothing lies below the third line.
    EXPECT_LE(litRows(r.image).second, 35);
}

TEST(PageMode, TextBeyondWhatTheSignHoldsIsCutAndFlagged)
{
    const TextRender r = Button1Click(zoneOf(16, 16), inputOf(fullWidth(7000)));
    EXPECT_TRUE(r.truncated);
    EXPECT_EQ(r.image.height(), 6144);
    EXPECT_EQ(r.zoneInfoHeight, 6144);
    EXPECT_FALSE(Button1Click(zoneOf(16, 16), inputOf(fullWidth(384))).truncated);
}

TEST(StripMode, TenBytesInA64WideZoneMakeTwoPages)
{
    ZoneRecord z = zoneOf(64, 16);
    z.zonePlainText = 1;
    z.zoneEffect = 1;
    z.zoneStay = 0;
    const TextRender r = Button1Click(z, inputOf(QStringLiteral("汉字ab汉字")));
    ASSERT_TRUE(r.stripMode);
    EXPECT_EQ(r.stripImage.size(), QSize(128, 16)); // W = 80 rounded up to 128
    EXPECT_EQ(r.PreviewWidth, 128);
    EXPECT_EQ(r.PreviewHeight, 16);
    ASSERT_EQ(r.image.size(), QSize(64, 32));
    EXPECT_EQ(r.zoneInfoHeight, 32);
    EXPECT_EQ(band(r.image, 0, 16), r.stripImage.copy(0, 0, 64, 16));
    EXPECT_EQ(band(r.image, 16, 16), r.stripImage.copy(64, 0, 64, 16));
    EXPECT_FALSE(isBlack(band(r.image, 16, 16))); // "字" of the second half

    // Paused or vertical: the same text pages vertically.
    for (auto [effect, stay] : {std::pair{1, 4}, std::pair{3, 0}}) {
        z.zoneEffect = effect;
        z.zoneStay = stay;
        const TextRender paged = Button1Click(z, inputOf(QStringLiteral("汉字ab汉字")));
        EXPECT_FALSE(paged.stripMode);
        EXPECT_TRUE(paged.stripImage.isNull());
        EXPECT_EQ(paged.image.size(), QSize(64, 32));
    }
}

TEST(StripMode, EmptyTextStillGivesOneBlackPage)
{
    ZoneRecord z = zoneOf(64, 16);
    z.zonePlainText = 1;
    z.zoneEffect = 2;
    z.zoneStay = 0;
    const TextRender r = Button1Click(z, inputOf(QString()));
    ASSERT_TRUE(r.stripMode);
    EXPECT_EQ(r.image.size(), QSize(64, 16));
    EXPECT_TRUE(isBlack(r.image));
}

QImage turnedCounterClockwise(const QImage& image)
{
    return image.transformed(QTransform().rotate(-90));
}

TEST(Couplet, CharactersAreTurnedAQuarterTurnCounterClockwise)
{
    TextInput in = inputOf(QStringLiteral("汉"));
    const QImage upright = Button1Click(zoneOf(16, 16), in).image;
    in.couplet = true;
    const TextRender turned = Button1Click(zoneOf(16, 16), in);
    ASSERT_EQ(turned.image.size(), QSize(16, 16));
    ASSERT_FALSE(isBlack(upright));
    EXPECT_NE(turned.image, upright);
    EXPECT_EQ(turned.image, turnedCounterClockwise(upright));
}

TEST(Couplet, RowsOfCharactersAndZoneHeightZero)
{
    TextInput in = inputOf(QStringLiteral("汉字国家人民"));
    in.couplet = true;
    // 64 wide, size 16: four characters per row, two rows of 16.
    const TextRender r = Button1Click(zoneOf(64, 16), in);
    EXPECT_EQ(r.image.size(), QSize(64, 32));
    EXPECT_FALSE(isBlack(band(r.image, 16, 16).copy(0, 0, 32, 16)));
    EXPECT_TRUE(isBlack(band(r.image, 16, 16).copy(32, 0, 32, 16)));

    const TextRender zero = Button1Click(zoneOf(64, 0), in);
    EXPECT_EQ(zero.zoneHeight, 8);
    EXPECT_EQ(zero.image.height(), 32); // 2 rows of 16, in pages of 8
}

TEST(Couplet, StripModeAdvancesOneCellPerCharacter)
{
    ZoneRecord z = zoneOf(32, 16);
    z.zonePlainText = 1;
    z.zoneEffect = 7;
    z.zoneStay = 0;
    TextInput in = inputOf(QStringLiteral("汉a字"));
    in.couplet = true;
    const TextRender r = Button1Click(z, in);
    ASSERT_TRUE(r.stripMode);
    EXPECT_EQ(r.stripImage.size(), QSize(64, 16)); // 3 characters * 16, rounded up to 64
    EXPECT_EQ(r.image.size(), QSize(32, 32));
    // The one-byte character is centred: it spans the middle half of the rows.
    const auto [first, last] = litRows(r.stripImage.copy(16, 0, 16, 16));
    EXPECT_GE(first, 4);
    EXPECT_LE(last, 11);
}

// Without smoothing every pixel is either background or the text colour.
TEST(Rendering, EveryPixelIsFullyOnOrOff)
{
    for (const QString& font : {kSongTi, kHeiTi})
        for (const QString& size : {kSize12, kSize16, kSize32})
            for (int colour : {1, 2, 3}) {
                TextInput in = inputOf(QStringLiteral("价格 Price 8.5元/㎡"), size);
                in.fontName = font;
                in.colour = textColourForZone(colour);
                const QImage image = Button1Click(zoneOf(256, 32), in).image;
                const QRgb text = in.colour.rgb() & 0xFFFFFF;
                int lit = 0;
                for (int y = 0; y < image.height(); ++y)
                    for (int x = 0; x < image.width(); ++x) {
                        const QRgb p = image.pixel(x, y) & 0xFFFFFF;
                        ASSERT_TRUE(p == 0 || p == text) << font.toStdString() << " " << size.toStdString();
                        lit += p != 0;
                    }
                EXPECT_GT(lit, 50) << font.toStdString() << " " << size.toStdString();
            }
}

TEST(Rendering, DegenerateZonesDoNotCrash)
{
    TextInput in = inputOf(QStringLiteral("汉字"));
    for (const ZoneRecord& z : {zoneOf(0, 16), zoneOf(8, 16), zoneOf(64, 0), zoneOf(-5, -5)}) {
        for (bool couplet : {false, true}) {
            in.couplet = couplet;
            Button1Click(z, in);
            ZoneRecord strip = z;
            strip.zonePlainText = 1;
            strip.zoneEffect = 1;
            strip.zoneStay = 0;
            Button1Click(strip, in);
        }
    }
}

TEST(TextColours, FollowTheZoneColour)
{
    EXPECT_EQ(textColourForZone(1), QColor(255, 0, 0));
    EXPECT_EQ(textColourForZone(2), QColor(0, 128, 0));
    EXPECT_EQ(textColourForZone(3), QColor(255, 255, 0));
    EXPECT_EQ(textColourForZone(0), QColor(255, 0, 0));
}

} // namespace
