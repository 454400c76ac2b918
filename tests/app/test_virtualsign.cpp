#include "app/virtualsign.h"
#include "sim/test_player_fixture.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace dotsign;
using namespace dotsign::testing;

namespace {

QPushButton* button(QWidget& w, const QString& text)
{
    for (QPushButton* b : w.findChildren<QPushButton*>())
        if (b->text() == text)
            return b;
    return nullptr;
}

// Lit LED colours anywhere in the window's picture.
bool showsRed(const QImage& shot)
{
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QRgb c = shot.pixel(x, y);
            if (qRed(c) > 120 && qGreen(c) < 80)
                return true;
        }
    return false;
}

struct WindowFixture : ::testing::Test
{
    VirtualSignWindow window;

    void SetUp() override
    {
        window.findChild<QCheckBox*>()->setChecked(true);
        window.findChild<QDateTimeEdit*>()->setDateTime(QDateTime(QDate(2026, 12, 11), QTime(8, 0)));
        window.setContent(sampleSign().content());
        window.resize(700, 420);
    }
};

} // namespace

TEST_F(WindowFixture, PlaysPausesAndSteps)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("虚拟显示屏"));
    EXPECT_TRUE(window.statusText().startsWith(QStringLiteral("节目1/2  分区1  第1/2页  立即显示向左移动")))
        << window.statusText().toStdString();
    window.advance(2000);
    EXPECT_TRUE(window.statusText().contains(QStringLiteral("第2/2页"))) << window.statusText().toStdString();

    QPushButton* pause = button(window, QStringLiteral("暂停"));
    ASSERT_NE(pause, nullptr);
    pause->click();
    EXPECT_TRUE(window.player()->isPaused());
    EXPECT_EQ(pause->text(), QStringLiteral("播放"));
    const LedImage frozen = window.player()->frame();
    window.advance(3000);
    EXPECT_EQ(window.player()->frame(), frozen);
    EXPECT_TRUE(window.statusText().contains(QStringLiteral("暂停")));

    const qint64 before = window.player()->elapsedMs();
    button(window, QStringLiteral("单步"))->click();
    EXPECT_GT(window.player()->elapsedMs(), before);
    EXPECT_TRUE(window.player()->isPaused());
    button(window, QStringLiteral("播放"))->click();
    EXPECT_FALSE(window.player()->isPaused());
}

TEST_F(WindowFixture, ClockOverridePreviewsTheTime)
{
    EXPECT_EQ(window.player()->clock(), QDateTime(QDate(2026, 12, 11), QTime(8, 0)));
    window.findChild<QDateTimeEdit*>()->setDateTime(QDateTime(QDate(2026, 12, 14), QTime(21, 30)));
    EXPECT_EQ(window.player()->clock(), QDateTime(QDate(2026, 12, 14), QTime(21, 30)));
    EXPECT_EQ(window.player()->elapsedMs(), 0);
    window.advance(500);
    button(window, QStringLiteral("重新开始"))->click();
    EXPECT_EQ(window.player()->elapsedMs(), 0);
}

TEST_F(WindowFixture, DrawsRoundLedsAndSavesAScreenshot)
{
    window.advance(1500); // page 1 stands in place
    const QImage shot = window.grab().toImage();
    EXPECT_TRUE(showsRed(shot));
    const QString dir = qEnvironmentVariable("DOTSIGN_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        window.advance(3500); // program 2: the clock and the price
        window.grab().save(QDir(dir).filePath(QStringLiteral("virtual-sign.png")));
    }
}

TEST(VirtualSignWindow, OpensADownloadFileAndSurvivesBadOnes)
{
    VirtualSignWindow window;
    EXPECT_TRUE(window.statusText().contains(QStringLiteral("无节目播放")));
    EXPECT_TRUE(window.openExportFile(QStringLiteral(DOTSIGN_TEST_DATA "/sim/sample.kv")));
    EXPECT_EQ(window.player()->content().programs.size(), 2);
    EXPECT_TRUE(window.statusText().startsWith(QStringLiteral("节目1/2")));

    EXPECT_FALSE(window.openExportFile(QStringLiteral("/nonexistent/zorva.kv")));
    const QString path = QDir::tempPath() + QStringLiteral("/dotsign-bad.kv");
    QFile bad(path);
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("0102303153");
    bad.close();
    EXPECT_TRUE(window.openExportFile(path));
    window.advance(5000);
    EXPECT_TRUE(window.statusText().contains(QStringLiteral("⚠")));
    EXPECT_FALSE(window.findChild<QLabel*>()->toolTip().isEmpty());
    QFile::remove(path);
}
