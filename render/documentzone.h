#pragma once
// Graphic-text zones: a zone's rich document painted into a bitmap at one
// pixel per LED. Saving the bitmap and copying it into the planes is the
// caller's (render/zonerender.h), as for every zone type.

#include "project/projectstate.h"
#include "project/status.h"

#include <QImage>

namespace dotsign {

enum class DocumentPurpose {
    Download, // rtftobmp: the whole document, at least zoneHeight high
    Preview   // yuelanrtf: the preview's width, height and page rules
};

struct DocumentRender
{
    QImage image;      // empty when the zone has no loadable document
    bool found = false; // the zone's document file exists
    Status status;      // a document that exists but cannot be read ("错误" / "文件读错误。")
};

// Loads the zone's document from the project folder by its exact extension
// (".kvf", ".kvc", ".rtf") and paints it for `purpose`.
DocumentRender paintZoneDocument(const ProjectState& state, const ZoneRecord& zone, DocumentPurpose purpose);

} // namespace dotsign
