#include "link/contentcheck.h"

#include "link/sendtime.h"
#include "link/transdata.h"
#include "render/textrender.h"
#include "render/zonerender.h"

#include <QCoreApplication>

namespace dotsign {

namespace {

void add(QList<Finding>& out, int program, int zone, Severity severity, const char* code,
         const QString& message)
{
    out.append(Finding{program, zone, severity, QString::fromLatin1(code), message});
}

void checkZone(const ProjectState& state, int n, int slot, const ZonePlanesResult& rendered,
               QList<Finding>& out)
{
    const ZoneRecord& z = state.zone(n, slot);
    const QString where = QCoreApplication::translate("Preflight", "%1 分区%2")
                              .arg(state.program(n).programName, QString::number(slot));
    if (!rendered.note.isEmpty()) {
        add(out, n, slot, Severity::Error, "content-cut",
            QCoreApplication::translate("Preflight", "%1：%2 超出部分不会发送。").arg(where, rendered.note));
        return;
    }
    if (z.zoneType != ZoneText || z.zoneHeight <= 0 || state.hw.screenHeight <= 0)
        return;
    // Text is cut silently where the frames end.
    const int limit = z.zoneHeight * LedPlanes::kUsedRows / state.hw.screenHeight;
    if (z.zoneInfoHeight >= limit)
        add(out, n, slot, Severity::Error, "content-cut",
            QCoreApplication::translate("Preflight", "%1的文字太长，超出 %2 行的部分不会发送。")
                .arg(where, QString::number(limit)));
    const int leds = ledSizeForText(ledSizeTexts().value(z.zoneFontSize)).leds;
    if (leds > z.zoneHeight || leds > z.zoneWidth)
        add(out, n, slot, Severity::Warning, "text-larger-than-zone",
            QCoreApplication::translate("Preflight", "%1的字高 %2 点大于分区（%3×%4），文字显示不全。")
                .arg(where, QString::number(leds), QString::number(z.zoneWidth),
                     QString::number(z.zoneHeight)));
}

} // namespace

QList<Finding> checkProject(ProjectState& state, LedPlanes& planes)
{
    QList<Finding> out = checkProjectRecords(state);
    const int programs = std::clamp(state.cur().programCount, 0, kMaxPrograms);
    qint64 storage = 0;
    for (int n = 1; n <= programs; ++n) {
        planes.Clear();
        const int zones = std::clamp(state.program(n).zoneCount, 0, kZoneSlots);
        for (int slot = 1; slot <= zones; ++slot)
            checkZone(state, n, slot, renderZoneToPlanes(state, planes, n, slot, false), out);
        if (const auto shape = programShape(state, n))
            storage += estimateProgram(*shape, 9600).wireBytes;
    }
    if (state.cur().storageSize > 0 && storage > state.cur().storageSize)
        add(out, 0, 0, Severity::Error, "storage-exceeded",
            QCoreApplication::translate(
                "Preflight", "全部节目共 %1 字节，超过了控制卡的存储容量 %2 字节，后面的节目可能无法保存。")
                .arg(storage)
                .arg(state.cur().storageSize));
    return out;
}

} // namespace dotsign
