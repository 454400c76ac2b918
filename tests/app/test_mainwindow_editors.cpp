#include "app/support_window.h"

#include "app/clockpanel.h"
#include "app/pixelimage.h"
#include "app/textpanel.h"
#include "editor/documenteditor.h"
#include "project/gbk.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace dotsign;

TEST(MainWindowEditors, ClockAlignmentButtons)
{
    WindowFixture f;
    f.writeProject(64, 16, {1}, [](ProjectState& s) {
        ZoneRecord& z = s.program(1).zone(1);
        z.zoneType = ZoneClock;
        z.clockOptions = 8 + 4 + 2;
        z.zoneFontSize = 1;
        z.zoneInfoX = 5;
    });
    TMAINForm& w = f.open();
    auto* clock = w.findChild<ClockPanel*>();
    const ZoneRecord& z = f.state.program(1).zone(1);
    clock->alignButton(QStringLiteral("SpeedButton7"))->click(); // right
    EXPECT_EQ(clock->ClockTextWidth, 64);
    EXPECT_EQ(z.zoneInfoX, 0);
    clock->alignButton(QStringLiteral("SpeedButton10"))->click(); // top
    EXPECT_EQ(z.zoneInfoY, 0);
    clock->elementBox(5)->click();                               // "分" off: "08:01" is 5 bytes = 40 LEDs
    clock->alignButton(QStringLiteral("SpeedButton6"))->click(); // centre
    EXPECT_EQ(z.zoneInfoX, (64 - 40) / 2);
    // Switching to "多行" centres again.
    clock->xField()->setValue(0);
    clock->multiLineButton()->click();
    EXPECT_EQ(z.clockMultiLine, 1);
    EXPECT_EQ(z.zoneInfoX, (64 - clock->ClockTextWidth) / 2);
    EXPECT_EQ(f.state.modifiedFlag, 200);
    EXPECT_TRUE(z.zoneFile.endsWith(QStringLiteral("0-0-1.bmp")));
}

TEST(MainWindowEditors, SingleLineBoxSwitchesToStripMode)
{
    WindowFixture f;
    f.writeProject(64, 16, {1}, [](ProjectState& s) {
        ZoneRecord& z = s.program(1).zone(1);
        z.zoneText = QStringLiteral("ABCDEFGHIJ");
        z.zoneStay = 0;
    });
    TMAINForm& w = f.open();
    auto* text = w.findChild<TextPanel*>();
    EXPECT_TRUE(w.image1()->isVisibleTo(&w));
    text->singleLineBox()->click();
    EXPECT_EQ(f.state.program(1).zone(1).zonePlainText, 1);
    EXPECT_TRUE(w.image100()->isVisibleTo(&w));
    text->colourButton(3)->click();
    EXPECT_EQ(f.state.program(1).zone(1).zoneColour, 3);
    EXPECT_TRUE(text->colourButton(3)->isChecked());
    EXPECT_FALSE(text->colourButton(1)->isChecked());
}

TEST(MainWindowEditors, OpenReadsUtf8AndGbkTextFiles)
{
    WindowFixture f;
    f.writeProject(128, 32, {1});
    TMAINForm& w = f.open();
    auto* text = w.findChild<TextPanel*>();
    struct Case
    {
        QByteArray bytes;
        QString expect;
    };
    const Case cases[] = {{QStringLiteral("欢迎\n光临").toUtf8(), QStringLiteral("欢迎\r\n光临")},
                          {toGbk(QStringLiteral("欢迎光临")), QStringLiteral("欢迎光临")}};
    for (const Case& c : cases) {
        const QString path = f.dir.filePath(QStringLiteral("in.txt"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.bytes);
        file.close();
        f.dialogs.fileToOpen = path;
        QTest::mouseClick(w.findChild<QToolButton*>(QStringLiteral("SpeedButton1")), Qt::LeftButton);
        EXPECT_EQ(f.state.program(1).zone(1).zoneText, c.expect);
        EXPECT_EQ(text->memoText(), c.expect);
    }
}

TEST(MainWindowEditors, GraphicTextZoneWithoutItsDocumentOpensTheEditor)
{
    WindowFixture f;
    f.writeProject(64, 16, {1, 1}, [](ProjectState& s) {
        s.program(1).zone(1).zoneType = ZoneDocument;
        s.program(1).zone(1).zoneFile = QStringLiteral("0-0-1.rtf");
    });
    f.open();
    EXPECT_TRUE(QApplication::topLevelWidgets().size() > 0);
    auto editors = [] {
        QList<TForm3*> out;
        for (QWidget* t : QApplication::topLevelWidgets())
            if (auto* e = qobject_cast<TForm3*>(t); e && e->isVisible())
                out << e;
        return out;
    };
    EXPECT_TRUE(editors().isEmpty()); // the start selects the last program, a text zone
    f.click(QStringLiteral("分区1*"), QStringLiteral("节目1"));
    ASSERT_EQ(editors().size(), 1);
    EXPECT_EQ(editors().first()->statusText(EditorPanelZoneSize), QStringLiteral("分区大小:64*16"));
    editors().first()->close();
    QApplication::processEvents();
}
