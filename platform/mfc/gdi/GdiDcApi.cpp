// Device contexts: creating and deleting them, their saved states, attributes and mapping modes.
#include <cmath>
#include <cstring>
#include <strings.h>

#include "mfc/gdi/DC.h"
#include "mfc/base/Diagnostics.h"
#include "mfc/gdi/GdiApi.h"
#include "mfc/gdi/GdiDeviceContext.h"

using namespace qelt::gdi;

namespace {

// The screen the headless system pretends to have: 1920 x 1080 pixels at 96 pixels per inch.
constexpr int kScreenWidth = 1920, kScreenHeight = 1080, kPixelsPerInch = 96;

template <class T, class F>
T Swap(HDC hdc, const char* operation, T DcState::*field, T value, F failure) {
    DeviceContext* dc = CheckDc(hdc, operation);
    if (!dc) return static_cast<T>(failure);
    T previous = dc->state.*field;
    dc->state.*field = value;
    return previous;
}

template <class T, class F>
T Get(HDC hdc, const char* operation, T DcState::*field, F failure) {
    DeviceContext* dc = CheckDc(hdc, operation);
    return dc ? dc->state.*field : static_cast<T>(failure);
}

// Keeps the viewport's scale equal on both axes (the smaller one wins), signs kept.
void MakeIsotropic(DcState& s) {
    if (s.mapMode != MM_ISOTROPIC) return;
    const double ax = std::fabs(double(s.viewportExt.cx) / s.windowExt.cx);
    const double ay = std::fabs(double(s.viewportExt.cy) / s.windowExt.cy);
    if (ax < ay) s.viewportExt.cy = (s.viewportExt.cy < 0 ? -1 : 1) * std::lround(std::labs(s.windowExt.cy) * ax);
    else if (ay < ax) s.viewportExt.cx = (s.viewportExt.cx < 0 ? -1 : 1) * std::lround(std::labs(s.windowExt.cx) * ay);
}

}  // namespace

HDC CreateCompatibleDC(HDC hdc) {
    if (hdc && !CheckDc(hdc, "CreateCompatibleDC")) return nullptr;
    auto dc = std::make_unique<DeviceContext>();
    dc->kind = DcKind::Memory;
    return AddDc(std::move(dc));
}

HDC CreateDCA(LPCSTR driver, LPCSTR device, LPCSTR, const void*) {
    const bool display = (driver && strcasecmp(driver, "DISPLAY") == 0) || (!driver && device && strcasecmp(device, "DISPLAY") == 0);
    if (!display) {
        qelt::ReportMisuse("CreateDC: only the display can be opened, not \"%s\"", driver ? driver : device ? device : "");
        return nullptr;
    }
    return AddDc(std::make_unique<DeviceContext>());
}

BOOL DeleteDC(HDC hdc) {
    if (!CheckDc(hdc, "DeleteDC")) return FALSE;
    RemoveDc(hdc);
    ForgetTemporaryDc(hdc);
    return TRUE;
}

int SaveDC(HDC hdc) {
    DeviceContext* dc = CheckDc(hdc, "SaveDC");
    if (!dc) return 0;
    dc->saved.push_back(dc->state);
    return static_cast<int>(dc->saved.size());
}

BOOL RestoreDC(HDC hdc, int saved) {
    DeviceContext* dc = CheckDc(hdc, "RestoreDC");
    if (!dc) return FALSE;
    const int count = static_cast<int>(dc->saved.size());
    const int level = saved < 0 ? count + 1 + saved : saved;
    if (level < 1 || level > count) return FALSE;
    DcState state = dc->saved[level - 1];
    dc->saved.resize(level - 1);
    // The bitmap goes back into the DC it was saved in.
    if (dc->state.bitmapData != state.bitmapData) {
        if (dc->state.bitmapData && !dc->state.bitmapData->stock) dc->state.bitmapData->selectedInto = nullptr;
        if (state.bitmapData && !state.bitmapData->stock) state.bitmapData->selectedInto = hdc;
    }
    dc->state = std::move(state);
    return TRUE;
}

