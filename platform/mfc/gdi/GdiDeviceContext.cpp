#include "mfc/gdi/GdiDeviceContext.h"

#include <cmath>
#include <unordered_map>

#include "mfc/base/Diagnostics.h"
#include "mfc/gdi/GdiApi.h"
#include "mfc/gdi/GdiPainter.h"

namespace qelt::gdi {

namespace {

std::unordered_map<const void*, std::unique_ptr<DeviceContext>>& Table() {
    static auto* table = new std::unordered_map<const void*, std::unique_ptr<DeviceContext>>();
    return *table;
}

bool RopReadsDest(std::uint32_t rop) {
    const std::uint32_t index = (rop >> 16) & 0xFF;
    return ((index >> 1) & 0x55) != (index & 0x55);
}

// Whether a record covers the whole drawing area opaquely, hiding everything recorded before it.
bool HidesEverything(const Record& record, int width, int height) {
    if (record.clip || width <= 0 || height <= 0) return false;
    const Bounds b = RecordExtent(record);
    const bool covers = !b.empty && b.left <= 0 && b.top <= 0 && b.right >= width && b.bottom >= height;
    if (!covers) return false;
    if (const auto* shape = std::get_if<ShapeRecord>(&record.item)) {
        const auto& segments = shape->path.Segments();
        return shape->pixelEdges && segments.size() == 5 && shape->fill && !shape->fill->hatched &&
               shape->rop2 == R2_COPYPEN;  // one rectangle filled with a solid colour
    }
    if (const auto* image = std::get_if<ImageRecord>(&record.item))
        return !RopReadsDest(image->rop) && (!image->pattern || !image->pattern->hatched);
    return false;
}

// Monochrome bitmaps hold black and white only: what was drawn is snapped to the nearer.
void SnapToMonochrome(BitmapData& bitmap, const Bounds& area) {
    if (area.empty) return;
    const int left = std::max(0, static_cast<int>(std::floor(area.left)) - 1);
    const int right = std::min(bitmap.width, static_cast<int>(std::ceil(area.right)) + 1);
    const int top = std::max(0, static_cast<int>(std::floor(area.top)) - 1);
    const int bottom = std::min(bitmap.height, static_cast<int>(std::ceil(area.bottom)) + 1);
    cairo_surface_flush(bitmap.surface);
    for (int y = top; y < bottom; ++y) {
        std::uint32_t* row = bitmap.Row(y);
        for (int x = left; x < right; ++x) {
            const std::uint32_t p = row[x];
            const int sum = ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF);
            row[x] = sum >= 3 * 128 ? 0xFFFFFF : 0;
        }
    }
    cairo_surface_mark_dirty(bitmap.surface);
}

}  // namespace

POINT DeviceContext::ToDevice(long x, long y) const {
    return POINT{std::lround(DeviceX(x)), std::lround(DeviceY(y))};
}

