#include "link/transdata.h"

#include "link/downloadframes.h"
#include "link/frames.h"
#include "link/senders.h"
#include "project/zonefiles.h"
#include "render/zonerender.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>

namespace dotsign {

Q_DECLARE_LOGGING_CATEGORY(lcDownload)
Q_LOGGING_CATEGORY(lcDownload, "dotsign.download")

std::optional<ProgramShape> programShape(const ProjectState& state, int n)
{
    const TjiemuProp& p = state.program(n);
    const int last = std::clamp(p.zoneCount, 1, kZoneSlots);
    const ZoneRecord& z = p.zone(last);
    if (z.zoneHeight <= 0)
        return std::nullopt;
    ProgramShape shape;
    shape.program = n;
    const int screenHeight = std::max(0, state.hw.screenHeight);
    shape.frames = std::max(0, (z.zoneInfoHeight + z.zoneHeight - 1) / z.zoneHeight);
    // The planes hold 6144 rows; a zone height read from a damaged file must
    // not make the download stream rows that do not exist.
    if (screenHeight > 0)
        shape.frames = std::min(shape.frames, LedPlanes::kUsedRows / screenHeight);
    shape.rows = screenHeight * shape.frames;
    shape.bytesPerRow = std::clamp(state.hw.screenWidth / 8, 0, LedPlanes::kUsedColumns / 8);
    shape.colours = state.cur().colourType == 0 ? 1 : 2;
    return shape;
}

void renderProgram(ProjectState& state, LedPlanes& planes, int n,
                   const std::function<void(const Status&)>& note, bool saveBitmaps)
{
    const int zones = std::clamp(state.program(n).zoneCount, 0, kZoneSlots);
    for (int slot = 1; slot <= zones; ++slot) {
        state.currentProgram = n;
        state.currentZone = slot;
        ZonePlanesResult r = renderZoneToPlanes(state, planes, n, slot, saveBitmaps);
        if (note && !r.ok)
            note(r);
        // A bitmap that could not be saved left the zone out of the planes.
        if (!r.ok && !r.rendered && saveBitmaps)
            r = renderZoneToPlanes(state, planes, n, slot, false);
        if (note && !r.note.isEmpty())
            note(Status::failure(r.note, r.noteCaption));
    }
}

bool prepareBitmapFolder(const ProjectState& state, const std::function<void(const Status&)>& note)
{
    if (state.projectFilePath.isEmpty())
        return true; // no project folder: nothing is saved anyway
    // A missing folder is made by the first bitmap saved.
    const QString dir = extFileFolder(state);
    const QFileInfo info(dir.chopped(1));
    Status folder;
    if (info.exists() && !info.isDir())
        folder = ensureExtFileFolder(state);
    else if (info.isDir() && !info.isWritable())
        folder = Status::failure(QCoreApplication::translate("FileAccess", "无法写入文件夹 %1。")
                                     .arg(QDir::toNativeSeparators(dir)));
    if (!folder && note)
        note(folder);
    return folder.ok;
}

StreamResult streamProgram(const LedPlanes& planes, const ProgramShape& shape, FrameBuffer& buffer,
                           const std::function<Status(int block)>& sendBlock,
                           const std::function<void(qint64 done, qint64 total)>& rowDone)
{
    StreamResult result;
    const qint64 total = shape.streamBytes();
    qint64 done = 0;
    int d = 0;
    auto put = [&](uint8_t byte) -> bool {
        buffer.set(10 + d, byte);
        if (d < 511) {
            ++d;
            return true;
        }
        buffer.set(8, static_cast<uint8_t>(shape.program));
        buffer.set(9, static_cast<uint8_t>(++result.lastBlock));
        result.status = sendBlock(result.lastBlock);
        d = 0;
        return result.status.ok;
    };
    for (int r = 0; r < shape.rows; ++r) {
        for (int c = 0; c < shape.bytesPerRow; ++c)
            if (!put(planes.TRANSDATAR(r, c)))
                return result;
        if (shape.colours == 2)
            for (int c = 0; c < shape.bytesPerRow; ++c)
                if (!put(planes.TRANSDATAG(r, c)))
                    return result;
        done += qint64(shape.bytesPerRow) * shape.colours;
        if (rowDone)
            rowDone(done, total);
    }
    if (d > 0) {
        for (int i = d; i < 512; ++i)
            buffer.set(10 + i, 0);
        buffer.set(8, static_cast<uint8_t>(shape.program));
        buffer.set(9, static_cast<uint8_t>(++result.lastBlock));
        result.status = sendBlock(result.lastBlock);
    }
    return result;
}

void setFinalCount(FrameBuffer& buffer, int program, int lastBlock)
{
    buffer.set(8, static_cast<uint8_t>(program));
    buffer.set(9, static_cast<uint8_t>(finalBlockCount(lastBlock)));
}

namespace {

Status sendFailed(const QString& why)
{
    qCWarning(lcDownload).noquote() << "download stopped:" << why;
    return Status::failure(sendFailedMessage());
}

} // namespace

Status transdata(Exchange& ex, LedPlanes& planes, const DownloadObserver& observer)
{
    ProjectState& state = ex.state();
    const int programs = std::clamp(state.cur().programCount, 0, kMaxPrograms);
    const bool saveBitmaps = prepareBitmapFolder(state, observer.note);
    for (int k = 0; k < programs; ++k) {
        const int n = k + 1;
        planes.Clear();
        renderProgram(state, planes, n, observer.note, saveBitmaps);
        const auto shape = programShape(state, n);
        if (!shape)
            return sendFailed(QStringLiteral("program %1: its last zone has height 0").arg(n));

        const ExchangeResult index = SendProgramIndex(ex, k);
        if (index.portFailed)
            return sendFailed(index.reason);
        if (observer.programStarted)
            observer.programStarted(n, shape->streamBytes());

        QString failure;
        const StreamResult stream = streamProgram(
            planes, *shape, ex.link().frameBuffer,
            [&](int block) {
                const ExchangeResult r = SendProgramData(ex, block);
                failure = r.reason;
                return r.portFailed ? Status::failure(r.reason) : Status::success();
            },
            observer.progress);
        if (!stream.status)
            return sendFailed(failure);

        setFinalCount(ex.link().frameBuffer, n, stream.lastBlock);
        // The last data block's acknowledgement may still be on its way.
        ex.WaitForReply(kProgramIndexWait);
        const ExchangeResult end = SendTansLoad(ex);
        if (end.portFailed)
            return sendFailed(end.reason);
        if (!end.acknowledged && observer.note)
            observer.note(end.status(true));
    }
    return Status::success();
}

} // namespace dotsign
