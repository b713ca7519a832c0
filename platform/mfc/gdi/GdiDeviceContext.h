// The state behind an HDC: selected objects, colours and modes, the logical-to-device mapping, the
// clip region, and where its drawing goes: a memory DC paints into its selected bitmap (and the
// bitmap's recording), a window DC and a metafile DC keep a recording, the screen DC keeps nothing.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "mfc/gdi/GdiObjectTable.h"
#include "mfc/gdi/GdiRecording.h"

namespace qelt::gdi {

enum class DcKind { Screen, Memory, Window, Metafile };

struct DcState {
    HGDIOBJ pen = nullptr;
    HGDIOBJ brush = nullptr;
    HGDIOBJ font = nullptr;
    HGDIOBJ bitmap = nullptr;  // memory DCs only
    std::shared_ptr<PenData> penData;
    std::shared_ptr<BrushData> brushData;
    std::shared_ptr<FontData> fontData;
    std::shared_ptr<BitmapData> bitmapData;
    COLORREF textColor = 0;
    COLORREF bkColor = 0xFFFFFF;
    int bkMode = OPAQUE;
    UINT textAlign = TA_LEFT | TA_TOP;
    int rop2 = R2_COPYPEN;
    int fillMode = ALTERNATE;
    int stretchMode = BLACKONWHITE;
    int mapMode = MM_TEXT;
    POINT windowOrg{0, 0};
    POINT viewportOrg{0, 0};
    SIZE windowExt{1, 1};
    SIZE viewportExt{1, 1};
    POINT current{0, 0};                 // logical
    std::shared_ptr<const Region> clip;  // device; null: none
};

struct DeviceContext {
    DcKind kind = DcKind::Screen;
    HWND window = nullptr;
    DcState state;
    std::vector<DcState> saved;
    std::shared_ptr<Recording> recording;  // window and metafile DCs
    std::optional<RECT> frame;             // metafile DCs: the frame given, in 0.01 mm
    int width = 0, height = 0;             // window DCs: the drawing area (0: unbounded)

    double ScaleX() const { return double(state.viewportExt.cx) / state.windowExt.cx; }
    double ScaleY() const { return double(state.viewportExt.cy) / state.windowExt.cy; }
    double DeviceX(double x) const { return (x - state.windowOrg.x) * ScaleX() + state.viewportOrg.x; }
    double DeviceY(double y) const { return (y - state.windowOrg.y) * ScaleY() + state.viewportOrg.y; }
    double LogicalX(double x) const { return (x - state.viewportOrg.x) / ScaleX() + state.windowOrg.x; }
    double LogicalY(double y) const { return (y - state.viewportOrg.y) / ScaleY() + state.windowOrg.y; }
    // Logical to device, rounded to whole pixels as GDI does.
    POINT ToDevice(long x, long y) const;
    RECT ToDevice(const RECT& logical) const;  // normalised

    Recording* Target();  // where records go: the bitmap's, the DC's own, or none
};

HDC AddDc(std::unique_ptr<DeviceContext> dc);  // with the stock objects selected
DeviceContext* FindDc(HDC handle);           // null for a handle that is not alive
std::unique_ptr<DeviceContext> RemoveDc(HDC handle);

// Like FindDc, reporting a misuse naming the operation when the handle is not a live DC.
DeviceContext* CheckDc(HDC handle, const char* operation);

// A value of a DC's state read (the Get…Ex calls) or replaced (Set…Ex), the previous value given
// back where asked; FALSE for a handle that is not a live DC or nowhere to read into.
template <class T>
BOOL ReadState(HDC handle, const char* operation, T DcState::*field, T* value) {
    DeviceContext* dc = CheckDc(handle, operation);
    if (!dc || !value) return FALSE;
    *value = dc->state.*field;
    return TRUE;
}

template <class T>
BOOL ReplaceState(HDC handle, const char* operation, T DcState::*field, T value, T* previous) {
    DeviceContext* dc = CheckDc(handle, operation);
    if (!dc) return FALSE;
    if (previous) *previous = dc->state.*field;
    dc->state.*field = value;
    return TRUE;
}

// Records a drawing operation with the DC's clip and paints it where the DC draws.
void Emit(DeviceContext& dc, Record record);

// The current pen and brush as the painter takes them (none for the null pen and brush).
std::optional<Stroke> CurrentStroke(const DeviceContext& dc);
std::optional<Fill> FillOf(const DeviceContext& dc, const BrushData& brush);

// The pixels of a device rectangle of a DC that has them (a memory DC), as a blit source whose
// colours are converted as GDI converts between monochrome and colour bitmaps.
std::optional<Pixels> SourcePixels(DeviceContext& source, const RECT& rect, const DeviceContext& dest);

}  // namespace qelt::gdi