int GetDeviceCaps(HDC hdc, int index) {
    const DeviceContext* dc = hdc ? CheckDc(hdc, "GetDeviceCaps") : nullptr;
    if (hdc && !dc) return 0;
    switch (index) {
    case TECHNOLOGY: return dc && dc->kind == DcKind::Metafile ? DT_METAFILE : DT_RASDISPLAY;
    case HORZSIZE: return std::lround(kScreenWidth * 25.4 / kPixelsPerInch);
    case VERTSIZE: return std::lround(kScreenHeight * 25.4 / kPixelsPerInch);
    case HORZRES: return kScreenWidth;
    case VERTRES: return kScreenHeight;
    case BITSPIXEL: return dc && dc->state.bitmapData && dc->state.bitmapData->bitsPixel == 1 ? 1 : 32;
    case PLANES: return 1;
    case NUMCOLORS: return -1;
    case RASTERCAPS: return RC_BITBLT | RC_STRETCHBLT;
    case LOGPIXELSX:
    case LOGPIXELSY: return kPixelsPerInch;
    default: return 0;
    }
}

COLORREF SetTextColor(HDC dc, COLORREF c) { return Swap(dc, "SetTextColor", &DcState::textColor, COLORREF(c & 0xFFFFFF), CLR_INVALID); }
COLORREF GetTextColor(HDC dc) { return Get(dc, "GetTextColor", &DcState::textColor, CLR_INVALID); }
COLORREF SetBkColor(HDC dc, COLORREF c) { return Swap(dc, "SetBkColor", &DcState::bkColor, COLORREF(c & 0xFFFFFF), CLR_INVALID); }
COLORREF GetBkColor(HDC dc) { return Get(dc, "GetBkColor", &DcState::bkColor, CLR_INVALID); }
UINT SetTextAlign(HDC dc, UINT align) { return Swap(dc, "SetTextAlign", &DcState::textAlign, align, UINT(GDI_ERROR)); }
UINT GetTextAlign(HDC dc) { return Get(dc, "GetTextAlign", &DcState::textAlign, UINT(GDI_ERROR)); }
int GetBkMode(HDC dc) { return Get(dc, "GetBkMode", &DcState::bkMode, 0); }
int GetROP2(HDC dc) { return Get(dc, "GetROP2", &DcState::rop2, 0); }
int GetPolyFillMode(HDC dc) { return Get(dc, "GetPolyFillMode", &DcState::fillMode, 0); }
int GetStretchBltMode(HDC dc) { return Get(dc, "GetStretchBltMode", &DcState::stretchMode, 0); }
int GetMapMode(HDC dc) { return Get(dc, "GetMapMode", &DcState::mapMode, 0); }

int SetBkMode(HDC dc, int mode) {
    if (mode != TRANSPARENT && mode != OPAQUE) {
        qelt::ReportMisuse("SetBkMode: unknown mode %d", mode);
        return 0;
    }
    return Swap(dc, "SetBkMode", &DcState::bkMode, mode, 0);
}

int SetROP2(HDC dc, int rop2) {
    if (rop2 < R2_BLACK || rop2 > R2_WHITE) {
        qelt::ReportMisuse("SetROP2: unknown mode %d", rop2);
        return 0;
    }
    return Swap(dc, "SetROP2", &DcState::rop2, rop2, 0);
}

int SetPolyFillMode(HDC dc, int mode) {
    if (mode != ALTERNATE && mode != WINDING) {
        qelt::ReportMisuse("SetPolyFillMode: unknown mode %d", mode);
        return 0;
    }
    return Swap(dc, "SetPolyFillMode", &DcState::fillMode, mode, 0);
}

int SetStretchBltMode(HDC dc, int mode) {
    if (mode < BLACKONWHITE || mode > HALFTONE) {
        qelt::ReportMisuse("SetStretchBltMode: unknown mode %d", mode);
        return 0;
    }
    return Swap(dc, "SetStretchBltMode", &DcState::stretchMode, mode, 0);
}

int SetMapMode(HDC hdc, int mode) {
    DeviceContext* dc = CheckDc(hdc, "SetMapMode");
    if (!dc) return 0;
    if (mode < MM_TEXT || mode > MM_ANISOTROPIC) {
        qelt::ReportMisuse("SetMapMode: unknown mode %d", mode);
        return 0;
    }
    DcState& s = dc->state;
    const int previous = s.mapMode;
    s.mapMode = mode;
    // Logical units per inch of the fixed modes; their y axis points up.
    long unitsPerInch = 0;
    switch (mode) {
    case MM_TEXT: s.windowExt = SIZE{1, 1}, s.viewportExt = SIZE{1, 1}; break;
    case MM_LOMETRIC: unitsPerInch = 254; break;
    case MM_HIMETRIC: unitsPerInch = 2540; break;
    case MM_LOENGLISH: unitsPerInch = 100; break;
    case MM_HIENGLISH: unitsPerInch = 1000; break;
    case MM_TWIPS: unitsPerInch = 1440; break;
    case MM_ISOTROPIC: MakeIsotropic(s); break;
    default: break;  // MM_ANISOTROPIC keeps the extents it finds
    }
    if (unitsPerInch) s.windowExt = SIZE{unitsPerInch, unitsPerInch}, s.viewportExt = SIZE{kPixelsPerInch, -kPixelsPerInch};
    return previous;
}

