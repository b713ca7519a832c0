#include "mfc/comctl/TreePaint.h"

#include "mfc/comctl/ImageList.h"

#include "mfc/gdi/GdiApi.h"
#include "mfc/user/ControlPaint.h"
#include "mfc/user/WinUserApi.h"

namespace qelt {

namespace {

// The dotted grey line of the classic tree: every other pixel.
void DottedLine(HDC dc, int x0, int y0, int x1, int y1) {
    const COLORREF grey = ::GetSysColor(COLOR_3DSHADOW);
    if (x0 == x1) {
        for (int y = y0 + (y0 & 1); y < y1; y += 2) ::SetPixel(dc, x0, y, grey);
    } else {
        for (int x = x0 + (x0 & 1); x < x1; x += 2) ::SetPixel(dc, x, y0, grey);
    }
}

// The 9 × 9 box with a minus (expanded) or a plus, centred on (cx, cy).
void ExpandBox(HDC dc, int cx, int cy, bool expanded) {
    const RECT box{cx - 4, cy - 4, cx + 5, cy + 5};
    FillSysColor(dc, box, COLOR_WINDOW);
    ::FrameRect(dc, &box, ::GetSysColorBrush(COLOR_3DSHADOW));
    DrawLine(dc, cx - 2, cy, cx + 3, cy, COLOR_WINDOWTEXT);
    if (!expanded) DrawLine(dc, cx, cy - 2, cx, cy + 3, COLOR_WINDOWTEXT);
}

}  // namespace

void PaintTreeView(HWND tree, const std::vector<TreeRow>& rows, HIMAGELIST images) {
    ControlPaintScope scope(tree);
    if (!scope.dc) return;
    HDC dc = scope.dc;
    const DWORD style = static_cast<DWORD>(::GetWindowLong(tree, GWL_STYLE));
    const bool lines = (style & TVS_HASLINES) != 0, buttons = (style & TVS_HASBUTTONS) != 0;
    const bool atRoot = (style & TVS_LINESATROOT) != 0 && (lines || buttons);
    const bool enabled = ::IsWindowEnabled(tree) != FALSE;
    const bool focused = ::GetFocus() == tree;
    FillSysColor(dc, scope.client, COLOR_WINDOW);
    const DWORD exStyle = static_cast<DWORD>(::GetWindowLong(tree, GWL_EXSTYLE));
    const bool bordered = (style & WS_BORDER) || (exStyle & WS_EX_CLIENTEDGE);
    if (bordered) {
        RECT edge = scope.client;
        DrawEdge3D(dc, &edge, true);
        ::IntersectClipRect(dc, edge.left, edge.top, edge.right, edge.bottom);
    }
    const int inset = bordered ? 2 : 0;  // the rows start inside the edge

    HFONT font = reinterpret_cast<HFONT>(::SendMessage(tree, WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = ::SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetBkMode(dc, TRANSPARENT);
    for (size_t i = 0; i < rows.size(); ++i) {
        const TreeRow& row = rows[i];
        const int top = inset + static_cast<int>(i) * kTreeRowHeight, bottom = top + kTreeRowHeight;
        if (top >= scope.client.bottom) break;
        const int cy = top + kTreeRowHeight / 2;
        // Level k's column is the k-th indent (one fewer without lines at the root).
        const int first = atRoot ? 0 : 1;
        auto centre = [&](int level) { return inset + (level - first) * kTreeIndent + kTreeIndent / 2; };
        if (lines) {
            for (int level = first; level < row.depth; ++level) {
                if (row.continues[static_cast<size_t>(level)]) DottedLine(dc, centre(level), top, centre(level), bottom);
            }
            if (row.depth >= first) {
                const int x = centre(row.depth);
                const bool firstOfAll = i == 0;
                DottedLine(dc, x, firstOfAll ? cy : top, x, row.continues[static_cast<size_t>(row.depth)] ? bottom : cy + 1);
                DottedLine(dc, x, cy, x + kTreeIndent / 2 + 2, cy);
            }
        }
        if (buttons && row.hasChildren && row.depth >= first) ExpandBox(dc, centre(row.depth), cy, row.expanded);

        int left = inset + (row.depth - first + 1) * kTreeIndent + 2;
        // The item's image, centred on the row, then the label after it.
        int imageWidth = 0, imageHeight = 0;
        if (images && row.image >= 0 && row.image < ImageList_GetImageCount(images) &&
            ImageList_GetIconSize(images, &imageWidth, &imageHeight)) {
            ImageList_Draw(images, row.image, dc, left, top + (kTreeRowHeight - imageHeight) / 2, ILD_TRANSPARENT);
            left += imageWidth + 1;
        }
        SIZE size{0, 0};
        ::GetTextExtentPoint32A(dc, row.text, row.text.GetLength(), &size);
        RECT label{left, top, left + size.cx + 4, bottom};
        const bool highlighted = row.selected && enabled && (focused || (style & TVS_SHOWSELALWAYS));
        if (highlighted) FillSysColor(dc, label, focused ? COLOR_HIGHLIGHT : COLOR_3DFACE);
        ::SetTextColor(dc, ::GetSysColor(!enabled        ? COLOR_GRAYTEXT
                                         : highlighted && focused ? COLOR_HIGHLIGHTTEXT
                                                                  : COLOR_WINDOWTEXT));
        RECT text = label;
        text.left += 2;
        ::DrawTextA(dc, row.text, row.text.GetLength(), &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    ::SelectObject(dc, oldFont);
}

}  // namespace qelt
