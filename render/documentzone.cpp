#include "render/documentzone.h"

namespace dotsign {

// First cut: no document support yet; every graphic-text zone renders empty.
DocumentRender paintZoneDocument(const ProjectState&, const ZoneRecord&, DocumentPurpose)
{
    return DocumentRender{};
}

} // namespace dotsign
