#include "project/projectfile.h"

#include "project/atomicfile.h"
#include "project/gbk.h"
#include "project/inifile.h"
#include "project/zonefiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <limits>

namespace dotsign {

namespace {

const QString kScreenSection = QStringLiteral("显示屏参数");
const char* const kSlotPrefix[kZoneSlots + 1] = {"", "上", "左", "右", "下"};

// One walk over the keys of the file in the order they are written; the loader
// and the saver are two visitors of the same walk, so the two can never
// disagree on a key name, a default or an order.
class KeyVisitor
{
public:
    virtual ~KeyVisitor() = default;
    virtual void number(const QString& section, const QString& key, int& field, int def) = 0;
    virtual void byte(const QString& section, const QString& key, uint8_t& field, int def) = 0;
    virtual void text(const QString& section, const QString& key, QString& field, const QString& def) = 0;
    // Called right after a zone's "分区文件" key.
    virtual void zoneFileVisited(int program, int slot) {}
    virtual bool stopped() const { return false; }
    // The loader reads the per-slot blocks 1..4 before the clock positions;
    // the file holds the clock positions between slots 2 and 3.
    virtual bool readingOrder() const = 0;
};

void visitScreen(KeyVisitor& v, TprojectProp& s)
{
    const QString& p = kScreenSection;
    v.text(p, QStringLiteral("显示屏"), s.screenName, QStringLiteral("显示屏-1"));
    v.number(p, QStringLiteral("显示屏宽度"), s.screenWidth, 128);
    v.number(p, QStringLiteral("显示屏高度"), s.screenHeight, 32);
    v.number(p, QStringLiteral("显示屏颜色类型"), s.colourType, 0);
    v.number(p, QStringLiteral("显示屏灰度"), s.greyLevel, 0);
    v.text(p, QStringLiteral("控制卡型号"), s.cardModel, QStringLiteral("A类卡"));
    v.number(p, QStringLiteral("控制卡地址"), s.cardAddress, 1);
    v.byte(p, QStringLiteral("开机时间小时"), s.powerOnHour, 7);
    v.byte(p, QStringLiteral("开机时间分钟"), s.powerOnMinute, 0);
    v.byte(p, QStringLiteral("关机时间小时"), s.powerOffHour, 7);
    v.byte(p, QStringLiteral("关机时间分钟"), s.powerOffMinute, 0);
    v.byte(p, QStringLiteral("白天亮度"), s.dayBrightness, 150);
    v.byte(p, QStringLiteral("晚上亮度"), s.nightBrightness, 150);
    v.byte(p, QStringLiteral("白天亮度时间小时"), s.dayBrightnessHour, 7);
    v.byte(p, QStringLiteral("白天亮度时间分钟"), s.dayBrightnessMinute, 0);
    v.byte(p, QStringLiteral("晚上亮度时间小时"), s.nightBrightnessHour, 19);
    v.byte(p, QStringLiteral("晚上亮度时间分钟"), s.nightBrightnessMinute, 0);
    v.number(p, QStringLiteral("u盘"), s.usbDiskMode, 0);
    v.number(p, QStringLiteral("颜色阀值"), s.colourThreshold, 127);
    v.number(p, QStringLiteral("刷新频率"), s.refreshRate, 100);
    v.number(p, QStringLiteral("数据逻辑"), s.dataLogic, 1);
    v.number(p, QStringLiteral("OE逻辑"), s.oeLogic, 1);
    v.text(QStringLiteral("显示屏串口"), QStringLiteral("串口"), s.serialPort, QStringLiteral("COM1"));
    v.number(QStringLiteral("显示屏串口"), QStringLiteral("波特率"), s.baudRate, 4800);
    v.number(QStringLiteral("显示屏信息存储"), QStringLiteral("存储信息大小"), s.storageSize, 409600);
    v.number(QStringLiteral("已占用信息存储"), QStringLiteral("已占用存储大小"), s.storageUsed, 0);
    v.text(QStringLiteral("上电显示"), QStringLiteral("上电LOGON"), s.powerOnText,
           QStringLiteral("ZORVA LED显示屏"));
    v.text(QStringLiteral("用户信息"), QStringLiteral("用户名"), s.userName, QStringLiteral("735"));
    v.text(QStringLiteral("用户信息"), QStringLiteral("密码"), s.password, QStringLiteral("735"));
    v.number(QStringLiteral("通讯方式"), QStringLiteral("通讯类型"), s.linkType, 0);
}

void visitProgramCounts(KeyVisitor& v, TprojectProp& s)
{
    v.number(kScreenSection, QStringLiteral("当前节目数"), s.programCount, 0);
    v.number(kScreenSection, QStringLiteral("最大节目数"), s.maxPrograms, 16);
}

void visitUnitBoard(KeyVisitor& v, TprojectProp& s)
{
    v.number(kScreenSection, QStringLiteral("单元板接口类型"), s.unitBoardType, 0);
}

struct ProgramWalk
{
    KeyVisitor& v;
    TjiemuProp& p;
    int n;
    QString section;
    int screenWidth;
    QString projectDir;

