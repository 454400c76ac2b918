#include "app/hardwaredialog_refit.h"

#include <algorithm>

namespace dotsign {

namespace {

// A zone that filled the old screen in one direction keeps a band of 8 dots
// for its neighbour; otherwise the neighbour takes what is left.
void splitHeight(ZoneRecord& first, std::initializer_list<ZoneRecord*> rest, int height)
{
    if (first.zoneHeight < height) {
        for (ZoneRecord* z : rest)
            z->zoneHeight = height - first.zoneHeight;
    } else {
        first.zoneHeight = height - 8;
    }
}

void splitWidth(ZoneRecord& first, ZoneRecord& second, int width)
{
    if (first.zoneWidth < width)
        second.zoneWidth = width - first.zoneWidth;
    else
        first.zoneWidth = width - 8;
}

} // namespace

void refitZones(TprojectProp& screen, int programs, int width, int height)
{
    const int last = std::clamp(programs, 0, kProgramSlots);
    for (int n = 1; n <= last; ++n) {
        TjiemuProp& p = screen.program(n);
        ZoneRecord& z1 = p.zone(1);
        ZoneRecord& z2 = p.zone(2);
        ZoneRecord& z3 = p.zone(3);
        switch (p.layoutTemplate) {
        case 1:
            z1.zoneHeight = height;
            z1.zoneWidth = width;
            break;
        case 2:
            z1.zoneWidth = width;
            z2.zoneWidth = width;
            splitHeight(z1, {&z2}, height);
            break;
        case 3:
            z1.zoneHeight = height;
            z2.zoneHeight = height;
            splitWidth(z1, z2, width);
            break;
        case 4:
            z1.zoneWidth = width;
            splitHeight(z1, {&z2, &z3}, height);
            splitWidth(z2, z3, width);
            break;
        default:
            break;
        }
    }
}

} // namespace dotsign
