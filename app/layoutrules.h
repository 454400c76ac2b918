#pragma once
// The four layout templates and the rules that keep a program's zones tiling
// the screen. Kept free of widgets so that the geometry can be checked alone.
//
// A template has at most three free sizes: the top zone's height (templates 2
// and 4), the left zone's width (template 3) and the bottom-left zone's width
// (template 4). Every zone rectangle follows from them and the screen size.

#include "project/projectstate.h"

#include <array>

namespace dotsign {

struct ZoneRect
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const ZoneRect& o) const
    {
        return x == o.x && y == o.y && width == o.width && height == o.height;
    }
};

struct TemplateSizes
{
    int topHeight = 0;       // templates 2 and 4
    int leftWidth = 0;       // template 3
    int bottomLeftWidth = 0; // template 4
};

constexpr int kMinFreeSize = 16;
constexpr int kSizeQuantum = 8;

// Zones a template divides the screen into (1, 2, 2, 3); 1 for an unknown template.
int zoneCountForTemplate(int layoutTemplate);

// Rectangles of zones 1..3 of a newly added program; unused slots are empty.
std::array<ZoneRect, 3> newProgramRects(int layoutTemplate, int screenWidth, int screenHeight);

// Zone rectangles 1..3 that tile the screen for the given free sizes. A free
// size larger than the screen leaves the following zone 0 wide or high.
std::array<ZoneRect, 3> tileZones(int layoutTemplate, int screenWidth, int screenHeight,
                                  const TemplateSizes& sizes);

// The free sizes a program's records hold.
TemplateSizes sizesFromProgram(const TjiemuProp& program);

// Writes the tiled rectangles into zone slots 1..3 of the program.
void writeZoneRects(TjiemuProp& program, int screenWidth, int screenHeight, const TemplateSizes& sizes);

// A free size kept between 16 and `maximum`, then lowered to a multiple of 8.
// When the screen is too small for both bounds the maximum wins; never below 0.
int clampFreeSize(int value, int maximum);

// Clamps every free size of the template (the splitter rule).
TemplateSizes clampSizes(int layoutTemplate, int screenWidth, int screenHeight, TemplateSizes sizes);

enum class GeometryField { X, Y, Height, Width };

// What a change of one of the four coordinate fields does.
struct GeometryChange
{
    enum Kind {
        Restore,     // the field is set back to `restoreValue`; the record stays
        SizeField,   // new free sizes; the current zone is selected again
        SplitterRule // new free sizes; the program is selected again
    };
    Kind kind = Restore;
    int restoreValue = 0;
    TemplateSizes sizes;
};

// Applies a typed value `v` of `field` for `zone` of a program of `layoutTemplate`
// whose current free sizes are `current`. The sizes returned are already clamped.
GeometryChange geometryFieldChange(int layoutTemplate, int zone, GeometryField field, int v, int screenWidth,
                                   int screenHeight, const TemplateSizes& current);

} // namespace dotsign