    void zoneBlock(int slot)
    {
        static const int defX[] = {0, 0, 0, 64, 0};
        static const int defY[] = {0, 0, 16, 16, 32};
        ZoneRecord& z = p.zone(slot);
        const QString pre = QString::fromUtf8(kSlotPrefix[slot]);
        const int defWidth = (slot == 2 || slot == 3) ? 64 : screenWidth;
        v.number(section, pre + QStringLiteral("分区标志"), z.zoneFlag, 0);
        v.number(section, pre + QStringLiteral("分区类型"), z.zoneType, 0);
        v.number(section, pre + QStringLiteral("分区起点X"), z.zoneX, defX[slot]);
        v.number(section, pre + QStringLiteral("分区起点Y"), z.zoneY, defY[slot]);
        v.number(section, pre + QStringLiteral("分区高度"), z.zoneHeight, 16);
        v.number(section, pre + QStringLiteral("分区信息高度"), z.zoneInfoHeight, 16);
        v.number(section, pre + QStringLiteral("分区纯文本"), z.zonePlainText, 0);
        v.number(section, pre + QStringLiteral("分区宽度"), z.zoneWidth, defWidth);
        v.text(section, pre + QStringLiteral("分区文件"), z.zoneFile,
               projectDir + QStringLiteral("Test.kvf"));
        if (!v.stopped())
            v.zoneFileVisited(n, slot);
        v.number(section, pre + QStringLiteral("分区播放方式"), z.zoneEffect, 1);
        v.number(section, pre + QStringLiteral("分区播放前清场"), z.zoneClearFirst, 1);
        v.number(section, pre + QStringLiteral("分区播放速度"), z.zoneSpeed, 3);
        v.number(section, pre + QStringLiteral("分区停留时间"), z.zoneStay, 4);
    }

    void perSlotBlock(int m)
    {
        ZoneRecord& z = p.zone(m);
        const QString s = QString::number(m);
        v.text(section, QStringLiteral("时钟固定文本") + s, z.clockFixedText, QString());
        v.number(section, QStringLiteral("字体") + s, z.zoneFont, 0);
        v.number(section, QStringLiteral("字体大小") + s, z.zoneFontSize, 1);
        v.number(section, QStringLiteral("背景颜色") + s, z.zoneBackColour, 4);
        v.number(section, QStringLiteral("颜色") + s, z.zoneColour, 1);
        v.number(section, QStringLiteral("时钟风格") + s, z.clockStyle, 0);
        v.number(section, QStringLiteral("信息位置x") + s, z.zoneInfoX, 0);
        v.number(section, QStringLiteral("信息位置y") + s, z.zoneInfoY, 0);
        v.number(section, QStringLiteral("信息间距") + s, z.zoneInfoSpacing, 0);
        v.number(section, QStringLiteral("星期位置") + s, z.clockWeekPos, 0);
        v.number(section, QStringLiteral("时分位置") + s, z.clockTimePos, 16);
        v.number(section, QStringLiteral("年星时选项") + s, z.clockOptions, 14);
        v.number(section, QStringLiteral("年格式") + s, z.clockYearFormat, 1);
        v.number(section, QStringLiteral("多行") + s, z.clockMultiLine, 1);
    }

