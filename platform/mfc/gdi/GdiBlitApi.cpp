// Block transfers: BitBlt, StretchBlt and PatBlt with ternary raster operations. The source must be a
// DC with pixels (a memory DC); its pixels are copied when the transfer is made.
#include <cmath>

#include "mfc/base/Diagnostics.h"
#include "mfc/gdi/GdiApi.h"
#include "mfc/gdi/GdiDeviceContext.h"

using namespace qelt::gdi;

BOOL StretchBlt(HDC hdest, int x, int y, int width, int height, HDC hsource, int xSource, int ySource,
                int widthSource, int heightSource, DWORD rop) {
    DeviceContext* dest = CheckDc(hdest, "StretchBlt");
    if (!dest) return FALSE;
    ImageRecord image;
    image.rop = rop;
    const POINT a = dest->ToDevice(x, y), b = dest->ToDevice(x + width, y + height);
    image.x = a.x, image.y = a.y, image.width = double(b.x - a.x), image.height = double(b.y - a.y);
    if (RopUsesSource(rop)) {
        DeviceContext* source = CheckDc(hsource, "StretchBlt");
        if (!source) return FALSE;
        const POINT sa = source->ToDevice(xSource, ySource);
        const POINT sb = source->ToDevice(xSource + widthSource, ySource + heightSource);
        const RECT rect{std::min(sa.x, sb.x), std::min(sa.y, sb.y), std::max(sa.x, sb.x), std::max(sa.y, sb.y)};
        std::optional<Pixels> pixels = SourcePixels(*source, rect, *dest);
        if (!pixels) {
            qelt::ReportMisuse("StretchBlt: the source device context has no pixels (not a memory DC)");
            return FALSE;
        }
        // A source mirrored by its own mapping mirrors the copy.
        if ((sb.x < sa.x) != (b.x < a.x)) image.x = b.x, image.width = -image.width;
        if ((sb.y < sa.y) != (b.y < a.y)) image.y = b.y, image.height = -image.height;
        image.source = std::make_shared<const Pixels>(std::move(*pixels));
    }
    if (RopUsesPattern(rop)) {
        image.pattern = FillOf(*dest, *dest->state.brushData);
        if (image.pattern) image.pattern->opaqueBackground = true;
        else image.pattern = Fill{};  // the null brush patterns black
    }
    if (image.width == 0 || image.height == 0) return TRUE;
    Emit(*dest, Record{std::move(image), nullptr});
    return TRUE;
}

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int xSource, int ySource, DWORD rop) {
    DeviceContext* s = RopUsesSource(rop) ? FindDc(source) : nullptr;
    DeviceContext* d = FindDc(dest);
    if (!s || !d) return StretchBlt(dest, x, y, width, height, source, xSource, ySource, width, height, rop);
    // The same number of device pixels on both sides, whatever their mapping modes.
    const double w = width * std::fabs(d->ScaleX()) / std::fabs(s->ScaleX());
    const double h = height * std::fabs(d->ScaleY()) / std::fabs(s->ScaleY());
    return StretchBlt(dest, x, y, width, height, source, xSource, ySource, static_cast<int>(std::lround(w)),
                      static_cast<int>(std::lround(h)), rop);
}

BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop) {
    if (RopUsesSource(rop)) {
        qelt::ReportMisuse("PatBlt: raster operation 0x%08lX needs a source", static_cast<unsigned long>(rop));
        return FALSE;
    }
    return StretchBlt(dc, x, y, width, height, nullptr, 0, 0, 0, 0, rop);
}
