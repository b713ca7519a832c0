// The drawing functions of the platform's API, over the GDI stand-in. The class library's CDC and
// GDI object classes wrap them; module code may call them directly as the original did.
// A handle that is not alive (deleted, never created) is a misuse: a diagnostic and a failure result.
#pragma once

#include "win/Windows.h"

// Objects.
HGDIOBJ GetStockObject(int index);
BOOL DeleteObject(HGDIOBJ object);              // stock objects are never deleted
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);   // a region returns its complexity, as the platform does
int GetObjectA(HGDIOBJ object, int size, LPVOID buffer);  // LOGPEN, LOGBRUSH, LOGFONTA or BITMAP
inline int GetObject(HGDIOBJ object, int size, LPVOID buffer) { return GetObjectA(object, size, buffer); }
DWORD GetObjectType(HGDIOBJ object);
HGDIOBJ GetCurrentObject(HDC dc, UINT type);
HPEN CreatePen(int style, int width, COLORREF color);
HPEN CreatePenIndirect(const LOGPEN* pen);
HBRUSH CreateSolidBrush(COLORREF color);
HBRUSH CreateHatchBrush(int hatch, COLORREF color);
HBRUSH CreateBrushIndirect(const LOGBRUSH* brush);
HFONT CreateFontIndirectA(const LOGFONTA* font);
inline HFONT CreateFontIndirect(const LOGFONTA* font) { return CreateFontIndirectA(font); }
HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                  DWORD quality, DWORD pitchAndFamily, LPCSTR face);
DWORD GetSysColor(int index);
HBRUSH GetSysColorBrush(int index);             // shared, never deleted

// Bitmaps.
HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
LONG GetBitmapBits(HBITMAP bitmap, LONG size, LPVOID bits);
LONG SetBitmapBits(HBITMAP bitmap, DWORD size, const void* bits);
BOOL GetBitmapDimensionEx(HBITMAP bitmap, LPSIZE size);
BOOL SetBitmapDimensionEx(HBITMAP bitmap, int width, int height, LPSIZE previous);

// Regions.
HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const RECT* rect);
HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode);
int CombineRgn(HRGN dest, HRGN a, HRGN b, int mode);
BOOL PtInRegion(HRGN region, int x, int y);
int GetRgnBox(HRGN region, LPRECT box);
int OffsetRgn(HRGN region, int dx, int dy);
BOOL EqualRgn(HRGN a, HRGN b);
int SelectClipRgn(HDC dc, HRGN region);         // a copy; null removes the clip
int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
int GetClipBox(HDC dc, LPRECT box);

// Device contexts.
HDC CreateCompatibleDC(HDC dc);
HDC CreateDCA(LPCSTR driver, LPCSTR device, LPCSTR output, const void* mode);  // "DISPLAY" only
inline HDC CreateDC(LPCSTR driver, LPCSTR device, LPCSTR output, const void* mode) {
    return CreateDCA(driver, device, output, mode);
}
BOOL DeleteDC(HDC dc);
int SaveDC(HDC dc);
BOOL RestoreDC(HDC dc, int saved);              // a negative number counts back from the latest
int GetDeviceCaps(HDC dc, int index);
COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF GetTextColor(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF color);
COLORREF GetBkColor(HDC dc);
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);
UINT SetTextAlign(HDC dc, UINT align);
UINT GetTextAlign(HDC dc);
int SetROP2(HDC dc, int rop2);
int GetROP2(HDC dc);
int SetPolyFillMode(HDC dc, int mode);
int GetPolyFillMode(HDC dc);
int SetStretchBltMode(HDC dc, int mode);
int GetStretchBltMode(HDC dc);

