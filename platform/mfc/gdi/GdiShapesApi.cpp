// Lines, shapes, rectangle fills and pixels, in logical coordinates. Outlines use the selected pen,
// interiors the selected brush; the raster operation of SetROP2 applies to both.
#include <cmath>
#include <vector>

#include "mfc/base/Diagnostics.h"
#include "mfc/gdi/GdiApi.h"
#include "mfc/gdi/GdiDeviceContext.h"

using namespace qelt::gdi;

namespace {

void EmitShape(DeviceContext& dc, Path path, bool filled, bool stroked) {
    ShapeRecord shape;
    shape.path = std::move(path);
    if (filled) shape.fill = FillOf(dc, *dc.state.brushData);
    if (stroked) shape.stroke = CurrentStroke(dc);
    if (!shape.fill && !shape.stroke) return;
    shape.fillMode = dc.state.fillMode;
    shape.rop2 = dc.state.rop2;
    Emit(dc, Record{std::move(shape), nullptr});
}

// A rectangle of whole pixels (right and bottom outside), filled with a brush.
void EmitPixelRect(DeviceContext& dc, const RECT& r, std::optional<Fill> fill, int rop2 = R2_COPYPEN) {
    if (!fill || r.right <= r.left || r.bottom <= r.top) return;
    ShapeRecord shape;
    const double xy[] = {double(r.left), double(r.top), double(r.right), double(r.top),
                         double(r.right), double(r.bottom), double(r.left), double(r.bottom)};
    shape.path.Polygon(xy, 4, true);
    shape.pixelEdges = true;
    shape.fill = fill;
    shape.rop2 = rop2;
    Emit(dc, Record{std::move(shape), nullptr});
}

// The ellipse inscribed in a bounding rectangle, through the centres of its edge pixels.
struct EllipseBox {
    double cx, cy, rx, ry;
};
EllipseBox Inscribed(const RECT& d) {
    return EllipseBox{(d.left + d.right - 1) / 2.0, (d.top + d.bottom - 1) / 2.0, (d.right - d.left - 1) / 2.0,
                      (d.bottom - d.top - 1) / 2.0};
}

struct ArcShape {
    EllipseBox box;
    double start, sweep;
    POINT endDevice;
};

// The counter-clockwise arc from the ray through the start point to the ray through the end point.
ArcShape ArcOf(const DeviceContext& dc, int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
    ArcShape arc{Inscribed(dc.ToDevice(RECT{l, t, r, b})), 0, 0, {0, 0}};
    const POINT s = dc.ToDevice(xs, ys), e = dc.ToDevice(xe, ye);
    arc.start = EllipseAngle(arc.box.cx, arc.box.cy, arc.box.rx, arc.box.ry, s.x, s.y);
    const double end = EllipseAngle(arc.box.cx, arc.box.cy, arc.box.rx, arc.box.ry, e.x, e.y);
    arc.sweep = end - arc.start;
    while (arc.sweep <= 1e-12) arc.sweep += 2 * M_PI;
    const double a = arc.start + arc.sweep;
    arc.endDevice = POINT{std::lround(arc.box.cx + arc.box.rx * std::cos(a)), std::lround(arc.box.cy - arc.box.ry * std::sin(a))};
    return arc;
}

std::vector<double> DevicePoints(const DeviceContext& dc, const POINT* points, int count) {
    std::vector<double> xy;
    for (int i = 0; i < count; ++i) {
        const POINT d = dc.ToDevice(points[i].x, points[i].y);
        xy.push_back(d.x), xy.push_back(d.y);
    }
    return xy;
}

std::shared_ptr<BrushData> BrushFor(HBRUSH brush, const char* operation) {
    // A small number stands for a system colour: COLOR_… + 1.
    const auto value = reinterpret_cast<std::uintptr_t>(brush);
    if (value > 0 && value <= 31) brush = GetSysColorBrush(static_cast<int>(value - 1));
    std::shared_ptr<BrushData> data = Find<BrushData>(brush);
    if (!data) qelt::ReportMisuse("%s: %p is not a brush", operation, static_cast<void*>(brush));
    return data;
}

}  // namespace

BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT previous) {
    return ReplaceState(hdc, "MoveToEx", &DcState::current, POINT{x, y}, previous);
}

BOOL GetCurrentPositionEx(HDC hdc, LPPOINT position) {
    return ReadState(hdc, "GetCurrentPositionEx", &DcState::current, position);
}

BOOL LineTo(HDC hdc, int x, int y) {
    DeviceContext* dc = CheckDc(hdc, "LineTo");
    if (!dc) return FALSE;
    const POINT from = dc->ToDevice(dc->state.current.x, dc->state.current.y), to = dc->ToDevice(x, y);
    Path path;
    path.MoveTo(from.x, from.y);
    path.LineTo(to.x, to.y);
    EmitShape(*dc, std::move(path), false, true);
    dc->state.current = POINT{x, y};
    return TRUE;
}