    void clockPositions()
    {
        for (int m = 1; m <= kZoneSlots; ++m) {
            ZoneRecord& z = p.zone(m);
            const QString s = QString::number(m);
            const std::pair<const char*, int*> keys[] = {
                {"时钟年X坐标", &z.clockYearX},   {"时钟年Y坐标", &z.clockYearY},
                {"时钟月X坐标", &z.clockMonthX},  {"时钟月Y坐标", &z.clockMonthY},
                {"时钟日X坐标", &z.clockDayX},    {"时钟日Y坐标", &z.clockDayY},
                {"时钟时X坐标", &z.clockHourX},   {"时钟时Y坐标", &z.clockHourY},
                {"时钟分X坐标", &z.clockMinuteX}, {"时钟分Y坐标", &z.clockMinuteY},
                {"时钟秒X坐标", &z.clockSecondX}, {"时钟秒Y坐标", &z.clockSecondY},
                {"时钟星期X坐标", &z.clockWeekX}, {"时钟星期Y坐标", &z.clockWeekY},
            };
            for (const auto& [key, field] : keys)
                v.number(section, QString::fromUtf8(key) + s, *field, 0);
        }
    }

    void tail()
    {
        v.number(section, QStringLiteral("定时播放"), p.timedPlay, 0);
        v.number(section, QStringLiteral("播放模式"), p.playMode, 0);
        static const char* const starts[5] = {"00:00:00", "05:00:00", "08:00:00", "17:30:00", "22:00:00"};
        static const char* const stops[5] = {"05:00:00", "08:00:00", "17:30:00", "22:00:00", "23:59:59"};
        for (int i = 0; i < 5; ++i)
            v.text(section, QStringLiteral("播放时间%1").arg(i + 1), p.slotStart[i],
                   QLatin1String(starts[i]));
        for (int i = 0; i < 5; ++i)
            v.text(section, QStringLiteral("停放时间%1").arg(i + 1), p.slotStop[i], QLatin1String(stops[i]));
        for (int i = 0; i < 5; ++i)
            v.number(section, QStringLiteral("播放音量%1").arg(i + 1), p.slotVolume[i], 0);
        v.number(section, QStringLiteral("播放性别"), p.voiceGender, 0);
        v.text(section, QStringLiteral("起播时间"), p.startDate, QStringLiteral("2009-05-05"));
        v.text(section, QStringLiteral("停播时间"), p.endDate, QStringLiteral("2009-05-05"));
        static const char* const days[7] = {"星期一", "星期二", "星期三", "星期四",
                                            "星期五", "星期六", "星期日"};
        for (int d = 0; d < 7; ++d)
            v.number(section, QString::fromUtf8(days[d]), p.weekdays[d], 1);
    }

    void run()
    {
        v.byte(section, QStringLiteral("节目ID"), p.programId, n - 1);
        v.text(section, QStringLiteral("节目名"), p.programName, QStringLiteral("节目%1").arg(n));
        v.number(section, QStringLiteral("分区数量"), p.zoneCount, 1);
        v.number(section, QStringLiteral("节目分区模板"), p.layoutTemplate, 1);
        zoneBlock(1);
        if (v.readingOrder()) {
            for (int m = 1; m <= kZoneSlots; ++m)
                perSlotBlock(m);
            clockPositions();
        } else {
            perSlotBlock(1);
            perSlotBlock(2);
            clockPositions();
            perSlotBlock(3);
            perSlotBlock(4);
        }
        for (int slot = 2; slot <= kZoneSlots; ++slot)
            zoneBlock(slot);
        tail();
    }
};

QString programSection(int n)
{
    return QStringLiteral("节目%1").arg(n);
}

class Loader : public KeyVisitor
{
public:
    Loader(const IniFile& ini, ProjectState& state) : m_ini(ini), m_state(state) {}

