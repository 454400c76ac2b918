#pragma once
// The zone renderings the main window shows: the zone bitmap (whole pages of
// the zone's height), the strip of the text renderer's strip mode, and the
// size the preview shows at zoom 1.

#include "project/projectstate.h"

#include <QImage>
#include <QString>

namespace dotsign {

struct ZonePreviewImage
{
    QImage image; // zoneWidth wide, a whole number of pages high
    QImage strip; // strip mode only: the one long line
    bool stripMode = false;
    int previewWidth = 0; // PreviewWidth, PreviewHeight
    int previewHeight = 0;
    QString unsupported; // characters the sign cannot show
    QString error;       // a document that could not be read
    QString errorCaption;
};

// Renders zone `slot` of `program` for the preview (clock zones with sample digits).
ZonePreviewImage renderZonePreview(ProjectState& state, int program, int slot);

} // namespace dotsign