// Mapping modes and coordinate spaces.
int SetMapMode(HDC dc, int mode);
int GetMapMode(HDC dc);
BOOL SetWindowOrgEx(HDC dc, int x, int y, LPPOINT previous);
BOOL GetWindowOrgEx(HDC dc, LPPOINT origin);
BOOL SetViewportOrgEx(HDC dc, int x, int y, LPPOINT previous);
BOOL GetViewportOrgEx(HDC dc, LPPOINT origin);
BOOL OffsetViewportOrgEx(HDC dc, int dx, int dy, LPPOINT previous);
BOOL OffsetWindowOrgEx(HDC dc, int dx, int dy, LPPOINT previous);
BOOL SetWindowExtEx(HDC dc, int x, int y, LPSIZE previous);      // only MM_ISOTROPIC, MM_ANISOTROPIC
BOOL GetWindowExtEx(HDC dc, LPSIZE extent);
BOOL SetViewportExtEx(HDC dc, int x, int y, LPSIZE previous);
BOOL GetViewportExtEx(HDC dc, LPSIZE extent);
BOOL LPtoDP(HDC dc, LPPOINT points, int count);
BOOL DPtoLP(HDC dc, LPPOINT points, int count);

// Lines and shapes, in logical coordinates.
BOOL MoveToEx(HDC dc, int x, int y, LPPOINT previous);
BOOL GetCurrentPositionEx(HDC dc, LPPOINT position);
BOOL LineTo(HDC dc, int x, int y);
BOOL Polyline(HDC dc, const POINT* points, int count);
BOOL Polygon(HDC dc, const POINT* points, int count);
BOOL PolyPolygon(HDC dc, const POINT* points, const INT32* counts, int polygons);
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int width, int height);
BOOL Ellipse(HDC dc, int left, int top, int right, int bottom);
BOOL Arc(HDC dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
BOOL ArcTo(HDC dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
BOOL Pie(HDC dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
BOOL Chord(HDC dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);  // brush may be a system colour index + 1
int FrameRect(HDC dc, const RECT* rect, HBRUSH brush);
BOOL InvertRect(HDC dc, const RECT* rect);
BOOL DrawFocusRect(HDC dc, const RECT* rect);
COLORREF SetPixel(HDC dc, int x, int y, COLORREF color);
COLORREF GetPixel(HDC dc, int x, int y);        // CLR_INVALID where the DC has no pixels

// Text.
BOOL TextOutA(HDC dc, int x, int y, LPCSTR text, int length);
inline BOOL TextOut(HDC dc, int x, int y, LPCSTR text, int length) { return TextOutA(dc, x, y, text, length); }
BOOL ExtTextOutA(HDC dc, int x, int y, UINT options, const RECT* rect, LPCSTR text, UINT length, const INT32* dx);
int DrawTextA(HDC dc, LPCSTR text, int length, LPRECT rect, UINT format);  // length -1: up to the nul
inline int DrawText(HDC dc, LPCSTR text, int length, LPRECT rect, UINT format) {
    return DrawTextA(dc, text, length, rect, format);
}
BOOL GetTextExtentPoint32A(HDC dc, LPCSTR text, int length, LPSIZE size);
BOOL GetTextMetricsA(HDC dc, TEXTMETRICA* metrics);
inline BOOL GetTextMetrics(HDC dc, TEXTMETRICA* metrics) { return GetTextMetricsA(dc, metrics); }
int GetTextFaceA(HDC dc, int size, LPSTR face);

// Block transfers.
BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int xSource, int ySource, DWORD rop);
BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int xSource, int ySource,
                int widthSource, int heightSource, DWORD rop);
BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop);

// Enhanced metafiles, kept in memory.
HDC CreateEnhMetaFileA(HDC reference, LPCSTR file, const RECT* frame, LPCSTR description);  // no file
inline HDC CreateEnhMetaFile(HDC reference, LPCSTR file, const RECT* frame, LPCSTR description) {
    return CreateEnhMetaFileA(reference, file, frame, description);
}
HENHMETAFILE CloseEnhMetaFile(HDC dc);
HENHMETAFILE CopyEnhMetaFileA(HENHMETAFILE metafile, LPCSTR file);  // no file
inline HENHMETAFILE CopyEnhMetaFile(HENHMETAFILE metafile, LPCSTR file) { return CopyEnhMetaFileA(metafile, file); }
BOOL DeleteEnhMetaFile(HENHMETAFILE metafile);
BOOL PlayEnhMetaFile(HDC dc, HENHMETAFILE metafile, const RECT* rect);
