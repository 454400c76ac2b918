// The pre-flight check's findings that need rendering.
#include "link/contentcheck.h"
#include "project/projectfile.h"
#include "project/projectfolder.h"
#include "project/zonefiles.h"
#include "render/fonts.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dotsign;

namespace {

QStringList codes(const QList<Finding>& findings)
{
    QStringList out;
    for (const Finding& f : findings)
        out << QStringLiteral("%1/%2:%3").arg(f.program).arg(f.zone).arg(f.code);
    return out;
}

} // namespace

TEST(ContentCheck, SampleProjectIsClean)
{
    installLedFontSubstitutions();
    QTemporaryDir root;
    ProjectState state;
    ASSERT_TRUE(
        prepareProjectFolder(state, root.path(), QStringLiteral(DOTSIGN_SOURCE_DIR "/samples/Project")).ok);
    ASSERT_TRUE(LoadProject(state, state.projectFilePath).ok);
    copyScreenToHardwareSettings(state);
    LedPlanes planes;
    EXPECT_EQ(codes(checkProject(state, planes)).join(QLatin1Char(' ')).toStdString(), "");
}

TEST(ContentCheck, CutTextOversizedTextAndStorage)
{
    installLedFontSubstitutions();
    QTemporaryDir dir;
    ProjectState state;
    state.setProjectFile(dir.filePath(QStringLiteral("Project.kvp")));
    QDir().mkpath(dir.filePath(QStringLiteral("ExtFile")));
    state.hw.screenWidth = 128;
    state.hw.screenHeight = 32;
    state.hw.colourThreshold = 127;
    InitLedDispJiemu(state);
    state.screen.storageSize = 4000;
    state.screen.programCount = 2;
    auto textZone = [&](int n, int height, int sizeIndex, const QString& text) {
        ZoneRecord& z = state.zone(n, 1);
        z.zoneHeight = height;
        z.zoneFontSize = sizeIndex;
        z.zoneText = text;
        z.zoneFile = zoneTextFilePath(state, n, 1);
        ASSERT_TRUE(writeZoneTextFile(z.zoneFile, text).ok);
    };
    // Program 1: more text than 6144 rows can hold. Program 2: 32-LED characters in a 16-row zone.
    textZone(1, 32, 1, QStringLiteral("今日特价").repeated(3000));
    textZone(2, 16, 3, QStringLiteral("特价"));
    state.zone(2, 1).zoneHeight = 16;
    LedPlanes planes;
    const QStringList found = codes(checkProject(state, planes));
    EXPECT_TRUE(found.contains(QStringLiteral("1/1:content-cut"))) << found.join(' ').toStdString();
    EXPECT_TRUE(found.contains(QStringLiteral("2/1:text-larger-than-zone"))) << found.join(' ').toStdString();
    EXPECT_TRUE(found.contains(QStringLiteral("0/0:storage-exceeded"))) << found.join(' ').toStdString();
}
