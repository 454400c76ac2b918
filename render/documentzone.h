#pragma once
// Graphic-text zones: a zone's rich document painted into a bitmap at one
// pixel per LED. Saving the bitmap and copying it into the planes is the
// caller's (render/zonerender.h), as for every zone type.
//
// The document is laid out at the zone's width (the editor is the zone width
// plus its scroll bar wide, the text runs left of the bar) with no side
// margins, on a black page. The bitmap is not paginated by the layout: its
// pages are simply every zoneHeight rows, so a line that straddles a page
// boundary is split between two pages.

#include "project/projectstate.h"
#include "project/status.h"

#include <QImage>

namespace dotsign {

class RichDocument;

enum class DocumentPurpose {
    Download, // rtftobmp: the whole document, at least zoneHeight high
    Preview   // yuelanrtf: the preview's width, height and page rules
};

struct DocumentRender
{
    QImage image;       // empty when the zone has no loadable document
    bool found = false; // the zone's document file exists
    Status status;      // a document that exists but cannot be read ("错误" / "文件读错误。")
    // The page height the image was made for. The preview raises zones lower
    // than 16 rows to 16; the caller stores this back into zoneHeight.
    int pageHeight = 0;
};

// Loads the zone's document from the project folder by its exact extension
// (".kvf", ".kvc", ".rtf") and paints it for `purpose`.
DocumentRender paintZoneDocument(const ProjectState& state, const ZoneRecord& zone, DocumentPurpose purpose);

// Loads a document file by its exact extension into `doc`; any other
// extension loads nothing and leaves `doc` as it was.
Status LoadZoneDocument(RichDocument& doc, const QString& path);

// The download's bitmap: the formatted width, the formatted height (top
// margin included) but at least one page of zoneHeight rows.
QImage rtftobmp(const RichDocument& doc, const ZoneRecord& zone);

// The preview's bitmap: the formatted width, the height rounded up to whole
// pages of `pageHeight` rows (at least one page).
QImage yuelanrtf(const RichDocument& doc, int pageHeight);

} // namespace dotsign
