#include "mfc/user/Metrics.h"

#include <algorithm>
#include <cstdlib>

#include "mfc/gdi/GdiApi.h"

namespace qelt::metrics {

int MulDiv(int value, int numerator, int denominator) {
    long long product = static_cast<long long>(value) * numerator;
    long long half = std::llabs(static_cast<long long>(denominator)) / 2;
    long long rounded = (product >= 0) == (denominator > 0) ? (std::llabs(product) + half) / std::llabs(denominator)
                                                            : -((std::llabs(product) + half) / std::llabs(denominator));
    return static_cast<int>(rounded);
}

BaseUnits MeasureBaseUnits(HFONT font) {
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : ::GetStockObject(SYSTEM_FONT));
    TEXTMETRICA metrics{};
    SIZE letters{0, 0};
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    ::GetTextMetricsA(dc, &metrics);
    ::GetTextExtentPoint32A(dc, kLetters, 52, &letters);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    BaseUnits units;
    units.x = std::max<int>(1, (letters.cx / 26 + 1) / 2);
    units.y = std::max<int>(1, metrics.tmHeight);
    return units;
}

int DialogUnitsToPixelsX(int x, const BaseUnits& units) { return MulDiv(x, units.x, 4); }
int DialogUnitsToPixelsY(int y, const BaseUnits& units) { return MulDiv(y, units.y, 8); }

CRect DialogRectToPixels(const RECT& du, const BaseUnits& units) {
    return CRect(DialogUnitsToPixelsX(du.left, units), DialogUnitsToPixelsY(du.top, units),
                 DialogUnitsToPixelsX(du.right, units), DialogUnitsToPixelsY(du.bottom, units));
}

RECT FrameInsets(DWORD style, DWORD exStyle) {
    int side = 0;
    if (style & WS_THICKFRAME) side = kSizingFrame;
    else if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME)) side = kDialogFrame;
    else if (style & WS_BORDER) side = kBorder;
    if (exStyle & WS_EX_CLIENTEDGE) side += kClientEdge;
    if (exStyle & WS_EX_STATICEDGE) side += kStaticEdge;
    const int caption = (style & WS_CAPTION) == WS_CAPTION ? kCaptionHeight : 0;
    return RECT{side, side + caption, side, side};
}

}  // namespace qelt::metrics
