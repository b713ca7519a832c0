#include "mfc/gdi/GdiPainter.h"

#include <algorithm>
#include <cmath>

#include "mfc/gdi/GdiText.h"
#include "win/WinGdi.h"

namespace qelt::gdi {

namespace {

void SetColor(cairo_t* cr, COLORREF c) {
    cairo_set_source_rgb(cr, GetRValue(c) / 255.0, GetGValue(c) / 255.0, GetBValue(c) / 255.0);
}

void ClipTo(cairo_t* cr, const Region* clip) {
    if (!clip) return;
    cairo_new_path(cr);
    for (const RECT& r : clip->Rects())
        cairo_rectangle(cr, r.left, r.top, r.right - r.left, r.bottom - r.top);
    cairo_clip(cr);  // an empty region clips everything away
}

void AddPath(cairo_t* cr, const Path& path, double offset) {
    cairo_new_path(cr);
    for (const Path::Segment& s : path.Segments()) {
        switch (s.op) {
        case Path::Op::Move: cairo_move_to(cr, s.x[0] + offset, s.y[0] + offset); break;
        case Path::Op::Line: cairo_line_to(cr, s.x[0] + offset, s.y[0] + offset); break;
        case Path::Op::Curve:
            cairo_curve_to(cr, s.x[0] + offset, s.y[0] + offset, s.x[1] + offset, s.y[1] + offset,
                           s.x[2] + offset, s.y[2] + offset);
            break;
        case Path::Op::Close: cairo_close_path(cr); break;
        }
    }
}

// One hatch pattern repeats every 8 pixels from the device origin.
bool HatchBit(int hatch, int x, int y) {
    switch (hatch) {
    case HS_HORIZONTAL: return y == 0;
    case HS_VERTICAL: return x == 0;
    case HS_FDIAGONAL: return x == y;
    case HS_BDIAGONAL: return x + y == 7;
    case HS_CROSS: return x == 0 || y == 0;
    default: return x == y || x + y == 7;  // HS_DIAGCROSS
    }
}

std::uint32_t PatternPixel(const Fill& fill, int x, int y) {
    if (!fill.hatched) return PixelFromColor(fill.color);
    return PixelFromColor(HatchBit(static_cast<int>(fill.hatch), x & 7, y & 7) ? fill.color : fill.background);
}

void SetFill(cairo_t* cr, const Fill& fill) {
    if (!fill.hatched) {
        SetColor(cr, fill.color);
        return;
    }
    cairo_surface_t* tile = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 8, 8);
    unsigned char* data = cairo_image_surface_get_data(tile);
    const int stride = cairo_image_surface_get_stride(tile);
    for (int y = 0; y < 8; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (int x = 0; x < 8; ++x) {
            const bool on = HatchBit(fill.hatch, x, y);
            row[x] = on ? 0xFF000000 | PixelFromColor(fill.color)
                        : fill.opaqueBackground ? 0xFF000000 | PixelFromColor(fill.background) : 0;
        }
    }
    cairo_surface_mark_dirty(tile);
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(tile);
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT);
    cairo_pattern_set_filter(pattern, CAIRO_FILTER_NEAREST);
    cairo_set_source(cr, pattern);
    cairo_pattern_destroy(pattern);
    cairo_surface_destroy(tile);
}

void SetDashes(cairo_t* cr, int style) {
    static const double dash[] = {18, 6}, dot[] = {3, 3}, dashDot[] = {9, 6, 3, 6}, dashDotDot[] = {9, 3, 3, 3, 3, 3},
                        alternate[] = {1, 1};
    switch (style) {
    case PS_DASH: cairo_set_dash(cr, dash, 2, 0); break;
    case PS_DOT: cairo_set_dash(cr, dot, 2, 0); break;
    case PS_DASHDOT: cairo_set_dash(cr, dashDot, 4, 0); break;
    case PS_DASHDOTDOT: cairo_set_dash(cr, dashDotDot, 6, 0); break;
    case PS_ALTERNATE: cairo_set_dash(cr, alternate, 2, 0); break;
    default: cairo_set_dash(cr, nullptr, 0, 0); break;
    }
}