BOOL Polyline(HDC hdc, const POINT* points, int count) {
    DeviceContext* dc = CheckDc(hdc, "Polyline");
    if (!dc || !points || count < 2) return FALSE;
    Path path;
    const std::vector<double> xy = DevicePoints(*dc, points, count);
    path.Polygon(xy.data(), count, false);
    EmitShape(*dc, std::move(path), false, true);
    return TRUE;
}

BOOL Polygon(HDC hdc, const POINT* points, int count) {
    const INT32 counts[] = {count};
    return PolyPolygon(hdc, points, counts, 1);
}

BOOL PolyPolygon(HDC hdc, const POINT* points, const INT32* counts, int polygons) {
    DeviceContext* dc = CheckDc(hdc, "PolyPolygon");
    if (!dc || !points || !counts || polygons < 1) return FALSE;
    Path path;
    for (int k = 0; k < polygons; ++k) {
        if (counts[k] < 2) return FALSE;
        const std::vector<double> xy = DevicePoints(*dc, points, counts[k]);
        path.Polygon(xy.data(), counts[k], true);
        points += counts[k];
    }
    EmitShape(*dc, std::move(path), true, true);
    return TRUE;
}

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    DeviceContext* dc = CheckDc(hdc, "Rectangle");
    if (!dc) return FALSE;
    const RECT d = dc->ToDevice(RECT{left, top, right, bottom});
    const double xy[] = {double(d.left), double(d.top), double(d.right - 1), double(d.top),
                         double(d.right - 1), double(d.bottom - 1), double(d.left), double(d.bottom - 1)};
    Path path;
    path.Polygon(xy, 4, true);
    EmitShape(*dc, std::move(path), true, true);
    return TRUE;
}

BOOL RoundRect(HDC hdc, int left, int top, int right, int bottom, int width, int height) {
    DeviceContext* dc = CheckDc(hdc, "RoundRect");
    if (!dc) return FALSE;
    const RECT d = dc->ToDevice(RECT{left, top, right, bottom});
    const double l = d.left, t = d.top, r = d.right - 1, b = d.bottom - 1;
    const double rx = std::min(std::fabs(width * dc->ScaleX()) / 2, (r - l) / 2);
    const double ry = std::min(std::fabs(height * dc->ScaleY()) / 2, (b - t) / 2);
    Path path;
    path.Arc(r - rx, t + ry, rx, ry, 0, M_PI / 2, false);
    path.Arc(l + rx, t + ry, rx, ry, M_PI / 2, M_PI / 2, true);
    path.Arc(l + rx, b - ry, rx, ry, M_PI, M_PI / 2, true);
    path.Arc(r - rx, b - ry, rx, ry, 3 * M_PI / 2, M_PI / 2, true);
    path.Close();
    EmitShape(*dc, std::move(path), true, true);
    return TRUE;
}

BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom) {
    DeviceContext* dc = CheckDc(hdc, "Ellipse");
    if (!dc) return FALSE;
    const EllipseBox e = Inscribed(dc->ToDevice(RECT{left, top, right, bottom}));
    Path path;
    path.Arc(e.cx, e.cy, e.rx, e.ry, 0, 2 * M_PI, false);
    path.Close();
    EmitShape(*dc, std::move(path), true, true);
    return TRUE;
}

BOOL Arc(HDC hdc, int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
    DeviceContext* dc = CheckDc(hdc, "Arc");
    if (!dc) return FALSE;
    const ArcShape arc = ArcOf(*dc, l, t, r, b, xs, ys, xe, ye);
    Path path;
    path.Arc(arc.box.cx, arc.box.cy, arc.box.rx, arc.box.ry, arc.start, arc.sweep, false);
    EmitShape(*dc, std::move(path), false, true);
    return TRUE;
}

BOOL ArcTo(HDC hdc, int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
    DeviceContext* dc = CheckDc(hdc, "ArcTo");
    if (!dc) return FALSE;
    const ArcShape arc = ArcOf(*dc, l, t, r, b, xs, ys, xe, ye);
    const POINT from = dc->ToDevice(dc->state.current.x, dc->state.current.y);
    Path path;
    path.MoveTo(from.x, from.y);
    path.Arc(arc.box.cx, arc.box.cy, arc.box.rx, arc.box.ry, arc.start, arc.sweep, true);
    EmitShape(*dc, std::move(path), false, true);
    dc->state.current = POINT{std::lround(dc->LogicalX(arc.endDevice.x)), std::lround(dc->LogicalY(arc.endDevice.y))};
    return TRUE;
}

