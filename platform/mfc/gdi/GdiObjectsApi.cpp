// Creating, selecting, describing and deleting pens, brushes and fonts; the stock objects.
#include <cstring>
#include <vector>

#include "mfc/base/Diagnostics.h"
#include "mfc/gdi/GdiApi.h"
#include "mfc/gdi/GdiDeviceContext.h"
#include "mfc/gdi/GdiObjects.h"

using namespace qelt::gdi;

namespace {

LOGFONTA StockFont(long height, LPCSTR face, BYTE charSet, BYTE pitchAndFamily) {
    LOGFONTA lf{};
    lf.lfHeight = height;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = charSet;
    lf.lfPitchAndFamily = pitchAndFamily;
    std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return lf;
}

HGDIOBJ AddStock(std::shared_ptr<ObjectData> data) {
    data->stock = true;
    return AddObject(std::move(data));
}

const std::vector<HGDIOBJ>& StockObjects() {
    static const std::vector<HGDIOBJ> objects = [] {
        std::vector<HGDIOBJ> o(DC_PEN + 1, nullptr);
        o[WHITE_BRUSH] = AddStock(std::make_shared<BrushData>(BS_SOLID, RGB(255, 255, 255), 0));
        o[LTGRAY_BRUSH] = AddStock(std::make_shared<BrushData>(BS_SOLID, RGB(192, 192, 192), 0));
        o[GRAY_BRUSH] = AddStock(std::make_shared<BrushData>(BS_SOLID, RGB(128, 128, 128), 0));
        o[DKGRAY_BRUSH] = AddStock(std::make_shared<BrushData>(BS_SOLID, RGB(64, 64, 64), 0));
        o[BLACK_BRUSH] = AddStock(std::make_shared<BrushData>(BS_SOLID, RGB(0, 0, 0), 0));
        o[NULL_BRUSH] = AddStock(std::make_shared<BrushData>(BS_NULL, 0, 0));
        o[WHITE_PEN] = AddStock(std::make_shared<PenData>(PS_SOLID, 0, RGB(255, 255, 255)));
        o[BLACK_PEN] = AddStock(std::make_shared<PenData>(PS_SOLID, 0, RGB(0, 0, 0)));
        o[NULL_PEN] = AddStock(std::make_shared<PenData>(PS_NULL, 0, 0));
        o[OEM_FIXED_FONT] = AddStock(std::make_shared<FontData>(StockFont(12, "Terminal", OEM_CHARSET, FIXED_PITCH | FF_MODERN)));
        o[ANSI_FIXED_FONT] = AddStock(std::make_shared<FontData>(StockFont(12, "Courier", ANSI_CHARSET, FIXED_PITCH | FF_MODERN)));
        o[ANSI_VAR_FONT] = AddStock(std::make_shared<FontData>(StockFont(12, "MS Sans Serif", ANSI_CHARSET, VARIABLE_PITCH | FF_SWISS)));
        o[SYSTEM_FONT] = AddStock(std::make_shared<FontData>(StockFont(16, "System", GB2312_CHARSET, VARIABLE_PITCH | FF_SWISS)));
        o[DEVICE_DEFAULT_FONT] = AddStock(std::make_shared<FontData>(StockFont(16, "System", GB2312_CHARSET, VARIABLE_PITCH | FF_SWISS)));
        o[SYSTEM_FIXED_FONT] = AddStock(std::make_shared<FontData>(StockFont(16, "Fixedsys", GB2312_CHARSET, FIXED_PITCH | FF_MODERN)));
        o[DEFAULT_GUI_FONT] = AddStock(std::make_shared<FontData>(StockFont(-12, "宋体", GB2312_CHARSET, DEFAULT_PITCH | FF_DONTCARE)));
        o[DC_BRUSH] = AddStock(std::make_shared<BrushData>(BS_SOLID, RGB(255, 255, 255), 0));
        o[DC_PEN] = AddStock(std::make_shared<PenData>(PS_SOLID, 0, RGB(0, 0, 0)));
        return o;
    }();
    return objects;
}

template <class T>
int CopyOut(const T& value, int size, LPVOID buffer) {
    if (!buffer) return sizeof(T);
    const int n = std::min<int>(size, sizeof(T));
    if (n <= 0) return 0;
    std::memcpy(buffer, &value, n);
    return n;
}

}  // namespace