void DrawShape(cairo_t* cr, const ShapeRecord& shape) {
    const double offset = shape.pixelEdges ? 0 : 0.5;
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    if (shape.fill) {
        AddPath(cr, shape.path, offset);
        cairo_set_fill_rule(cr, shape.fillMode == WINDING ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD);
        SetFill(cr, *shape.fill);
        cairo_fill(cr);
    }
    if (shape.stroke) {
        const Stroke& pen = *shape.stroke;
        AddPath(cr, shape.path, offset);
        cairo_set_line_width(cr, pen.width);
        cairo_set_line_cap(cr, pen.roundEnds ? CAIRO_LINE_CAP_ROUND : CAIRO_LINE_CAP_BUTT);
        cairo_set_line_join(cr, pen.roundEnds ? CAIRO_LINE_JOIN_ROUND : CAIRO_LINE_JOIN_MITER);
        const bool styled = (pen.style >= PS_DASH && pen.style <= PS_DASHDOTDOT) || pen.style == PS_ALTERNATE;
        if (styled && pen.opaqueGaps) {
            SetColor(cr, pen.gapColor);
            cairo_stroke_preserve(cr);
        }
        SetDashes(cr, styled ? pen.style : PS_SOLID);
        SetColor(cr, pen.color);
        cairo_stroke(cr);
        SetDashes(cr, PS_SOLID);
    }
}

struct PixelArea {
    int left, top, right, bottom;
};

PixelArea Clamp(const Bounds& b, int width, int height) {
    if (b.empty) return {0, 0, 0, 0};
    return {std::max(0, static_cast<int>(std::floor(b.left)) - 1), std::max(0, static_cast<int>(std::floor(b.top)) - 1),
            std::min(width, static_cast<int>(std::ceil(b.right)) + 1),
            std::min(height, static_cast<int>(std::ceil(b.bottom)) + 1)};
}

std::uint32_t* Row(cairo_surface_t* image, int y) {
    return reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(image) +
                                            static_cast<size_t>(y) * cairo_image_surface_get_stride(image));
}

// A shape under a raster operation other than copying: drawn alone, then combined pixel by pixel.
void CombineShape(cairo_surface_t* image, const Record& record, const ShapeRecord& shape) {
    const int width = cairo_image_surface_get_width(image), height = cairo_image_surface_get_height(image);
    const PixelArea area = Clamp(RecordExtent(record), width, height);
    if (area.right <= area.left || area.bottom <= area.top) return;
    cairo_surface_t* layer = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cr = cairo_create(layer);
    ClipTo(cr, record.clip.get());
    DrawShape(cr, shape);
    cairo_destroy(cr);
    cairo_surface_flush(layer);
    cairo_surface_flush(image);
    for (int y = area.top; y < area.bottom; ++y) {
        const std::uint32_t* src = Row(layer, y);
        std::uint32_t* dst = Row(image, y);
        for (int x = area.left; x < area.right; ++x)
            if ((src[x] >> 24) == 0xFF) dst[x] = ApplyRop2(shape.rop2, src[x] & 0xFFFFFF, dst[x] & 0xFFFFFF);
    }
    cairo_surface_mark_dirty(image);
    cairo_surface_destroy(layer);
}

// A block transfer, stretched by nearest pixels, with the ternary operation applied bit by bit.
void BlitOnPixels(cairo_surface_t* image, const ImageRecord& blit, const Region* clip) {
    double x0 = blit.x, x1 = blit.x + blit.width, y0 = blit.y, y1 = blit.y + blit.height;
    const bool mirrorX = x1 < x0, mirrorY = y1 < y0;
    if (mirrorX) std::swap(x0, x1);
    if (mirrorY) std::swap(y0, y1);
    const long left = std::lround(x0), right = std::lround(x1), top = std::lround(y0), bottom = std::lround(y1);
    if (right <= left || bottom <= top) return;
    const int width = cairo_image_surface_get_width(image), height = cairo_image_surface_get_height(image);
    const Pixels* source = blit.source.get();
    cairo_surface_flush(image);
    for (long y = std::max(top, 0L); y < std::min(bottom, long(height)); ++y) {
        std::uint32_t* dst = Row(image, static_cast<int>(y));
        long sy = 0;
        if (source && source->height > 0) {
            sy = static_cast<long>((y + 0.5 - top) * source->height / double(bottom - top));
            sy = std::clamp(sy, 0L, long(source->height) - 1);
            if (mirrorY) sy = source->height - 1 - sy;
        }
        for (long x = std::max(left, 0L); x < std::min(right, long(width)); ++x) {
            if (clip && !clip->Contains(static_cast<int>(x), static_cast<int>(y))) continue;
            std::uint32_t s = 0;
            if (source && source->width > 0 && source->height > 0) {
                long sx = static_cast<long>((x + 0.5 - left) * source->width / double(right - left));
                sx = std::clamp(sx, 0L, long(source->width) - 1);
                if (mirrorX) sx = source->width - 1 - sx;
                s = source->data[static_cast<size_t>(sy) * source->width + sx];
            }
            const std::uint32_t p = blit.pattern ? PatternPixel(*blit.pattern, static_cast<int>(x), static_cast<int>(y)) : 0;
            dst[x] = ApplyRop3(blit.rop, p, s, dst[x] & 0xFFFFFF);
        }
    }
    cairo_surface_mark_dirty(image);
}