BOOL Pie(HDC hdc, int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
    DeviceContext* dc = CheckDc(hdc, "Pie");
    if (!dc) return FALSE;
    const ArcShape arc = ArcOf(*dc, l, t, r, b, xs, ys, xe, ye);
    Path path;
    path.MoveTo(arc.box.cx, arc.box.cy);
    path.Arc(arc.box.cx, arc.box.cy, arc.box.rx, arc.box.ry, arc.start, arc.sweep, true);
    path.Close();
    EmitShape(*dc, std::move(path), true, true);
    return TRUE;
}

BOOL Chord(HDC hdc, int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
    DeviceContext* dc = CheckDc(hdc, "Chord");
    if (!dc) return FALSE;
    const ArcShape arc = ArcOf(*dc, l, t, r, b, xs, ys, xe, ye);
    Path path;
    path.Arc(arc.box.cx, arc.box.cy, arc.box.rx, arc.box.ry, arc.start, arc.sweep, false);
    path.Close();
    EmitShape(*dc, std::move(path), true, true);
    return TRUE;
}

int FillRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    DeviceContext* dc = CheckDc(hdc, "FillRect");
    if (!dc || !rect) return FALSE;
    std::shared_ptr<BrushData> data = BrushFor(brush, "FillRect");
    if (!data) return FALSE;
    EmitPixelRect(*dc, dc->ToDevice(*rect), FillOf(*dc, *data));
    return TRUE;
}

int FrameRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    DeviceContext* dc = CheckDc(hdc, "FrameRect");
    if (!dc || !rect) return FALSE;
    std::shared_ptr<BrushData> data = BrushFor(brush, "FrameRect");
    if (!data) return FALSE;
    const RECT d = dc->ToDevice(*rect);
    if (d.right <= d.left || d.bottom <= d.top) return TRUE;
    ShapeRecord shape;
    const double outer[] = {double(d.left), double(d.top), double(d.right), double(d.top),
                            double(d.right), double(d.bottom), double(d.left), double(d.bottom)};
    shape.path.Polygon(outer, 4, true);
    if (d.right - d.left > 2 && d.bottom - d.top > 2) {
        const double inner[] = {d.left + 1.0, d.top + 1.0, d.right - 1.0, d.top + 1.0,
                                d.right - 1.0, d.bottom - 1.0, d.left + 1.0, d.bottom - 1.0};
        shape.path.Polygon(inner, 4, true);
    }
    shape.pixelEdges = true;
    shape.fill = FillOf(*dc, *data);
    if (!shape.fill) return TRUE;
    shape.fillMode = ALTERNATE;
    Emit(*dc, Record{std::move(shape), nullptr});
    return TRUE;
}

BOOL InvertRect(HDC hdc, const RECT* rect) {
    DeviceContext* dc = CheckDc(hdc, "InvertRect");
    if (!dc || !rect) return FALSE;
    EmitPixelRect(*dc, dc->ToDevice(*rect), Fill{}, R2_NOT);
    return TRUE;
}

BOOL DrawFocusRect(HDC hdc, const RECT* rect) {
    DeviceContext* dc = CheckDc(hdc, "DrawFocusRect");
    if (!dc || !rect) return FALSE;
    const RECT d = dc->ToDevice(*rect);
    if (d.right <= d.left || d.bottom <= d.top) return TRUE;
    ShapeRecord shape;
    const double xy[] = {double(d.left), double(d.top), double(d.right - 1), double(d.top),
                         double(d.right - 1), double(d.bottom - 1), double(d.left), double(d.bottom - 1)};
    shape.path.Polygon(xy, 4, true);
    shape.stroke = Stroke{};
    shape.stroke->style = PS_ALTERNATE;  // every other pixel inverted
    shape.rop2 = R2_NOT;
    Emit(*dc, Record{std::move(shape), nullptr});
    return TRUE;
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
    DeviceContext* dc = CheckDc(hdc, "SetPixel");
    if (!dc) return CLR_INVALID;
    const POINT d = dc->ToDevice(x, y);
    Fill fill;
    fill.color = color & 0xFFFFFF;
    EmitPixelRect(*dc, RECT{d.x, d.y, d.x + 1, d.y + 1}, fill);
    return color & 0xFFFFFF;
}

COLORREF GetPixel(HDC hdc, int x, int y) {
    DeviceContext* dc = CheckDc(hdc, "GetPixel");
    if (!dc || dc->kind != DcKind::Memory || !dc->state.bitmapData) return CLR_INVALID;
    const POINT d = dc->ToDevice(x, y);
    BitmapData& bitmap = *dc->state.bitmapData;
    if (d.x < 0 || d.y < 0 || d.x >= bitmap.width || d.y >= bitmap.height) return CLR_INVALID;
    if (dc->state.clip && !dc->state.clip->Contains(d.x, d.y)) return CLR_INVALID;
    cairo_surface_flush(bitmap.surface);
    return ColorFromPixel(bitmap.Row(d.y)[d.x] & 0xFFFFFF);
}
