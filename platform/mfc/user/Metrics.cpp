#include "mfc/user/Metrics.h"

#include <cstdlib>

namespace qelt::metrics {

int MulDiv(int value, int numerator, int denominator) {
    long long product = static_cast<long long>(value) * numerator;
    long long half = std::llabs(static_cast<long long>(denominator)) / 2;
    long long rounded = (product >= 0) == (denominator > 0) ? (std::llabs(product) + half) / std::llabs(denominator)
                                                            : -((std::llabs(product) + half) / std::llabs(denominator));
    return static_cast<int>(rounded);
}

int DialogUnitsToPixelsX(int x) { return MulDiv(x, kBaseUnitX, 4); }
int DialogUnitsToPixelsY(int y) { return MulDiv(y, kBaseUnitY, 8); }

CRect DialogRectToPixels(const RECT& du) {
    return CRect(DialogUnitsToPixelsX(du.left), DialogUnitsToPixelsY(du.top), DialogUnitsToPixelsX(du.right),
                 DialogUnitsToPixelsY(du.bottom));
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
