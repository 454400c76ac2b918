// Pictures of the main window in its main states. The checks make sure each
// state really shows what its picture is meant to show; with
// DOTSIGN_SCREENSHOT_DIR set the pictures are also saved there.

#include "app/support_window.h"

#include "app/pixelimage.h"
#include "app/templatedialog.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace dotsign;

namespace {

void save(QWidget& w, const char* name)
{
    const QString dir = qEnvironmentVariable("DOTSIGN_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        w.grab().save(QDir(dir).filePath(QLatin1String(name)));
}

bool anyLit(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0)
                return true;
    return false;
}

void sampleProject(WindowFixture& f)
{
    f.writeProject(128, 32, {4, 1, 1}, [](ProjectState& s) {
        TjiemuProp& p1 = s.program(1);
        p1.zone(1).zoneText = QStringLiteral("欢迎光临");
        p1.zone(1).zoneColour = 1;
        p1.zone(2).zoneText = QStringLiteral("特价");
        p1.zone(2).zoneColour = 2;
        p1.zone(3).zoneType = ZoneClock;
        p1.zone(3).zoneColour = 3;
        p1.zone(3).clockOptions = 8 + 4 + 2;
        p1.zone(3).zoneInfoX = 16;
        TjiemuProp& p2 = s.program(2);
        p2.zone(1).zoneType = ZoneClock;
        p2.zone(1).clockOptions = 128 + 64 + 32 + 8 + 4 + 2;
        p2.zone(1).zoneInfoY = 8;
        TjiemuProp& p3 = s.program(3);
        p3.zone(1).zoneText = QStringLiteral("本店新到一批春季服装，欢迎选购！");
        p3.zone(1).zonePlainText = 1;
        p3.zone(1).zoneStay = 0;
        p3.zone(1).zoneEffect = 6;
    });
}

} // namespace

TEST(Screenshots, MainStatesShowTheirContent)
{
    WindowFixture f;
    sampleProject(f);
    TMAINForm& w = f.open();
    w.resize(1100, 760);

    f.click(QStringLiteral("节目1"));
    QTest::qWait(50);
    for (const char* zone : {"M4_1_BMP", "M4_2_BMP", "M4_3_BMP"})
        EXPECT_TRUE(anyLit(w.findChild<PixelImage*>(QLatin1String(zone))->image())) << zone;
    save(w, "template4-program.png");

    f.click(QStringLiteral("分区1*"), QStringLiteral("节目2"));
    QTest::qWait(50);
    EXPECT_TRUE(anyLit(w.image1()->image()));
    save(w, "clock-zone.png");

    f.click(QStringLiteral("分区1*"), QStringLiteral("节目3"));
    w.findChild<QAction*>(QStringLiteral("N13"))->trigger();
    QTest::qWait(50);
    EXPECT_TRUE(w.image100()->isVisibleTo(&w));
    EXPECT_EQ(w.image100()->width(), w.PreviewWidth * 3);
    save(w, "strip-zoom3.png");
}

TEST(Screenshots, TemplateDialogAndAboutBox)
{
    WindowFixture f;
    TMAINForm& w = f.open();
    TemplateDialog* dialog = w.templateDialog();
    dialog->show();
    QTest::mouseClick(dialog->tile(4), Qt::LeftButton);
    EXPECT_EQ(dialog->markedTemplate(), 4);
    EXPECT_EQ(f.state.currentTemplate, 4);
    for (int t = 1; t <= 4; ++t)
        EXPECT_GE(dialog->tile(t)->width(), 71);
    save(*dialog, "template-dialog.png");
    dialog->hide();

    QDialog* about = nullptr;
    f.dialogs.onExec = [&about](QDialog& d) {
        about = &d;
        d.show();
        return int(QDialog::Accepted);
    };
    w.findChild<QAction*>(QStringLiteral("N_About"))->trigger();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), QStringLiteral("系统介绍"));
    save(*about, "about.png");
    about->hide();
}