    bool readingOrder() const override { return true; }
    bool stopped() const override { return !m_status.ok; }
    const Status& status() const { return m_status; }

    void number(const QString& section, const QString& key, int& field, int def) override
    {
        if (const auto v = integer(section, key, def))
            field = *v;
    }
    void byte(const QString& section, const QString& key, uint8_t& field, int def) override
    {
        if (const auto v = integer(section, key, def))
            field = static_cast<uint8_t>(static_cast<unsigned>(*v) & 0xFFu); // the low 8 bits, as stored
    }
    void text(const QString& section, const QString& key, QString& field, const QString& def) override
    {
        if (!stopped())
            field = m_ini.readString(section, key, def);
    }
    void zoneFileVisited(int program, int slot) override
    {
        ZoneRecord& z = m_state.zone(program, slot);
        if (z.zoneType != ZoneText)
            return;
        bool exists = false;
        z.zoneText = readZoneTextFile(resolveZoneFile(m_state, z.zoneFile), &exists);
        if (exists)
            m_state.currentZone = slot;
    }

private:
    std::optional<int> integer(const QString& section, const QString& key, int def)
    {
        if (stopped())
            return std::nullopt;
        const auto raw = m_ini.value(section, key);
        if (!raw)
            return def;
        bool ok = false;
        const qlonglong v = raw->toLongLong(&ok, 10);
        if (ok && v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max())
            return static_cast<int>(v);
        m_status = Status::failure(
            QCoreApplication::translate(
                "ProjectFile", "项目文件 %1 已损坏：[%2] 中的“%3”的值“%4”不是有效的整数。项目没有完全打开。")
                .arg(QDir::toNativeSeparators(m_ini.path()), section, key, *raw),
            QCoreApplication::translate("ProjectFile", "错误"));
        return std::nullopt;
    }

    const IniFile& m_ini;
    ProjectState& m_state;
    Status m_status;
};

class Saver : public KeyVisitor
{
public:
    Saver(IniFile& ini, ProjectState& state, FileTransaction& files)
        : m_ini(ini), m_state(state), m_files(files)
    {}

    bool readingOrder() const override { return false; }
    bool stopped() const override { return !m_status.ok; }
    const Status& status() const { return m_status; }

