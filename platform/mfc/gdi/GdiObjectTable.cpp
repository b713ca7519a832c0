#include "mfc/gdi/GdiObjectTable.h"

#include <cstdint>
#include <unordered_map>

namespace qelt::gdi {

namespace {

std::unordered_map<const void*, std::shared_ptr<ObjectData>>& Table() {
    static auto* table = new std::unordered_map<const void*, std::shared_ptr<ObjectData>>();
    return *table;
}

}  // namespace

BitmapData::BitmapData(int w, int h, int bpp)
    : ObjectData(OBJ_BITMAP), width(w), height(h), bitsPixel(bpp),
      surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h)) {}

BitmapData::~BitmapData() { cairo_surface_destroy(surface); }

std::uint32_t* BitmapData::Row(int y) {
    unsigned char* data = cairo_image_surface_get_data(surface);
    return reinterpret_cast<std::uint32_t*>(data + static_cast<size_t>(y) * cairo_image_surface_get_stride(surface));
}

Pixels BitmapData::Copy(int x, int y, int w, int h) {
    Pixels out;
    out.width = std::max(0, w), out.height = std::max(0, h);
    out.data.assign(static_cast<size_t>(out.width) * out.height, 0);
    cairo_surface_flush(surface);
    for (int j = 0; j < out.height; ++j) {
        const int sy = y + j;
        if (sy < 0 || sy >= height) continue;
        const std::uint32_t* row = Row(sy);
        for (int i = 0; i < out.width; ++i) {
            const int sx = x + i;
            if (sx >= 0 && sx < width) out.data[static_cast<size_t>(j) * out.width + i] = row[sx] & 0xFFFFFF;
        }
    }
    return out;
}

void* NewHandleValue() {
    static std::uintptr_t next = 0x10000;
    next += 16;
    return reinterpret_cast<void*>(next);
}

HGDIOBJ AddObject(std::shared_ptr<ObjectData> data) {
    void* handle = NewHandleValue();
    Table()[handle] = std::move(data);
    return handle;
}

std::shared_ptr<ObjectData> FindObject(HGDIOBJ handle) {
    auto it = Table().find(handle);
    return it == Table().end() ? nullptr : it->second;
}

bool RemoveObject(HGDIOBJ handle) { return Table().erase(handle) > 0; }

}  // namespace qelt::gdi
