#include "app/zonepreview.h"

#include "project/zonefiles.h"
#include "render/clockrender.h"
#include "render/zonerender.h"

namespace dotsign {

ZonePreviewImage renderZonePreview(ProjectState& state, int program, int slot)
{
    ZoneRecord& zone = state.zone(program, slot);
    if (zone.zoneType == ZoneClock) {
        // A clock is drawn with sample digits even before its first drawing
        // gave it a bitmap file.
        ZonePreviewImage out;
        out.image = ClocktoImage(zone, ClockPreview, WeekdayNames());
        zone.zoneFile = ZoneBitmapPath(state, program, slot);
        out.previewWidth = out.image.width();
        out.previewHeight = out.image.height();
        return out;
    }
    const ZoneRender r = renderZone(state, program, slot, RenderMode::Preview);
    ZonePreviewImage out;
    out.image = r.image;
    out.strip = r.stripImage;
    out.stripMode = r.stripMode;
    out.previewWidth = r.PreviewWidth;
    out.previewHeight = r.PreviewHeight;
    out.unsupported = r.replacedCharacters;
    if (!r.status) {
        out.error = r.status.message;
        out.errorCaption = r.status.caption;
    }
    return out;
}

} // namespace dotsign
