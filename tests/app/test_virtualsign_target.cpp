// "虚拟显示屏" as a port: a download goes to the built-in virtual card, whose
// content the virtual sign then plays.
#include "app/devicecontext.h"
#include "app/dialogs.h"
#include "link/transdata.h"
#include "project/projectfile.h"
#include "project/projectfolder.h"
#include "render/fonts.h"
#include "sim/cardcontent.h"
#include "sim/player.h"
#include "sim/virtualcard.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dotsign;

namespace {

class SilentDialogs : public Dialogs
{
public:
    bool question(QWidget*, const QString&) override { return true; }
    void information(QWidget*, const QString&) override {}
    void error(QWidget*, const QString&, const QString&) override {}
    int exec(QDialog&) override { return 0; }
    QString openFileName(QWidget*, const QString&, const QString&) override { return {}; }
};

} // namespace

TEST(VirtualSignTarget, SendingToTheVirtualSignFillsTheBuiltInCard)
{
    installLedFontSubstitutions();
    QTemporaryDir root;
    ProjectState state;
    ASSERT_TRUE(
        prepareProjectFolder(state, root.path(), QStringLiteral(DOTSIGN_SOURCE_DIR "/samples/Project")).ok);
    ASSERT_TRUE(LoadProject(state, state.projectFilePath).ok);
    copyScreenToHardwareSettings(state);
    state.serial.portName = QString::fromUtf8(kVirtualSignPort);
    state.serial.baudRate = 115200;

    SilentDialogs dialogs;
    LedPlanes planes;
    DeviceContext context(state, dialogs, &planes);
    EXPECT_TRUE(portNamesWithVirtualSign().contains(QString::fromUtf8(kVirtualSignPort)));
    context.startCommand();
    ASSERT_NE(context.virtualCard, nullptr);
    EXPECT_TRUE(QFileInfo::exists(context.resolvedSerial.portName));       // the card's pseudo-terminal
    EXPECT_EQ(state.serial.portName, QString::fromUtf8(kVirtualSignPort)); // the project keeps the name

    const Status sent = transdata(*context.exchange, planes, {});
    ASSERT_TRUE(sent.ok) << sent.message.toStdString();
    const SignContent content = signContentFromCard(*context.virtualCard, 128, 32, 2);
    ASSERT_EQ(content.programs.size(), 3);
    Player player(content, QDateTime(QDate(2026, 12, 11), QTime(8, 0)));
    player.tick(500);
    EXPECT_TRUE(player.isLit());
    // Sending programs sets no brightness: a new card plays at full brightness.
    EXPECT_EQ(player.brightnessLevel(), 200);
}
