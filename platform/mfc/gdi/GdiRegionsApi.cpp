// Regions (device pixels) and the clip region of a DC.
#include <cmath>

#include "mfc/base/Diagnostics.h"
#include "mfc/gdi/GdiApi.h"
#include "mfc/gdi/GdiDeviceContext.h"

using namespace qelt::gdi;

namespace {

HRGN Add(Region region) { return static_cast<HRGN>(AddObject(std::make_shared<RegionData>(std::move(region)))); }

std::shared_ptr<RegionData> RegionOf(HRGN handle, const char* operation) {
    std::shared_ptr<RegionData> data = Find<RegionData>(handle);
    if (!data) qelt::ReportMisuse("%s: %p is not a region", operation, static_cast<void*>(handle));
    return data;
}

}  // namespace

HRGN CreateRectRgn(int left, int top, int right, int bottom) { return Add(Region::FromRect(left, top, right, bottom)); }

HRGN CreateRectRgnIndirect(const RECT* rect) {
    if (!rect) {
        qelt::ReportMisuse("CreateRectRgnIndirect: no rectangle");
        return nullptr;
    }
    return CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode) {
    if (!points || count < 2 || (fillMode != ALTERNATE && fillMode != WINDING)) {
        qelt::ReportMisuse("CreatePolygonRgn: bad arguments");
        return nullptr;
    }
    const int counts[] = {count};
    return Add(Region::FromPolygons(points, counts, 1, fillMode));
}

int CombineRgn(HRGN dest, HRGN a, HRGN b, int mode) {
    std::shared_ptr<RegionData> d = RegionOf(dest, "CombineRgn"), ra = RegionOf(a, "CombineRgn");
    if (!d || !ra || mode < RGN_AND || mode > RGN_COPY) return ERROR;
    std::shared_ptr<RegionData> rb = mode == RGN_COPY ? nullptr : RegionOf(b, "CombineRgn");
    if (mode != RGN_COPY && !rb) return ERROR;
    d->region = Region::Combine(ra->region, rb ? rb->region : Region(), mode);
    return d->region.Complexity();
}

BOOL PtInRegion(HRGN region, int x, int y) {
    std::shared_ptr<RegionData> r = RegionOf(region, "PtInRegion");
    return r && r->region.Contains(x, y);
}

int GetRgnBox(HRGN region, LPRECT box) {
    std::shared_ptr<RegionData> r = RegionOf(region, "GetRgnBox");
    if (!r || !box) return ERROR;
    *box = r->region.Box();
    return r->region.Complexity();
}

int OffsetRgn(HRGN region, int dx, int dy) {
    std::shared_ptr<RegionData> r = RegionOf(region, "OffsetRgn");
    if (!r) return ERROR;
    r->region.Offset(dx, dy);
    return r->region.Complexity();
}

BOOL EqualRgn(HRGN a, HRGN b) {
    std::shared_ptr<RegionData> ra = RegionOf(a, "EqualRgn"), rb = RegionOf(b, "EqualRgn");
    return ra && rb && ra->region == rb->region;
}

int SelectClipRgn(HDC hdc, HRGN region) {
    DeviceContext* dc = CheckDc(hdc, "SelectClipRgn");
    if (!dc) return ERROR;
    if (!region) {
        dc->state.clip.reset();
        return SIMPLEREGION;
    }
    std::shared_ptr<RegionData> r = RegionOf(region, "SelectClipRgn");
    if (!r) return ERROR;
    dc->state.clip = std::make_shared<const Region>(r->region);
    return r->region.Complexity();
}

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
    DeviceContext* dc = CheckDc(hdc, "IntersectClipRect");
    if (!dc) return ERROR;
    const RECT d = dc->ToDevice(RECT{left, top, right, bottom});
    Region clip = Region::FromRect(d.left, d.top, d.right, d.bottom);
    if (dc->state.clip) clip = Region::Combine(*dc->state.clip, clip, RGN_AND);
    dc->state.clip = std::make_shared<const Region>(clip);
    return clip.Complexity();
}

int GetClipBox(HDC hdc, LPRECT box) {
    DeviceContext* dc = CheckDc(hdc, "GetClipBox");
    if (!dc || !box) return ERROR;
    RECT d{0, 0, 0, 0};
    int complexity = SIMPLEREGION;
    if (dc->state.clip) {
        d = dc->state.clip->Box();
        complexity = dc->state.clip->Complexity();
    } else if (dc->kind == DcKind::Memory && dc->state.bitmapData) {
        d = RECT{0, 0, dc->state.bitmapData->width, dc->state.bitmapData->height};
    } else {
        d = RECT{0, 0, dc->width, dc->height};
    }
    const double l = dc->LogicalX(d.left), t = dc->LogicalY(d.top), r = dc->LogicalX(d.right), b = dc->LogicalY(d.bottom);
    *box = RECT{std::lround(std::min(l, r)), std::lround(std::min(t, b)), std::lround(std::max(l, r)), std::lround(std::max(t, b))};
    return complexity;
}