RECT DeviceContext::ToDevice(const RECT& r) const {
    const POINT a = ToDevice(r.left, r.top), b = ToDevice(r.right, r.bottom);
    return RECT{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

Recording* DeviceContext::Target() {
    if (kind == DcKind::Memory) return state.bitmapData ? state.bitmapData->recording.get() : nullptr;
    return recording.get();
}

HDC AddDc(std::unique_ptr<DeviceContext> dc) {
    DcState& s = dc->state;
    s.pen = GetStockObject(BLACK_PEN), s.penData = Find<PenData>(s.pen);
    s.brush = GetStockObject(WHITE_BRUSH), s.brushData = Find<BrushData>(s.brush);
    s.font = GetStockObject(SYSTEM_FONT), s.fontData = Find<FontData>(s.font);
    HDC handle = static_cast<HDC>(NewHandleValue());
    if (dc->kind == DcKind::Memory) {
        // A new memory DC holds the platform's one-pixel monochrome bitmap.
        static HBITMAP stockBitmap = [] {
            HBITMAP b = CreateBitmap(1, 1, 1, 1, nullptr);
            Find<BitmapData>(b)->stock = true;
            return b;
        }();
        s.bitmap = stockBitmap, s.bitmapData = Find<BitmapData>(stockBitmap);
    }
    Table()[handle] = std::move(dc);
    return handle;
}

DeviceContext* FindDc(HDC handle) {
    auto it = Table().find(handle);
    return it == Table().end() ? nullptr : it->second.get();
}

std::unique_ptr<DeviceContext> RemoveDc(HDC handle) {
    auto it = Table().find(handle);
    if (it == Table().end()) return nullptr;
    std::unique_ptr<DeviceContext> dc = std::move(it->second);
    Table().erase(it);
    if (dc->state.bitmapData && !dc->state.bitmapData->stock) dc->state.bitmapData->selectedInto = nullptr;
    return dc;
}

DeviceContext* CheckDc(HDC handle, const char* operation) {
    DeviceContext* dc = FindDc(handle);
    if (!dc) ReportMisuse("%s: %p is not a device context", operation, static_cast<void*>(handle));
    return dc;
}

void Emit(DeviceContext& dc, Record record) {
    if (dc.state.clip)
        record.clip = record.clip ? std::make_shared<Region>(Region::Combine(*record.clip, *dc.state.clip, RGN_AND))
                                  : dc.state.clip;
    BitmapData* bitmap = dc.kind == DcKind::Memory ? dc.state.bitmapData.get() : nullptr;
    if (Recording* target = dc.Target()) {
        const int width = bitmap ? bitmap->width : dc.width, height = bitmap ? bitmap->height : dc.height;
        if (HidesEverything(record, width, height)) target->records.clear();
        target->records.push_back(record);
    }
    if (bitmap) {
        PaintOnPixels(bitmap->surface, record);
        if (bitmap->bitsPixel == 1) SnapToMonochrome(*bitmap, RecordExtent(record));
    }
}

std::optional<Stroke> CurrentStroke(const DeviceContext& dc) {
    const PenData& pen = *dc.state.penData;
    const UINT style = pen.style & PS_STYLE_MASK;
    if (style == PS_NULL) return std::nullopt;
    Stroke stroke;
    stroke.color = pen.color;
    stroke.width = std::max(1.0, std::round(pen.width * std::fabs(dc.ScaleX())));
    stroke.style = stroke.width > 1 || style == PS_INSIDEFRAME ? PS_SOLID : static_cast<int>(style);
    stroke.roundEnds = stroke.width > 1;
    stroke.opaqueGaps = dc.state.bkMode == OPAQUE;
    stroke.gapColor = dc.state.bkColor;
    return stroke;
}

std::optional<Fill> FillOf(const DeviceContext& dc, const BrushData& brush) {
    if (brush.style == BS_NULL) return std::nullopt;
    Fill fill;
    fill.color = brush.color;
    fill.hatched = brush.style == BS_HATCHED;
    fill.hatch = static_cast<int>(brush.hatch);
    fill.opaqueBackground = dc.state.bkMode == OPAQUE;
    fill.background = dc.state.bkColor;
    return fill;
}

std::optional<Pixels> SourcePixels(DeviceContext& source, const RECT& rect, const DeviceContext& dest) {
    BitmapData* bitmap = source.kind == DcKind::Memory ? source.state.bitmapData.get() : nullptr;
    if (!bitmap) return std::nullopt;
    Pixels pixels = bitmap->Copy(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    const BitmapData* target = dest.kind == DcKind::Memory ? dest.state.bitmapData.get() : nullptr;
    const bool destMono = target && target->bitsPixel == 1;
    if (bitmap->bitsPixel == 1 && !destMono) {
        // Monochrome to colour: white takes the destination's background colour, black its text colour.
        const std::uint32_t white = PixelFromColor(dest.state.bkColor), black = PixelFromColor(dest.state.textColor);
        for (std::uint32_t& p : pixels.data) p = p ? white : black;
    } else if (bitmap->bitsPixel != 1 && destMono) {
        // Colour to monochrome: the source's background colour becomes white, everything else black.
        const std::uint32_t background = PixelFromColor(source.state.bkColor);
        for (std::uint32_t& p : pixels.data) p = p == background ? 0xFFFFFF : 0;
    }
    return pixels;
}

}  // namespace qelt::gdi