cairo_surface_t* SurfaceOf(const Pixels& pixels, bool inverted) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, pixels.width, pixels.height);
    for (int y = 0; y < pixels.height; ++y) {
        std::uint32_t* row = Row(s, y);
        for (int x = 0; x < pixels.width; ++x) {
            const std::uint32_t p = pixels.data[static_cast<size_t>(y) * pixels.width + x];
            row[x] = inverted ? ~p & 0xFFFFFF : p;
        }
    }
    cairo_surface_mark_dirty(s);
    return s;
}

// Block transfers that do not read the destination: copies of the source (or its inverse), of the
// pattern, black and white.
void BlitOnVector(cairo_t* cr, const ImageRecord& blit) {
    cairo_save(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    const bool sourced = blit.source && blit.source->width > 0 && blit.source->height > 0;
    if (sourced && (blit.rop == SRCCOPY || blit.rop == NOTSRCCOPY)) {
        cairo_surface_t* surface = SurfaceOf(*blit.source, blit.rop == NOTSRCCOPY);
        cairo_translate(cr, blit.x, blit.y);
        cairo_scale(cr, blit.width / blit.source->width, blit.height / blit.source->height);
        cairo_set_source_surface(cr, surface, 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
        cairo_rectangle(cr, 0, 0, blit.source->width, blit.source->height);
        cairo_fill(cr);
        cairo_surface_destroy(surface);
    } else {
        cairo_rectangle(cr, blit.x, blit.y, blit.width, blit.height);
        if (blit.rop == BLACKNESS) SetColor(cr, 0);
        else if (blit.rop == WHITENESS) SetColor(cr, 0xFFFFFF);
        else if (blit.pattern) SetFill(cr, *blit.pattern);  // PATCOPY
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

}  // namespace

void PaintOnPixels(cairo_surface_t* image, const Record& record) {
    if (const auto* image_record = std::get_if<ImageRecord>(&record.item)) {
        BlitOnPixels(image, *image_record, record.clip.get());
        return;
    }
    const auto* shape = std::get_if<ShapeRecord>(&record.item);
    if (shape && shape->rop2 == R2_NOP) return;
    if (shape && shape->rop2 != R2_COPYPEN) {
        CombineShape(image, record, *shape);
        return;
    }
    cairo_t* cr = cairo_create(image);
    ClipTo(cr, record.clip.get());
    if (shape) DrawShape(cr, *shape);
    else DrawTextRecord(cr, std::get<TextRecord>(record.item));
    cairo_destroy(cr);
}

bool DrawsOnVector(const Record& record) {
    if (const auto* shape = std::get_if<ShapeRecord>(&record.item)) return shape->rop2 == R2_COPYPEN;
    if (const auto* blit = std::get_if<ImageRecord>(&record.item))
        return blit->rop == SRCCOPY || blit->rop == NOTSRCCOPY || blit->rop == PATCOPY || blit->rop == BLACKNESS ||
               blit->rop == WHITENESS;
    return true;  // text
}

void PaintOnVector(cairo_t* cr, const Record& record) {
    cairo_save(cr);
    ClipTo(cr, record.clip.get());
    if (const auto* shape = std::get_if<ShapeRecord>(&record.item)) DrawShape(cr, *shape);
    else if (const auto* text = std::get_if<TextRecord>(&record.item)) DrawTextRecord(cr, *text);
    else BlitOnVector(cr, std::get<ImageRecord>(record.item));
    cairo_restore(cr);
}

}  // namespace qelt::gdi
