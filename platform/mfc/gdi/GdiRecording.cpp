#include "mfc/gdi/GdiRecording.h"

#include <cmath>

namespace qelt::gdi {

Bounds RecordExtent(const Record& record) {
    Bounds bounds;
    if (const auto* shape = std::get_if<ShapeRecord>(&record.item)) {
        bounds = shape->path.Extent();
        if (bounds.empty) return bounds;
        // Outlines pass through pixel centres and spread by half the pen's width on each side.
        const double offset = shape->pixelEdges ? 0 : 0.5;
        const double half = shape->stroke ? shape->stroke->width / 2 : 0;
        bounds.left += offset - half, bounds.top += offset - half;
        bounds.right += offset + half, bounds.bottom += offset + half;
    } else if (const auto* text = std::get_if<TextRecord>(&record.item)) {
        const double c = std::cos(text->angle), s = std::sin(text->angle);
        const double corners[4][2] = {{0, 0}, {text->width, 0}, {0, text->height}, {text->width, text->height}};
        for (const auto& p : corners)
            bounds.Add(text->x + p[0] * c + p[1] * s, text->y - p[0] * s + p[1] * c);
    } else {
        const auto& image = std::get<ImageRecord>(record.item);
        bounds.Add(image.x, image.y);
        bounds.Add(image.x + image.width, image.y + image.height);
    }
    return bounds;
}

Record TransformRecord(const Record& record, const Affine& affine) {
    Record out;
    const double sx = std::fabs(affine.sx), sy = std::fabs(affine.sy);
    if (record.clip) {
        std::vector<RECT> rects;
        for (const RECT& rc : record.clip->Rects())
            rects.push_back(RECT{std::lround(affine.X(rc.left)), std::lround(affine.Y(rc.top)),
                                 std::lround(affine.X(rc.right)), std::lround(affine.Y(rc.bottom))});
        out.clip = std::make_shared<Region>(Region::FromRects(rects));
    }
    if (const auto* shape = std::get_if<ShapeRecord>(&record.item)) {
        ShapeRecord s = *shape;
        s.path = shape->path.Transformed(affine);
        if (s.stroke) s.stroke->width = std::max(1.0, s.stroke->width * (sx + sy) / 2);
        out.item = std::move(s);
    } else if (const auto* text = std::get_if<TextRecord>(&record.item)) {
        TextRecord t = *text;
        t.x = affine.X(text->x), t.y = affine.Y(text->y);
        if (affine.sy < 0) t.y -= text->height * sy;  // the cell keeps its top-left corner on top
        if (affine.sx < 0) t.x -= text->width * sx;
        t.font.emPixels = text->font.emPixels * sy;
        t.font.xScale = text->font.xScale * (sy > 0 ? sx / sy : 1);
        t.ascent = text->ascent * sy, t.height = text->height * sy, t.width = text->width * sx;
        out.item = std::move(t);
    } else {
        ImageRecord i = std::get<ImageRecord>(record.item);
        i.x = affine.X(i.x), i.y = affine.Y(i.y);
        i.width *= affine.sx, i.height *= affine.sy;
        out.item = std::move(i);
    }
    return out;
}

std::uint32_t ApplyRop3(std::uint32_t rop, std::uint32_t pattern, std::uint32_t source, std::uint32_t dest) {
    // Bit i of the operation's index gives the result for pattern, source and destination bits
    // (p << 2 | s << 1 | d) == i.
    const std::uint32_t index = (rop >> 16) & 0xFF;
    std::uint32_t result = 0;
    for (int i = 0; i < 8; ++i) {
        if (!((index >> i) & 1)) continue;
        result |= ((i & 4) ? pattern : ~pattern) & ((i & 2) ? source : ~source) & ((i & 1) ? dest : ~dest);
    }
    return result & 0xFFFFFF;
}

std::uint32_t ApplyRop2(int rop2, std::uint32_t pen, std::uint32_t dest) {
    // Bit i of (rop2 - 1) gives the result for pen and destination bits (p << 1 | d) == i.
    const int index = (rop2 - 1) & 0xF;
    std::uint32_t result = 0;
    for (int i = 0; i < 4; ++i) {
        if (!((index >> i) & 1)) continue;
        result |= ((i & 2) ? pen : ~pen) & ((i & 1) ? dest : ~dest);
    }
    return result & 0xFFFFFF;
}

bool RopUsesSource(std::uint32_t rop) {
    const std::uint32_t index = (rop >> 16) & 0xFF;
    return ((index >> 2) & 0x33) != (index & 0x33);
}

bool RopUsesPattern(std::uint32_t rop) {
    const std::uint32_t index = (rop >> 16) & 0xFF;
    return ((index >> 4) & 0x0F) != (index & 0x0F);
}

}  // namespace qelt::gdi
