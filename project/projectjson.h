#pragma once
// The project state as JSON, with the records' field names: what
// `dotsign-cli dump` prints and what scripts and tests compare.

#include "project/projectstate.h"

#include <QJsonObject>

namespace dotsign {

QJsonObject zoneToJson(const ZoneRecord& zone, int slot);
QJsonObject programToJson(const TjiemuProp& program);
// {"screen": {...}, "programs": [{..., "zones": [{slot: 1, ...} x4]}]} for programs 1..programCount.
QJsonObject projectToJson(const ProjectState& state);

} // namespace dotsign
