#include "app/layoutrules.h"

#include <algorithm>

namespace dotsign {

int zoneCountForTemplate(int layoutTemplate)
{
    switch (layoutTemplate) {
    case 2:
    case 3:
        return 2;
    case 4:
        return 3;
    default:
        return 1;
    }
}

std::array<ZoneRect, 3> newProgramRects(int layoutTemplate, int screenWidth, int screenHeight)
{
    TemplateSizes sizes;
    sizes.topHeight = kMinFreeSize;
    sizes.leftWidth = 2 * kMinFreeSize;
    sizes.bottomLeftWidth = 2 * kMinFreeSize;
    return tileZones(layoutTemplate, screenWidth, screenHeight, sizes);
}

std::array<ZoneRect, 3> tileZones(int layoutTemplate, int screenWidth, int screenHeight,
                                  const TemplateSizes& sizes)
{
    const int w = std::max(0, screenWidth);
    const int h = std::max(0, screenHeight);
    // A panel cannot grow past its view; the filling panel takes what is left.
    const int top = std::clamp(sizes.topHeight, 0, h);
    const int left = std::clamp(sizes.leftWidth, 0, w);
    const int bottomLeft = std::clamp(sizes.bottomLeftWidth, 0, w);
    std::array<ZoneRect, 3> r{};
    switch (layoutTemplate) {
    case 2:
        r[0] = {0, 0, w, top};
        r[1] = {0, top, w, h - top};
        break;
    case 3:
        r[0] = {0, 0, left, h};
        r[1] = {left, 0, w - left, h};
        break;
    case 4:
        r[0] = {0, 0, w, top};
        r[1] = {0, top, bottomLeft, h - top};
        r[2] = {bottomLeft, top, w - bottomLeft, h - top};
        break;
    default:
        r[0] = {0, 0, w, h};
        break;
    }
    return r;
}

TemplateSizes sizesFromProgram(const TjiemuProp& program)
{
    TemplateSizes s;
    s.topHeight = program.zone(1).zoneHeight;
    s.leftWidth = program.zone(1).zoneWidth;
    s.bottomLeftWidth = program.zone(2).zoneWidth;
    return s;
}

void writeZoneRects(TjiemuProp& program, int screenWidth, int screenHeight, const TemplateSizes& sizes)
{
    const auto rects = tileZones(program.layoutTemplate, screenWidth, screenHeight, sizes);
    const int used = zoneCountForTemplate(program.layoutTemplate);
    for (int slot = 1; slot <= used; ++slot) {
        ZoneRecord& z = program.zone(slot);
        const ZoneRect& r = rects[static_cast<size_t>(slot - 1)];
        z.zoneX = r.x;
        z.zoneY = r.y;
        z.zoneWidth = r.width;
        z.zoneHeight = r.height;
    }
}

int clampFreeSize(int value, int maximum)
{
    int v = std::max(value, kMinFreeSize);
    v = std::min(v, maximum);
    v -= ((v % kSizeQuantum) + kSizeQuantum) % kSizeQuantum;
    return std::max(v, 0);
}

TemplateSizes clampSizes(int layoutTemplate, int screenWidth, int screenHeight, TemplateSizes sizes)
{
    if (layoutTemplate == 2 || layoutTemplate == 4)
        sizes.topHeight = clampFreeSize(sizes.topHeight, screenHeight - kSizeQuantum);
    if (layoutTemplate == 3)
        sizes.leftWidth = clampFreeSize(sizes.leftWidth, screenWidth - kSizeQuantum);
    if (layoutTemplate == 4)
        sizes.bottomLeftWidth = clampFreeSize(sizes.bottomLeftWidth, screenWidth - kSizeQuantum);
    return sizes;
}

namespace {

GeometryChange restore(int value)
{
    GeometryChange c;
    c.kind = GeometryChange::Restore;
    c.restoreValue = value;
    return c;
}

GeometryChange sizeChange(TemplateSizes sizes)
{
    GeometryChange c;
    c.kind = GeometryChange::SizeField;
    c.sizes = sizes;
    return c;
}

// Zone 3 of template 4 sets the bottom-left width from its own width, with
// limits of its own: zone 3 stays at least 16 wide, and a zone 3 wider than
// W - 8 leaves the bottom-left zone 8 wide.
int bottomLeftFromZone3(int zone3Width, int screenWidth)
{
    int v = screenWidth - zone3Width;
    if (zone3Width < kMinFreeSize)
        v = screenWidth - kMinFreeSize;
    if (zone3Width > screenWidth - kSizeQuantum)
        v = kSizeQuantum;
    v -= ((v % kSizeQuantum) + kSizeQuantum) % kSizeQuantum;
    return std::max(v, 0);
}

GeometryChange heightChange(int t, int zone, int v, int w, int h, TemplateSizes s)
{
    if (t == 2 || t == 4) {
        s.topHeight = clampFreeSize(zone == 1 ? v : h - v, h - kSizeQuantum);
        return sizeChange(s);
    }
    return restore(h);
}

GeometryChange widthChange(int t, int zone, int v, int w, int h, TemplateSizes s)
{
    if (t == 3) {
        s.leftWidth = clampFreeSize(zone == 1 ? v : w - v, w - kSizeQuantum);
        return sizeChange(s);
    }
    if (t == 4 && zone == 2) {
        s.bottomLeftWidth = clampFreeSize(v, w - kSizeQuantum);
        return sizeChange(s);
    }
    if (t == 4 && zone == 3) {
        s.bottomLeftWidth = bottomLeftFromZone3(v, w);
        return sizeChange(s);
    }
    return restore(w);
}

GeometryChange positionChange(int t, int zone, GeometryField field, int v, int w, int h, TemplateSizes s)
{
    const bool topFollows = field == GeometryField::Y && zone >= 2 && (t == 2 || t == 4);
    const bool leftFollows = field == GeometryField::X && zone == 2 && t == 3;
    const bool bottomLeftFollows = field == GeometryField::X && zone == 3 && t == 4;
    if (!topFollows && !leftFollows && !bottomLeftFollows)
        return restore(0);
    if (topFollows)
        s.topHeight = v;
    if (leftFollows)
        s.leftWidth = v;
    if (bottomLeftFollows)
        s.bottomLeftWidth = v;
    GeometryChange c;
    c.kind = GeometryChange::SplitterRule;
    c.sizes = clampSizes(t, w, h, s);
    return c;
}

} // namespace

GeometryChange geometryFieldChange(int layoutTemplate, int zone, GeometryField field, int v, int screenWidth,
                                   int screenHeight, const TemplateSizes& current)
{
    switch (field) {
    case GeometryField::Height:
        return heightChange(layoutTemplate, zone, v, screenWidth, screenHeight, current);
    case GeometryField::Width:
        return widthChange(layoutTemplate, zone, v, screenWidth, screenHeight, current);
    default:
        return positionChange(layoutTemplate, zone, field, v, screenWidth, screenHeight, current);
    }
}

} // namespace dotsign
