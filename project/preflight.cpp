#include "project/preflight.h"

#include "project/gbk.h"
#include "project/zonefiles.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QRect>
#include <QTime>

namespace dotsign {

namespace {

class Checker
{
public:
    explicit Checker(const ProjectState& state) : m_state(state), m_screen(state.cur()) {}

    QList<Finding> run()
    {
        checkScreen();
        for (int n = 1; n <= std::min(m_screen.programCount, kMaxPrograms); ++n) {
            const TjiemuProp& p = m_screen.program(n);
            checkSchedule(n, p);
            const int zones = std::clamp(p.zoneCount, 0, kZoneSlots);
            for (int slot = 1; slot <= zones; ++slot)
                checkZone(n, slot, p.zone(slot));
            checkOverlaps(n, p, zones);
        }
        return m_findings;
    }

private:
    void add(int program, int zone, Severity severity, const char* code, const QString& message)
    {
        m_findings.append(Finding{program, zone, severity, QString::fromLatin1(code), message});
    }

    void checkScreen()
    {
        if (m_screen.screenWidth % 8 != 0)
            add(0, 0, Severity::Warning, "screen-width-not-multiple-of-8",
                QCoreApplication::translate("Preflight",
                                            "显示屏宽度 %1 不是 8 的倍数，最右边 %2 列不会发送到显示屏。")
                    .arg(m_screen.screenWidth)
                    .arg(m_screen.screenWidth % 8));
        if (!QFileInfo(extFileFolder(m_state).chopped(1)).isDir())
            add(0, 0, Severity::Warning, "extfile-missing",
                QCoreApplication::translate("Preflight",
                                            "项目文件夹中没有 ExtFile 文件夹，分区图片将在发送时创建。"));
    }

    void checkSchedule(int n, const TjiemuProp& p)
    {
        const QDate start = QDate::fromString(p.startDate, QStringLiteral("yyyy-MM-dd"));
        const QDate end = QDate::fromString(p.endDate, QStringLiteral("yyyy-MM-dd"));
        if (!start.isValid() || !end.isValid()) {
            add(n, 0, Severity::Error, "schedule-date-invalid",
                QCoreApplication::translate("Preflight",
                                            "%1的起播或停播日期“%2”/“%3”不是有效的日期，发送会失败。")
                    .arg(p.programName, p.startDate, p.endDate));
        } else if (p.timedPlay > 0 && end < start) {
            add(n, 0, Severity::Error, "schedule-dates",
                QCoreApplication::translate("Preflight",
                                            "%1的停播日期 %2 早于起播日期 %3，定时播放时该节目不会播放。")
                    .arg(p.programName, p.endDate, p.startDate));
        }
        for (int i = 0; i < 5; ++i) {
            const QTime from = QTime::fromString(p.slotStart[i], QStringLiteral("HH:mm:ss"));
            const QTime to = QTime::fromString(p.slotStop[i], QStringLiteral("HH:mm:ss"));
            if (!from.isValid() || !to.isValid())
                add(n, 0, Severity::Error, "schedule-time-invalid",
                    QCoreApplication::translate("Preflight",
                                                "%1的第 %2 个时段“%3-%4”不是有效的时间，发送会失败。")
                        .arg(p.programName, QString::number(i + 1), p.slotStart[i], p.slotStop[i]));
            else if (p.timedPlay > 0 && to < from)
                add(n, 0, Severity::Warning, "schedule-slot",
                    QCoreApplication::translate("Preflight", "%1的第 %2 个时段结束时间 %3 早于开始时间 %4。")
                        .arg(p.programName, QString::number(i + 1), p.slotStop[i], p.slotStart[i]));
        }
    }

