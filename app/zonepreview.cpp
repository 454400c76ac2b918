#include "app/zonepreview.h"

#include "render/zonerender.h"

namespace dotsign {

ZonePreviewImage renderZonePreview(ProjectState& state, int program, int slot)
{
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