HGDIOBJ GetStockObject(int index) {
    if (index < 0 || index >= static_cast<int>(StockObjects().size())) return nullptr;
    return StockObjects()[index];
}

BOOL DeleteObject(HGDIOBJ object) {
    std::shared_ptr<ObjectData> data = FindObject(object);
    if (!data) {
        if (object) qelt::ReportMisuse("DeleteObject: %p is not a GDI object", object);
        return FALSE;
    }
    if (data->stock) return TRUE;
    // A DC that still holds the object keeps drawing with it; only the handle goes.
    RemoveObject(object);
    ForgetTemporaryObject(object);
    return TRUE;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object) {
    DeviceContext* dc = CheckDc(hdc, "SelectObject");
    if (!dc) return nullptr;
    std::shared_ptr<ObjectData> data = FindObject(object);
    if (!data) {
        qelt::ReportMisuse("SelectObject: %p is not a GDI object", object);
        return nullptr;
    }
    DcState& s = dc->state;
    HGDIOBJ previous = nullptr;
    switch (data->type) {
    case OBJ_PEN:
        previous = s.pen, s.pen = object, s.penData = std::static_pointer_cast<PenData>(data);
        break;
    case OBJ_BRUSH:
        previous = s.brush, s.brush = object, s.brushData = std::static_pointer_cast<BrushData>(data);
        break;
    case OBJ_FONT:
        previous = s.font, s.font = object, s.fontData = std::static_pointer_cast<FontData>(data);
        break;
    case OBJ_BITMAP: {
        auto bitmap = std::static_pointer_cast<BitmapData>(data);
        if (dc->kind != DcKind::Memory) {
            qelt::ReportMisuse("SelectObject: a bitmap can only be selected into a memory device context");
            return nullptr;
        }
        if (bitmap->selectedInto && bitmap->selectedInto != hdc) {
            qelt::ReportMisuse("SelectObject: the bitmap is selected into another device context");
            return nullptr;
        }
        if (s.bitmapData && !s.bitmapData->stock) s.bitmapData->selectedInto = nullptr;
        if (!bitmap->stock) bitmap->selectedInto = hdc;
        previous = s.bitmap, s.bitmap = object, s.bitmapData = bitmap;
        break;
    }
    case OBJ_REGION:
        return reinterpret_cast<HGDIOBJ>(static_cast<INT_PTR>(SelectClipRgn(hdc, static_cast<HRGN>(object))));
    default:
        qelt::ReportMisuse("SelectObject: object type %d cannot be selected", data->type);
        return nullptr;
    }
    return previous;
}

int GetObjectA(HGDIOBJ object, int size, LPVOID buffer) {
    std::shared_ptr<ObjectData> data = FindObject(object);
    if (!data) {
        qelt::ReportMisuse("GetObject: %p is not a GDI object", object);
        return 0;
    }
    switch (data->type) {
    case OBJ_PEN: {
        const auto& pen = static_cast<const PenData&>(*data);
        return CopyOut(LOGPEN{pen.style, POINT{pen.width, 0}, pen.color}, size, buffer);
    }
    case OBJ_BRUSH: {
        const auto& brush = static_cast<const BrushData&>(*data);
        return CopyOut(LOGBRUSH{brush.style, brush.color, brush.hatch}, size, buffer);
    }
    case OBJ_FONT: return CopyOut(static_cast<const FontData&>(*data).logFont, size, buffer);
    case OBJ_BITMAP: {
        const auto& b = static_cast<const BitmapData&>(*data);
        const long widthBytes = b.bitsPixel == 1 ? (b.width + 15) / 16 * 2 : b.width * 4L;
        return CopyOut(BITMAP{0, b.width, b.height, widthBytes, 1, static_cast<WORD>(b.bitsPixel), nullptr},
                       size, buffer);
    }
    default: return 0;
    }
}

