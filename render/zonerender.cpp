#include "render/zonerender.h"

#include "project/atomicfile.h"
#include "project/zonefiles.h"
#include "render/clockrender.h"
#include "render/documentzone.h"
#include "render/fonts.h"
#include "render/textrender.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>

namespace dotsign {

namespace {

bool validZone(int program, int slot)
{
    return program >= 1 && program <= kProgramSlots && slot >= 1 && slot <= kZoneSlots;
}

Status invalidZone(int program, int slot)
{
    return Status::failure(
        QCoreApplication::translate("ZoneRender", "节目 %1 没有分区 %2。").arg(program).arg(slot));
}

// An empty page of the zone's size; a size read from a damaged file is held
// to what the planes can show (1472 columns, 6144 rows), never gigabytes.
QImage blackPage(int width, int height)
{
    if (width <= 0 || height <= 0)
        return QImage();
    QImage image(std::min(width, int(LedPlanes::kUsedColumns)), std::min(height, int(LedPlanes::kUsedRows)),
                 QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

bool documentExists(const ProjectState& state, const ZoneRecord& zone)
{
    const QString path = resolveZoneFile(state, zone.zoneFile);
    return !path.isEmpty() && QFileInfo(path).isFile();
}

void renderText(const ZoneRecord& zone, ZoneRender& out, ZoneRecord& record)
{
    TextInput input;
    if (fileNamePart(zone.zoneFile).endsWith(QLatin1String(".txt")))
        input.text = zone.zoneText;
    // A font position from another machine's list falls back to 宋体.
    input.fontName = ledFontFamilies().value(zone.zoneFont, kSongTi);
    input.sizeText = ledSizeTexts().value(zone.zoneFontSize);
    input.colour = textColourForZone(zone.zoneColour);
    input.couplet = zone.clockYearFormat > 0;

    TextRender text = Button1Click(zone, input);
    record.zoneInfoHeight = text.zoneInfoHeight;
    record.zoneHeight = text.zoneHeight;
    out.image = std::move(text.image);
    out.stripImage = std::move(text.stripImage);
    out.stripMode = text.stripMode;
    out.PreviewWidth = text.PreviewWidth;
    out.PreviewHeight = text.PreviewHeight;
    out.replacedCharacters = text.replacedCharacters;
    out.truncated = text.truncated;
}

void renderDocument(const ProjectState& state, ZoneRecord& zone, RenderMode mode, ZoneRender& out)
{
    const bool preview = mode == RenderMode::Preview;
    // The preview shows documents in pages of at least 16 rows, and the zone keeps that height.
    if (preview && zone.zoneHeight < 16 && documentExists(state, zone))
        zone.zoneHeight = 16;
    DocumentRender doc =
        paintZoneDocument(state, zone, preview ? DocumentPurpose::Preview : DocumentPurpose::Download);
    out.status = doc.status;
    out.image = std::move(doc.image);
    // A document that could not be read renders as the empty page it leaves.
    if (out.image.isNull())
        out.image = blackPage(zone.zoneWidth, zone.zoneHeight);
}

} // namespace

QStringList WeekdayNames()
{
    return {QStringLiteral("星期日"), QStringLiteral("星期一"), QStringLiteral("星期二"),
            QStringLiteral("星期三"), QStringLiteral("星期四"), QStringLiteral("星期五"),
            QStringLiteral("星期六")};
}

ZoneRender renderZone(ProjectState& state, int program, int slot, RenderMode mode)
{
    ZoneRender out;
    if (!validZone(program, slot)) {
        out.status = invalidZone(program, slot);
        return out;
    }
    ZoneRecord& zone = state.zone(program, slot);
    if (mode == RenderMode::Preview && fileNamePart(zone.zoneFile).isEmpty()) {
        out.image = blackPage(zone.zoneWidth, zone.zoneHeight);
    } else {
        switch (zone.zoneType) {
        case ZoneClock:
            out.image = ClocktoImage(zone, mode == RenderMode::Preview ? ClockPreview : ClockDownload,
                                     WeekdayNames());
            zone.zoneFile = ZoneBitmapPath(state, program, slot);
            // A clock is always one page; the copy into the planes would say the same.
            if (!out.image.isNull())
                zone.zoneInfoHeight = zone.zoneHeight;
            break;
        case ZoneDocument:
            renderDocument(state, zone, mode, out);
            break;
        default:
            renderText(zone, out, zone);
            return out;
        }
    }
    out.PreviewWidth = out.image.width();
    out.PreviewHeight = out.image.height();
    return out;
}

Status saveZoneBitmap(const ProjectState& state, int program, int slot, const QImage& image)
{
    if (image.isNull())
        return Status::success();
    if (Status made = ensureExtFileFolder(state); !made)
        return made;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "BMP");
    const QString path = ZoneBitmapPath(state, program, slot);
    if (!writer.write(image.convertToFormat(QImage::Format_RGB888)))
        return Status::failure(QCoreApplication::translate("FileAccess", "无法写入文件 %1。").arg(path));
    return writeFileAtomically(path, bytes);
}

void drawPageMarks(ZoneRender& render, const ZoneRecord& zone)
{
    if (zone.zoneHeight <= 0 || render.image.isNull())
        return;
    const QColor blue(0, 0, 255);
    const int pages = render.image.height() / zone.zoneHeight;
    {
        QPainter p(&render.image);
        p.setPen(blue);
        for (int k = 1; k <= pages; ++k)
            p.drawLine(0, k * zone.zoneHeight - 1, render.image.width() - 1, k * zone.zoneHeight - 1);
    }
    if (render.stripMode && !render.stripImage.isNull() && zone.zoneWidth > 0) {
        QPainter p(&render.stripImage);
        p.setPen(blue);
        for (int k = 1; k <= pages; ++k)
            p.drawLine(k * zone.zoneWidth - 1, 0, k * zone.zoneWidth - 1, render.stripImage.height() - 1);
    }
}

ZonePlanesResult copyZoneRenderToPlanes(ProjectState& state, LedPlanes& planes, int program, int slot,
                                        const ZoneRender& render)
{
    ZonePlanesResult result;
    if (!validZone(program, slot)) {
        static_cast<Status&>(result) = invalidZone(program, slot);
        return result;
    }
    ZoneRecord& zone = state.zone(program, slot);
    const bool document = zone.zoneType == ZoneDocument;
    const bool report = zone.zoneType == ZoneClock || document;
    const int rowLimit = document ? LedPlanes::kDocumentRows : LedPlanes::kUsedRows;
    const CopyResult copy =
        CopyZoneToPlanes(planes, render.image, zone, state.hw.screenWidth, state.hw.screenHeight,
                         state.hw.colourThreshold, rowLimit, report);
    result.rendered = true;
    if (!render.status) {
        result.note = render.status.message;
        result.noteCaption = render.status.caption;
    }
    if (!copy.message.isEmpty()) {
        result.note = copy.message;
        result.noteCaption = copy.caption;
    }
    return result;
}

ZonePlanesResult renderZoneToPlanes(ProjectState& state, LedPlanes& planes, int program, int slot,
                                    bool saveBitmap)
{
    ZonePlanesResult result;
    if (!validZone(program, slot)) {
        static_cast<Status&>(result) = invalidZone(program, slot);
        return result;
    }
    const ZoneRecord& zone = state.zone(program, slot);
    // A zone that was never given content has nothing to send, nor has a
    // document zone whose document is gone.
    if (fileNamePart(zone.zoneFile).isEmpty())
        return result;
    if (zone.zoneType == ZoneDocument && !documentExists(state, zone))
        return result;

    const ZoneRender render = renderZone(state, program, slot, RenderMode::Download);
    if (saveBitmap) {
        if (Status saved = saveZoneBitmap(state, program, slot, render.image); !saved) {
            static_cast<Status&>(result) = saved;
            return result;
        }
    }
    return copyZoneRenderToPlanes(state, planes, program, slot, render);
}

} // namespace dotsign
