// Renders a few typical zones and compares them with checked-in pictures.
// DOTSIGN_UPDATE_GOLDEN=1 rewrites the pictures (look at them enlarged before
// committing: every stroke must be whole and every LED fully on or off).

#include "render/fonts.h"
#include "render/zonerender.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dotsign;

namespace {

const QString kGoldenDir = QStringLiteral(DOTSIGN_TEST_DATA "/render/");

struct GoldenCase
{
    const char* name;
    ZoneType type;
    int width, height;
    QString text;
    int fontSize; // text: index into the size list; clock: 0 / 1 / 2
    int colour;
    int font;
    bool couplet;
    RenderMode mode = RenderMode::Preview;
};

class Golden : public ::testing::TestWithParam<GoldenCase>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        state.setProjectFile(dir.filePath(QStringLiteral("Project.kvp")));
    }
    QTemporaryDir dir;
    ProjectState state;
};

TEST_P(Golden, MatchesTheCheckedInPicture)
{
    const GoldenCase& c = GetParam();
    ZoneRecord& z = state.zone(1, 1);
    z.zoneType = c.type;
    z.zoneWidth = c.width;
    z.zoneHeight = c.height;
    z.zoneText = c.text;
    z.zoneFile = QStringLiteral("0-0-1.txt");
    z.zoneFontSize = c.fontSize;
    z.zoneFont = c.font;
    z.zoneColour = c.colour;
    z.zoneEffect = 3;
    z.clockYearFormat = c.couplet ? 1 : 0;
    if (c.type == ZoneClock)
        z.clockOptions = 128 | 64 | 32 | 16 | 8 | 4 | 2;

    const ZoneRender r = renderZone(state, 1, 1, c.mode);
    ASSERT_FALSE(r.image.isNull());
    const QImage actual = r.image.convertToFormat(QImage::Format_RGB32);
    const QString path = kGoldenDir + QString::fromUtf8(c.name) + QStringLiteral(".png");
    if (qEnvironmentVariableIsSet("DOTSIGN_UPDATE_GOLDEN")) {
        QDir().mkpath(kGoldenDir);
        ASSERT_TRUE(actual.save(path));
        return;
    }
    const QImage expected(path);
    ASSERT_FALSE(expected.isNull()) << "missing " << path.toStdString();
    if (expected.convertToFormat(QImage::Format_RGB32) != actual) {
        const QString saved =
            QDir::temp().filePath(QString::fromUtf8(c.name) + QStringLiteral("-actual.png"));
        actual.save(saved);
        FAIL() << c.name << " differs from " << path.toStdString() << "; got " << saved.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Zones, Golden,
    ::testing::Values(
        GoldenCase{"text12_red", ZoneText, 96, 24, QStringLiteral("欢迎光临 Welcome! 电话:12345\r\n"), 0, 1,
                   0, false},
        GoldenCase{"text16_green", ZoneText, 128, 32, QStringLiteral("今日特价 Price 8.5元/㎡\r\n"), 1, 2, 0,
                   false},
        GoldenCase{"text32_yellow", ZoneText, 128, 32, QStringLiteral("停车场 P2\r\n"), 3, 3, 0, false},
        GoldenCase{"text16_heiti_red", ZoneText, 128, 16, QStringLiteral("黑体字样 ABC\r\n"), 1, 1, 1, false},
        GoldenCase{"couplet16_red", ZoneText, 64, 32, QStringLiteral("春回大地 福满人间"), 1, 1, 0, true},
        GoldenCase{"clock16_red", ZoneClock, 200, 16, QString(), 1, 1, 0, false},
        GoldenCase{"clock12_green", ZoneClock, 160, 16, QString(), 0, 2, 0, false},
        GoldenCase{"clock16_mask", ZoneClock, 200, 16, QString(), 1, 3, 1, false, RenderMode::Download}),
    [](const ::testing::TestParamInfo<GoldenCase>& info) { return std::string(info.param.name); });

} // namespace
