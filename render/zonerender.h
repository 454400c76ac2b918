#pragma once
// The one way any zone is rendered, whatever its type: the main window's
// previews, the download, the USB-disk export and the command-line tool all
// come through here, so a zone looks the same everywhere.

#include "project/projectstate.h"
#include "project/status.h"
#include "render/ledplanes.h"

#include <QImage>
#include <QString>
#include <QStringList>

namespace dotsign {

enum class RenderMode {
    Preview, // sample clock digits; documents as the preview lays them out
    Download // the clock mask; documents as the download lays them out
};

struct ZoneRender
{
    QImage image;      // the zone bitmap: what is saved and copied into the planes
    QImage stripImage; // text strip modes: the long line the pages were cut from
    bool stripMode = false;
    int PreviewWidth = 0;
    int PreviewHeight = 0;
    QString replacedCharacters; // text zones: characters GBK cannot carry (drawn as '?')
    bool truncated = false;     // text zones: content beyond what the sign can hold was left out
    Status status; // a document that exists but cannot be read ("错误", caption "文件读错误。")
};

// The weekday names, Sunday first ("星期日" ... "星期六").
QStringList WeekdayNames();

// Renders zone `slot` of `program` and writes the fields the renderer updates
// into the zone record (zoneInfoHeight, the clock positions, a couplet zone's
// zoneHeight, a previewed document zone's zoneHeight). Saves nothing.
// Text zones render zoneText only when zoneFile ends in ".txt"; in the preview
// a zone without a file is one black page.
ZoneRender renderZone(ProjectState& state, int program, int slot, RenderMode mode);

// Writes the zone bitmap to ZoneBitmapPath as a Windows bitmap, creating
// "ExtFile/" when it is missing. The file is replaced in one atomic write.
Status saveZoneBitmap(const ProjectState& state, int program, int slot, const QImage& image);

// The preview's page marks (not part of the saved bitmap): blue lines across
// the zone image at y = k * zoneHeight - 1 and, in strip mode, down the strip
// at x = k * zoneWidth - 1, for k = 1 .. pages.
void drawPageMarks(ZoneRender& render, const ZoneRecord& zone);

struct ZonePlanesResult : Status
{
    bool rendered = false; // false: the zone was skipped (no file, or its document is missing)
    // A non-fatal note for the operator, such as "文件大小超出了该节目的编辑区域。"
    // captioned "错误" when a clock or document zone ran past the rows of the
    // planes; the download goes on.
    QString note;
    QString noteCaption;
};

// The download path for one zone: skip a zone without a file (and a
// document zone whose document is missing), render as the download does,
// save the bitmap and copy it into the planes (6144 rows for text and clocks,
// 4096 for documents; clocks and documents report an overflow). Tools that
// must leave the project folder alone pass saveBitmap = false.
ZonePlanesResult renderZoneToPlanes(ProjectState& state, LedPlanes& planes, int program, int slot,
                                    bool saveBitmap = true);

// The copy step alone, for a zone already rendered for the download.
ZonePlanesResult copyZoneRenderToPlanes(ProjectState& state, LedPlanes& planes, int program, int slot,
                                        const ZoneRender& render);

} // namespace dotsign