    void checkZone(int n, int slot, const ZoneRecord& z)
    {
        const QString where = QCoreApplication::translate("Preflight", "%1 分区%2")
                                  .arg(m_screen.program(n).programName, QString::number(slot));
        if (z.zoneWidth <= 0 || z.zoneHeight <= 0)
            add(n, slot, Severity::Error, "zone-empty-size",
                QCoreApplication::translate("Preflight", "%1的宽度或高度为 0（%2×%3），无法发送。")
                    .arg(where, QString::number(z.zoneWidth), QString::number(z.zoneHeight)));
        else if (z.zoneX < 0 || z.zoneY < 0 || z.zoneX + z.zoneWidth > m_screen.screenWidth ||
                 z.zoneY + z.zoneHeight > m_screen.screenHeight)
            add(n, slot, Severity::Error, "zone-outside-screen",
                QCoreApplication::translate("Preflight", "%1（%2,%3 %4×%5）超出了显示屏范围 %6×%7。")
                    .arg(where, QString::number(z.zoneX), QString::number(z.zoneY),
                         QString::number(z.zoneWidth), QString::number(z.zoneHeight),
                         QString::number(m_screen.screenWidth), QString::number(m_screen.screenHeight)));
        checkContent(n, slot, z, where);
    }

    void checkContent(int n, int slot, const ZoneRecord& z, const QString& where)
    {
        const QString file = resolveZoneFile(m_state, z.zoneFile);
        const bool missing = z.zoneFile.isEmpty() || (z.zoneType != ZoneClock && !QFileInfo(file).isFile());
        if (missing) {
            add(n, slot, Severity::Error, "content-missing",
                z.zoneType == ZoneText
                    ? QCoreApplication::translate(
                          "Preflight", "%1的文本文件 %2 不存在，发送后该分区不显示。请先保存项目。")
                          .arg(where, fileNamePart(z.zoneFile))
                    : QCoreApplication::translate("Preflight", "%1的内容文件“%2”不存在，发送后该分区不显示。")
                          .arg(where, fileNamePart(z.zoneFile)));
        }
        if (z.zoneType != ZoneText)
            return;
        if (!z.zoneFile.endsWith(QLatin1String(".txt")))
            add(n, slot, Severity::Warning, "text-not-txt",
                QCoreApplication::translate("Preflight", "%1的文件“%2”不是 .txt 文件，发送时该分区为空。")
                    .arg(where, fileNamePart(z.zoneFile)));
        if (z.zoneText.trimmed().isEmpty())
            add(n, slot, Severity::Warning, "text-empty",
                QCoreApplication::translate("Preflight", "%1没有文字。").arg(where));
        const QString outside = charactersOutsideGbk(z.zoneText);
        if (!outside.isEmpty())
            add(n, slot, Severity::Error, "text-outside-gbk",
                QCoreApplication::translate("Preflight", "%1中的字符“%2”无法发送到控制卡，会显示为“?”。")
                    .arg(where, outside));
    }

    void checkOverlaps(int n, const TjiemuProp& p, int zones)
    {
        for (int a = 1; a <= zones; ++a)
            for (int b = a + 1; b <= zones; ++b) {
                const ZoneRecord& za = p.zone(a);
                const ZoneRecord& zb = p.zone(b);
                const QRect ra(za.zoneX, za.zoneY, za.zoneWidth, za.zoneHeight);
                const QRect rb(zb.zoneX, zb.zoneY, zb.zoneWidth, zb.zoneHeight);
                if (ra.isValid() && rb.isValid() && ra.intersects(rb))
                    add(n, b, Severity::Warning, "zones-overlap",
                        QCoreApplication::translate("Preflight",
                                                    "%1的分区%2与分区%3重叠，重叠部分显示分区%3的内容。")
                            .arg(p.programName, QString::number(a), QString::number(b)));
            }
    }

    const ProjectState& m_state;
    const TprojectProp& m_screen;
    QList<Finding> m_findings;
};

} // namespace

QList<Finding> checkProjectRecords(const ProjectState& state)
{
    return Checker(state).run();
}

QString severityCaption(Severity severity)
{
    return severity == Severity::Error ? QCoreApplication::translate("Preflight", "错误")
                                       : QCoreApplication::translate("Preflight", "警告");
}

} // namespace dotsign
