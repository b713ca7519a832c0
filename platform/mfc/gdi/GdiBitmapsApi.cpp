// Bitmaps: colour (32 bits a pixel) and monochrome, their bits and their nominal dimension.
#include <cstring>

#include "mfc/base/Diagnostics.h"
#include "mfc/gdi/GdiApi.h"
#include "mfc/gdi/GdiDeviceContext.h"

using namespace qelt::gdi;

namespace {

// Larger bitmaps are refused, as a display driver refuses what it cannot hold.
constexpr int kMaxSide = 16384;
constexpr long kMaxPixels = 1L << 26;

bool TooLarge(int width, int height) {
    return width > kMaxSide || height > kMaxSide || static_cast<long>(width) * height > kMaxPixels;
}

long RowBytes(const BitmapData& b) { return b.bitsPixel == 1 ? (b.width + 15) / 16 * 2 : b.width * 4L; }

HBITMAP Add(std::shared_ptr<BitmapData> data) {
    // What a new bitmap shows, for its recording: black.
    ShapeRecord shape;
    const double xy[] = {0, 0, double(data->width), 0, double(data->width), double(data->height), 0, double(data->height)};
    shape.path.Polygon(xy, 4, true);
    shape.pixelEdges = true;
    shape.fill = Fill{};
    data->recording->records.push_back(Record{std::move(shape), nullptr});
    return static_cast<HBITMAP>(AddObject(std::move(data)));
}

void StoreBits(BitmapData& b, const unsigned char* bits, long size) {
    const long rowBytes = RowBytes(b);
    const long rows = std::min<long>(b.height, size / rowBytes);
    cairo_surface_flush(b.surface);
    for (long y = 0; y < rows; ++y) {
        const unsigned char* src = bits + y * rowBytes;
        std::uint32_t* row = b.Row(static_cast<int>(y));
        for (int x = 0; x < b.width; ++x) {
            if (b.bitsPixel == 1) row[x] = (src[x / 8] >> (7 - x % 8)) & 1 ? 0xFFFFFF : 0;
            else row[x] = src[4 * x] | (src[4 * x + 1] << 8) | (src[4 * x + 2] << 16);  // B, G, R, unused
        }
    }
    cairo_surface_mark_dirty(b.surface);
    // The recording now starts from these pixels.
    ImageRecord image;
    image.source = std::make_shared<const Pixels>(b.Copy(0, 0, b.width, b.height));
    image.width = b.width, image.height = b.height;
    b.recording->records.assign(1, Record{std::move(image), nullptr});
}

}  // namespace

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
    if (width < 0 || height < 0 || TooLarge(width, height) || planes != 1 ||
        (bitsPerPixel != 1 && bitsPerPixel != 32)) {
        qelt::ReportMisuse("CreateBitmap: %d x %d with %u planes of %u bits is not supported", width, height, planes,
                           bitsPerPixel);
        return nullptr;
    }
    if (width == 0 || height == 0) width = height = 1, bitsPerPixel = 1;  // the platform's answer
    auto data = std::make_shared<BitmapData>(width, height, static_cast<int>(bitsPerPixel));
    if (bits) StoreBits(*data, static_cast<const unsigned char*>(bits), RowBytes(*data) * height);
    if (bits) return static_cast<HBITMAP>(AddObject(std::move(data)));
    return Add(std::move(data));
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height) {
    DeviceContext* dc = hdc ? CheckDc(hdc, "CreateCompatibleBitmap") : nullptr;
    if (hdc && !dc) return nullptr;
    if (width < 0 || height < 0 || TooLarge(width, height)) return nullptr;
    // Compatible with a memory DC means the format of the bitmap selected into it (monochrome in a
    // new memory DC); with any other DC, the screen's colour format.
    const bool mono = dc && dc->kind == DcKind::Memory && dc->state.bitmapData && dc->state.bitmapData->bitsPixel == 1;
    return CreateBitmap(width, height, 1, mono ? 1 : 32, nullptr);
}

LONG GetBitmapBits(HBITMAP bitmap, LONG size, LPVOID bits) {
    std::shared_ptr<BitmapData> b = Find<BitmapData>(bitmap);
    if (!b) {
        qelt::ReportMisuse("GetBitmapBits: %p is not a bitmap", static_cast<void*>(bitmap));
        return 0;
    }
    const long rowBytes = RowBytes(*b);
    if (!bits) return rowBytes * b->height;
    const long rows = std::min<long>(b->height, std::max<long>(size, 0) / rowBytes);
    auto* out = static_cast<unsigned char*>(bits);
    std::memset(out, 0, rows * rowBytes);
    cairo_surface_flush(b->surface);
    for (long y = 0; y < rows; ++y) {
        const std::uint32_t* row = b->Row(static_cast<int>(y));
        unsigned char* dst = out + y * rowBytes;
        for (int x = 0; x < b->width; ++x) {
            if (b->bitsPixel == 1) {
                if (row[x] & 0xFFFFFF) dst[x / 8] |= static_cast<unsigned char>(0x80 >> (x % 8));
            } else {
                dst[4 * x] = row[x] & 0xFF, dst[4 * x + 1] = (row[x] >> 8) & 0xFF, dst[4 * x + 2] = (row[x] >> 16) & 0xFF;
            }
        }
    }
    return rows * rowBytes;
}

LONG SetBitmapBits(HBITMAP bitmap, DWORD size, const void* bits) {
    std::shared_ptr<BitmapData> b = Find<BitmapData>(bitmap);
    if (!b || !bits) {
        qelt::ReportMisuse("SetBitmapBits: %s", b ? "no bits" : "not a bitmap");
        return 0;
    }
    const long rowBytes = RowBytes(*b);
    const long used = std::min<long>(static_cast<long>(size) / rowBytes, b->height) * rowBytes;
    StoreBits(*b, static_cast<const unsigned char*>(bits), used);
    return used;
}

BOOL GetBitmapDimensionEx(HBITMAP bitmap, LPSIZE size) {
    std::shared_ptr<BitmapData> b = Find<BitmapData>(bitmap);
    if (!b || !size) {
        qelt::ReportMisuse("GetBitmapDimensionEx: %s", b ? "no size" : "not a bitmap");
        return FALSE;
    }
    *size = b->dimension;
    return TRUE;
}

BOOL SetBitmapDimensionEx(HBITMAP bitmap, int width, int height, LPSIZE previous) {
    std::shared_ptr<BitmapData> b = Find<BitmapData>(bitmap);
    if (!b) {
        qelt::ReportMisuse("SetBitmapDimensionEx: %p is not a bitmap", static_cast<void*>(bitmap));
        return FALSE;
    }
    if (previous) *previous = b->dimension;
    b->dimension = SIZE{width, height};
    return TRUE;
}