BOOL SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT previous) {
    return ReplaceState(hdc, "SetWindowOrgEx", &DcState::windowOrg, POINT{x, y}, previous);
}

BOOL GetWindowOrgEx(HDC hdc, LPPOINT origin) { return ReadState(hdc, "GetWindowOrgEx", &DcState::windowOrg, origin); }

BOOL SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT previous) {
    return ReplaceState(hdc, "SetViewportOrgEx", &DcState::viewportOrg, POINT{x, y}, previous);
}

BOOL GetViewportOrgEx(HDC hdc, LPPOINT origin) {
    return ReadState(hdc, "GetViewportOrgEx", &DcState::viewportOrg, origin);
}

BOOL OffsetViewportOrgEx(HDC hdc, int dx, int dy, LPPOINT previous) {
    DeviceContext* dc = CheckDc(hdc, "OffsetViewportOrgEx");
    if (!dc) return FALSE;
    const POINT o = dc->state.viewportOrg;
    return SetViewportOrgEx(hdc, static_cast<int>(o.x + dx), static_cast<int>(o.y + dy), previous);
}

BOOL OffsetWindowOrgEx(HDC hdc, int dx, int dy, LPPOINT previous) {
    DeviceContext* dc = CheckDc(hdc, "OffsetWindowOrgEx");
    if (!dc) return FALSE;
    const POINT o = dc->state.windowOrg;
    return SetWindowOrgEx(hdc, static_cast<int>(o.x + dx), static_cast<int>(o.y + dy), previous);
}

BOOL SetWindowExtEx(HDC hdc, int x, int y, LPSIZE previous) {
    DeviceContext* dc = CheckDc(hdc, "SetWindowExtEx");
    if (!dc) return FALSE;
    if (previous) *previous = dc->state.windowExt;
    if (dc->state.mapMode != MM_ISOTROPIC && dc->state.mapMode != MM_ANISOTROPIC) return TRUE;  // ignored
    if (x == 0 || y == 0) return FALSE;
    dc->state.windowExt = SIZE{x, y};
    MakeIsotropic(dc->state);
    return TRUE;
}

BOOL GetWindowExtEx(HDC hdc, LPSIZE extent) { return ReadState(hdc, "GetWindowExtEx", &DcState::windowExt, extent); }

BOOL SetViewportExtEx(HDC hdc, int x, int y, LPSIZE previous) {
    DeviceContext* dc = CheckDc(hdc, "SetViewportExtEx");
    if (!dc) return FALSE;
    if (previous) *previous = dc->state.viewportExt;
    if (dc->state.mapMode != MM_ISOTROPIC && dc->state.mapMode != MM_ANISOTROPIC) return TRUE;  // ignored
    if (x == 0 || y == 0) return FALSE;
    dc->state.viewportExt = SIZE{x, y};
    MakeIsotropic(dc->state);
    return TRUE;
}

BOOL GetViewportExtEx(HDC hdc, LPSIZE extent) {
    return ReadState(hdc, "GetViewportExtEx", &DcState::viewportExt, extent);
}

BOOL LPtoDP(HDC hdc, LPPOINT points, int count) {
    DeviceContext* dc = CheckDc(hdc, "LPtoDP");
    if (!dc || (!points && count > 0)) return FALSE;
    for (int i = 0; i < count; ++i) points[i] = dc->ToDevice(points[i].x, points[i].y);
    return TRUE;
}

BOOL DPtoLP(HDC hdc, LPPOINT points, int count) {
    DeviceContext* dc = CheckDc(hdc, "DPtoLP");
    if (!dc || (!points && count > 0)) return FALSE;
    for (int i = 0; i < count; ++i)
        points[i] = POINT{std::lround(dc->LogicalX(points[i].x)), std::lround(dc->LogicalY(points[i].y))};
    return TRUE;
}