DWORD GetObjectType(HGDIOBJ object) {
    if (std::shared_ptr<ObjectData> data = FindObject(object)) return data->type;
    if (DeviceContext* dc = FindDc(static_cast<HDC>(object)))
        return dc->kind == DcKind::Memory ? OBJ_MEMDC : dc->kind == DcKind::Metafile ? OBJ_ENHMETADC : OBJ_DC;
    return 0;
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type) {
    DeviceContext* dc = CheckDc(hdc, "GetCurrentObject");
    if (!dc) return nullptr;
    switch (type) {
    case OBJ_PEN: return dc->state.pen;
    case OBJ_BRUSH: return dc->state.brush;
    case OBJ_FONT: return dc->state.font;
    case OBJ_BITMAP: return dc->state.bitmap;
    default: return nullptr;
    }
}

HPEN CreatePen(int style, int width, COLORREF color) {
    if ((style & PS_STYLE_MASK) > PS_ALTERNATE) {
        qelt::ReportMisuse("CreatePen: unknown pen style %d", style);
        return nullptr;
    }
    return static_cast<HPEN>(AddObject(std::make_shared<PenData>(style, std::max(width, 0), color)));
}

HPEN CreatePenIndirect(const LOGPEN* pen) {
    if (!pen) {
        qelt::ReportMisuse("CreatePenIndirect: no pen");
        return nullptr;
    }
    return CreatePen(static_cast<int>(pen->lopnStyle), static_cast<int>(pen->lopnWidth.x), pen->lopnColor);
}

HBRUSH CreateSolidBrush(COLORREF color) {
    return static_cast<HBRUSH>(AddObject(std::make_shared<BrushData>(BS_SOLID, color & 0xFFFFFF, 0)));
}

HBRUSH CreateHatchBrush(int hatch, COLORREF color) {
    if (hatch < HS_HORIZONTAL || hatch > HS_DIAGCROSS) {
        qelt::ReportMisuse("CreateHatchBrush: unknown hatch %d", hatch);
        return nullptr;
    }
    return static_cast<HBRUSH>(AddObject(std::make_shared<BrushData>(BS_HATCHED, color & 0xFFFFFF, hatch)));
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* brush) {
    if (!brush) {
        qelt::ReportMisuse("CreateBrushIndirect: no brush");
        return nullptr;
    }
    switch (brush->lbStyle) {
    case BS_SOLID: return CreateSolidBrush(brush->lbColor);
    case BS_NULL: return static_cast<HBRUSH>(AddObject(std::make_shared<BrushData>(BS_NULL, 0, 0)));
    case BS_HATCHED: return CreateHatchBrush(static_cast<int>(brush->lbHatch), brush->lbColor);
    default:
        qelt::ReportMisuse("CreateBrushIndirect: brush style %u is not supported", brush->lbStyle);
        return nullptr;
    }
}

HFONT CreateFontIndirectA(const LOGFONTA* font) {
    if (!font) {
        qelt::ReportMisuse("CreateFontIndirect: no font");
        return nullptr;
    }
    LOGFONTA lf = *font;
    lf.lfFaceName[LF_FACESIZE - 1] = '\0';
    return static_cast<HFONT>(AddObject(std::make_shared<FontData>(lf)));
}

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                  DWORD quality, DWORD pitchAndFamily, LPCSTR face) {
    LOGFONTA lf{};
    lf.lfHeight = height, lf.lfWidth = width, lf.lfEscapement = escapement, lf.lfOrientation = orientation;
    lf.lfWeight = weight;
    lf.lfItalic = static_cast<BYTE>(italic), lf.lfUnderline = static_cast<BYTE>(underline);
    lf.lfStrikeOut = static_cast<BYTE>(strikeOut), lf.lfCharSet = static_cast<BYTE>(charSet);
    lf.lfOutPrecision = static_cast<BYTE>(outPrecision), lf.lfClipPrecision = static_cast<BYTE>(clipPrecision);
    lf.lfQuality = static_cast<BYTE>(quality), lf.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
    if (face) std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return CreateFontIndirectA(&lf);
}
