// The table behind GDI handles: every pen, brush, font, bitmap, region and device context lives here
// under a handle that is never reused, so a deleted or made-up handle is recognised, never followed.
#pragma once

#include <cairo.h>

#include <memory>

#include "mfc/gdi/GdiRecording.h"
#include "mfc/gdi/GdiRegion.h"
#include "win/WinGdi.h"

namespace qelt::gdi {

struct ObjectData {
    explicit ObjectData(int objectType) : type(objectType) {}
    virtual ~ObjectData() = default;
    int type;             // OBJ_PEN, OBJ_BRUSH …
    bool stock = false;   // stock objects are never deleted
};

struct PenData : ObjectData {
    PenData(UINT s, int w, COLORREF c) : ObjectData(OBJ_PEN), style(s), width(w), color(c) {}
    UINT style;
    int width;
    COLORREF color;
};

struct BrushData : ObjectData {
    BrushData(UINT s, COLORREF c, ULONG_PTR h) : ObjectData(OBJ_BRUSH), style(s), color(c), hatch(h) {}
    UINT style;
    COLORREF color;
    ULONG_PTR hatch;
};

struct FontData : ObjectData {
    explicit FontData(const LOGFONTA& lf) : ObjectData(OBJ_FONT), logFont(lf) {}
    LOGFONTA logFont;
};

// Pixels in a cairo image surface (RGB24: 0x00RRGGBB); monochrome bitmaps hold only black and white.
struct BitmapData : ObjectData {
    BitmapData(int w, int h, int bpp);
    ~BitmapData() override;
    BitmapData(const BitmapData&) = delete;
    BitmapData& operator=(const BitmapData&) = delete;

    std::uint32_t* Row(int y);   // the surface must be flushed before and marked dirty after writing
    Pixels Copy(int x, int y, int w, int h);  // parts outside the bitmap are black

    int width;
    int height;
    int bitsPixel;              // 1 or 32
    cairo_surface_t* surface;
    SIZE dimension{0, 0};       // SetBitmapDimension, in 0.1 mm
    HDC selectedInto = nullptr;
    std::shared_ptr<Recording> recording = std::make_shared<Recording>();  // what was drawn into it
};

struct RegionData : ObjectData {
    explicit RegionData(Region r) : ObjectData(OBJ_REGION), region(std::move(r)) {}
    Region region;
};

HGDIOBJ AddObject(std::shared_ptr<ObjectData> data);
std::shared_ptr<ObjectData> FindObject(HGDIOBJ handle);  // null for a handle that is not alive
bool RemoveObject(HGDIOBJ handle);                       // false for a handle that is not alive

template <class T>
std::shared_ptr<T> Find(HGDIOBJ handle) {
    return std::dynamic_pointer_cast<T>(FindObject(handle));
}

// A fresh handle value for tables of other kinds (device contexts, metafiles), never reused.
void* NewHandleValue();

}  // namespace qelt::gdi
