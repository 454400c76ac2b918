// Port settings, the port drop-down and the device-command switch.

#include "link/devicecommands.h"
#include "link/portsettings.h"
#include "project/inifile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dotsign;

namespace {

struct Fixture
{
    Fixture()
    {
        state.defaultProjectFilePath = dir.filePath(QStringLiteral("Project.kvp"));
        state.cur().serialPort = QStringLiteral("ttyS1");
        state.cur().baudRate = 19200;
        state.cur().linkType = 2;
    }
    QString key(const char* section, const char* key) const
    {
        return IniFile(state.defaultProjectFilePath)
            .readString(QString::fromUtf8(section), QString::fromUtf8(key), QStringLiteral("<missing>"));
    }

    QTemporaryDir dir;
    ProjectState state;
};

} // namespace

TEST(PortSettings, SpeedTable)
{
    const std::pair<int, int> cases[] = {{4800, 4800},   {9600, 9600},     {19200, 19200}, {38400, 38400},
                                         {57600, 57600}, {115200, 115200}, {14400, 9600},  {0, 9600},
                                         {-1, 9600},     {2400, 9600}};
    for (const auto& [stored, speed] : cases) {
        EXPECT_EQ(speedFromBaudRate(stored), speed) << stored;
        EXPECT_EQ(baudRateFromSpeed(stored), speed) << stored;
    }
}

TEST(PortSettings, ApplayComStoresWhatThePortAcceptedAndWritesTheDefaultFile)
{
    Fixture f;
    f.state.cur().baudRate = 14400;
    ASSERT_TRUE(ApplayCom(f.state).ok);
    EXPECT_EQ(f.state.serial.baudRate, 9600);
    EXPECT_EQ(f.state.serial.portName, QStringLiteral("ttyS1"));
    EXPECT_EQ(f.state.cur().baudRate, 9600);
    EXPECT_EQ(f.key("显示屏串口", "波特率"), QStringLiteral("9600"));
    EXPECT_EQ(f.key("显示屏串口", "串口"), QStringLiteral("ttyS1"));
    EXPECT_EQ(f.key("通讯方式", "通讯类型"), QStringLiteral("2"));
    EXPECT_EQ(f.state.statusPanels[PanelBaud], QStringLiteral("9600"));
    EXPECT_EQ(f.state.statusPanels[PanelPort], QStringLiteral("ttyS1"));
}

TEST(PortSettings, ApplayComReportsAFileThatCannotBeWritten)
{
    Fixture f;
    f.state.defaultProjectFilePath = f.dir.filePath(QStringLiteral("missing/folder/Project.kvp"));
    const Status s = ApplayCom(f.state);
    EXPECT_FALSE(s.ok);
    EXPECT_EQ(f.state.serial.baudRate, 19200) << "the port is set all the same";
}

TEST(PortSettings, DropDownChangeFollowsTheRecordWhileThePanelsLoad)
{
    const QStringList ports = {QStringLiteral("ttyS0"), QStringLiteral("ttyS1"), QStringLiteral("ttyUSB0")};
    {
        Fixture f;
        f.state.memoChangeArmed = 0; // loading
        ASSERT_TRUE(Combo1Change(f.state, ports, QStringLiteral("ttyUSB0")).ok);
        EXPECT_EQ(f.state.serial.portName, QStringLiteral("ttyS1"));
        EXPECT_EQ(f.state.cur().serialPort, QStringLiteral("ttyS1"));
    }
    {
        Fixture f;
        f.state.memoChangeArmed = 1;
        ASSERT_TRUE(Combo1Change(f.state, ports, QStringLiteral("ttyUSB0")).ok);
        EXPECT_EQ(f.state.serial.portName, QStringLiteral("ttyUSB0"));
        EXPECT_EQ(f.state.cur().serialPort, QStringLiteral("ttyUSB0"));
        EXPECT_EQ(f.key("显示屏串口", "串口"), QStringLiteral("ttyUSB0"));
    }
    {
        Fixture f;
        f.state.memoChangeArmed = 1;
        ASSERT_TRUE(Combo1Change(f.state, {}, QStringLiteral("ttyUSB0")).ok);
        EXPECT_EQ(f.key("显示屏串口", "串口"), QStringLiteral("<missing>")) << "no port: nothing happens";
    }
}

TEST(DeviceCommands, SwitchAndItems)
{
    DeviceCommands commands;
    std::vector<bool> seen;
    QObject::connect(&commands, &DeviceCommands::enabledChanged, &commands,
                     [&seen](bool enabled) { seen.push_back(enabled); });
    {
        DeviceCommandsGuard guard(commands);
        EXPECT_FALSE(commands.isEnabled());
        EXPECT_FALSE(commands.property("enabled").toBool());
    }
    EXPECT_TRUE(commands.isEnabled());
    commands.ENBUTTON(); // already enabled: no signal
    EXPECT_EQ(seen, (std::vector<bool>{false, true}));

    ASSERT_EQ(DeviceCommands::items().size(), 19u);
    int menuPause = 0;
    for (const DeviceCommandItem& item : DeviceCommands::items())
        if (item.caption == QStringLiteral("暂停显示") && item.bar != DeviceCommandItem::HiddenToolbar)
            ++menuPause;
    EXPECT_EQ(menuPause, 0) << "the menu's own pause stays enabled";
}