    void number(const QString& section, const QString& key, int& field, int) override
    {
        m_ini.writeString(section, key, QString::number(field));
    }
    void byte(const QString& section, const QString& key, uint8_t& field, int) override
    {
        m_ini.writeString(section, key, QString::number(field));
    }
    void text(const QString& section, const QString& key, QString& field, const QString&) override
    {
        m_ini.writeString(section, key, field);
    }
    void zoneFileVisited(int program, int slot) override
    {
        ZoneRecord& z = m_state.zone(program, slot);
        if (z.zoneType != ZoneText || stopped())
            return;
        z.zoneFile = zoneTextFilePath(m_state, program, slot);
        m_status = m_files.stage(z.zoneFile, toGbk(normaliseZoneText(z.zoneText)));
        m_ini.writeString(programSection(program),
                          QString::fromUtf8(kSlotPrefix[slot]) + QStringLiteral("分区文件"),
                          QDir::toNativeSeparators(z.zoneFile));
    }

private:
    IniFile& m_ini;
    ProjectState& m_state;
    FileTransaction& m_files;
    Status m_status;
};

void applyScreenToSettings(ProjectState& state)
{
    TprojectProp& s = state.cur();
    HardwareSettings& hw = state.hw;
    hw.screenWidth = s.screenWidth;
    hw.screenHeight = s.screenHeight;
    hw.powerOnText = s.powerOnText;
    hw.userName = s.userName;
    hw.password = s.password;
    hw.unitBoardType = s.unitBoardType;
    state.serial.portName = s.serialPort;

    auto& panels = state.statusPanels;
    panels[PanelScreenSize] =
        QCoreApplication::translate("ProjectFile", "显示屏大小:%1*%2").arg(s.screenHeight).arg(s.screenWidth);
    if (const QString colour = colourTypeCaption(s.colourType); !colour.isEmpty())
        panels[PanelColourType] = colour;
    panels[PanelPort] = s.serialPort;
    panels[PanelBaud] = QString::number(s.baudRate);
    panels[PanelUser] = QCoreApplication::translate("ProjectFile", "注册用户:%1").arg(s.userName);
    if (const QString board = unitBoardCaption(s.unitBoardType); !board.isEmpty())
        panels[PanelUnitBoard] = board;
}

// Beside the project file: ".Project.kvp.journal".
QString saveJournalPath(const QString& projectPath)
{
    const QFileInfo info(projectPath);
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".journal");
}

bool carriesScreenSettings(const QString& path)
{
    return QFileInfo(path).fileName().toUpper() == QLatin1String("PROJECT.KVP");
}

} // namespace

Status LoadProject(ProjectState& state, const QString& path, QStringList* warnings)
{
    // A save that was interrupted halfway is completed before anything is read.
    recoverFileTransaction(saveJournalPath(path));
    InitLedDispJiemu(state);
    const IniFile ini(path);
    if (!ini.loadStatus())
        return ini.loadStatus();
    TprojectProp& s = state.cur();
    s.projectPath = path;

    Loader loader(ini, state);
    if (carriesScreenSettings(path)) {
        visitScreen(loader, s);
        visitUnitBoard(loader, s);
        applyScreenToSettings(state);
    }
    visitProgramCounts(loader, s);
    if (!loader.status())
        return loader.status();

    if (s.programCount > kMaxPrograms) {
        if (warnings)
            warnings->append(
                QCoreApplication::translate("ProjectFile",
                                            "项目文件中的节目数 %1 超过了最大节目数 %2，只打开前 %2 个节目。")
                    .arg(s.programCount)
                    .arg(kMaxPrograms));
        s.programCount = kMaxPrograms;
    }
    if (s.programCount < 0)
        s.programCount = 0;
    state.programTotal = s.programCount;

    for (int n = 1; n <= s.programCount; ++n) {
        ProgramWalk walk{loader, s.program(n), n, programSection(n), s.screenWidth, state.projectDir};
        walk.run();
        if (!loader.status())
            return loader.status();
    }
    return Status::success();
}

Status SaveProject(ProjectState& state, const QString& path)
{
    state.memoChangeArmed = 0;
    recoverFileTransaction(saveJournalPath(path));
    IniFile ini(path);
    if (!ini.loadStatus()) {
        state.memoChangeArmed = 200;
        return ini.loadStatus(); // an unreadable file is never replaced blindly
    }
    TprojectProp& s = state.cur();

    // The text files and the project file are replaced together, so a full
    // disk or a read-only folder leaves the previous project whole.
    FileTransaction files(saveJournalPath(path));
    Saver saver(ini, state, files);
    visitScreen(saver, s);
    visitProgramCounts(saver, s);
    visitUnitBoard(saver, s);
    for (int n = 1; n <= std::min(s.programCount, kMaxPrograms); ++n) {
        ProgramWalk walk{saver, s.program(n), n, programSection(n), s.screenWidth, state.projectDir};
        walk.run();
        if (!saver.status())
            break;
    }
    Status status = saver.status();
    if (status)
        status = files.stage(path, ini.toBytes());
    if (status)
        status = files.commit();
    state.memoChangeArmed = 200;
    return status;
}

} // namespace dotsign
