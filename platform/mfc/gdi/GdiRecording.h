// What a device context records: every drawing operation as a device-space record with the state it
// was drawn with, so that a drawing can be painted again into pixels, into another device context
// (metafile playback) or into a vector picture.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "mfc/gdi/GdiPath.h"
#include "mfc/gdi/GdiRegion.h"
#include "win/WinTypes.h"

namespace qelt::gdi {

// A copy of pixels, 0x00RRGGBB each, rows top to bottom.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> data;
};

// How an area is filled: a solid colour or an 8 x 8 hatch over the background colour (or over
// nothing when the background mode is transparent).
struct Fill {
    bool hatched = false;
    COLORREF color = 0;
    int hatch = 0;
    bool opaqueBackground = false;
    COLORREF background = 0;
};

// How an outline is drawn. Styled (dashed, dotted) pens fill their gaps with the background colour
// when the background mode is opaque.
struct Stroke {
    COLORREF color = 0;
    double width = 1;
    int style = 0;        // PS_SOLID … PS_DASHDOTDOT
    bool roundEnds = false;
    bool opaqueGaps = false;
    COLORREF gapColor = 0;
};

// A font as the text engine sees it: family list, size of the em in device pixels, and the rest of
// the logical font's look.
struct FontSpec {
    std::string families;  // comma-separated, as the text engine takes them
    double emPixels = 16;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    double xScale = 1;     // horizontal stretch from a logical font's width
};

struct ShapeRecord {
    Path path;
    bool pixelEdges = false;  // coordinates are pixel edges (rectangle fills), not pixel centres
    std::optional<Fill> fill;
    std::optional<Stroke> stroke;
    int fillMode = 1;         // ALTERNATE or WINDING
    int rop2 = 13;            // R2_COPYPEN
};

struct TextRecord {
    std::string utf8;
    FontSpec font;
    double x = 0, y = 0;      // top-left of the text cell before rotation
    double ascent = 0;        // from the top of the cell to the baseline
    double width = 0, height = 0;
    double angle = 0;         // radians, counter-clockwise on the screen, about (x, y)
    COLORREF color = 0;
    bool opaque = false;
    COLORREF background = 0;
    std::vector<std::pair<int, int>> underlined;  // byte ranges of utf8 (prefix characters)
};

struct ImageRecord {
    std::shared_ptr<const Pixels> source;  // may be null for operations without a source
    double x = 0, y = 0, width = 0, height = 0;  // destination in device pixels
    std::uint32_t rop = 0xCC0020;                 // ternary raster operation
    std::optional<Fill> pattern;                  // the brush of operations that use one
};

struct Record {
    std::variant<ShapeRecord, TextRecord, ImageRecord> item;
    std::shared_ptr<const Region> clip;  // null: not clipped
};

struct Recording {
    std::vector<Record> records;
};

// The device area that a record can touch (its clip not taken into account).
Bounds RecordExtent(const Record& record);
// The record as drawn through an affine map (a metafile played into a rectangle).
Record TransformRecord(const Record& record, const Affine& affine);

// Ternary and binary raster operations on 0x00RRGGBB values.
std::uint32_t ApplyRop3(std::uint32_t rop, std::uint32_t pattern, std::uint32_t source, std::uint32_t dest);
std::uint32_t ApplyRop2(int rop2, std::uint32_t pen, std::uint32_t dest);
// Whether a ternary operation reads the source, the pattern or the destination.
bool RopUsesSource(std::uint32_t rop);
bool RopUsesPattern(std::uint32_t rop);

// COLORREF (0x00BBGGRR) and pixel (0x00RRGGBB) values.
inline std::uint32_t PixelFromColor(COLORREF c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
inline COLORREF ColorFromPixel(std::uint32_t p) {
    return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
}

}  // namespace qelt::gdi
