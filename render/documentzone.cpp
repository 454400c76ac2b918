#include "render/documentzone.h"

#include "project/zonefiles.h"
#include "render/richdocument.h"

#include <QFileInfo>
#include <algorithm>

namespace dotsign {

namespace {

// The planes take a document zone's rows up to 4096; the bitmap is cut one
// page below that, so the copy still sees the overflow and reports it, and a
// file cannot make us paint a bitmap of gigabytes. Columns from 1472 on are
// dropped by the copy anyway.
constexpr int kMaxDocumentRows = 4096;
constexpr int kMaxDocumentColumns = 2048;
constexpr int kMinPreviewZoneHeight = 16;

int pagesHigh(int contentHeight, int pageHeight)
{
    const int pages = std::max(1, (contentHeight + pageHeight - 1) / pageHeight);
    const int maxPages = kMaxDocumentRows / pageHeight + 1;
    return std::min(pages, maxPages) * pageHeight;
}

// The formatted height; a document without any content has none, so that an
// empty zone is one black page whatever the default font's line height is.
int contentHeight(const RichDocument& doc)
{
    if (doc.document()->isEmpty())
        return 0;
    return doc.documentHeight();
}

int zoneDocumentWidth(const RichDocument& doc)
{
    return std::clamp(doc.documentWidth(), 1, kMaxDocumentColumns);
}

} // namespace

QImage rtftobmp(const RichDocument& doc, const ZoneRecord& zone)
{
    const int zoneHeight = std::max(1, zone.zoneHeight);
    const int height = std::min(std::max(contentHeight(doc), zoneHeight), kMaxDocumentRows + zoneHeight);
    return doc.render(zoneDocumentWidth(doc), height);
}

QImage yuelanrtf(const RichDocument& doc, int pageHeight)
{
    return doc.render(zoneDocumentWidth(doc), pagesHigh(contentHeight(doc), std::max(1, pageHeight)));
}

Status LoadZoneDocument(RichDocument& doc, const QString& path)
{
    return doc.loadFile(path);
}

DocumentRender paintZoneDocument(const ProjectState& state, const ZoneRecord& zone, DocumentPurpose purpose)
{
    DocumentRender result;
    result.pageHeight = zone.zoneHeight;
    const QString path = resolveZoneFile(state, zone.zoneFile);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return result;
    result.found = true;
    RichDocument doc;
    doc.setEditorWidth(zone.zoneWidth + kEditorScrollBarWidth);
    result.status = LoadZoneDocument(doc, path);
    if (purpose == DocumentPurpose::Download) {
        result.image = rtftobmp(doc, zone);
    } else {
        result.pageHeight = std::max(zone.zoneHeight, kMinPreviewZoneHeight);
        result.image = yuelanrtf(doc, result.pageHeight);
    }
    return result;
}

} // namespace dotsign
