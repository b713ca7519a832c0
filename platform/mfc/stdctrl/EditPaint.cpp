#include "mfc/stdctrl/EditPaint.h"

#include "mfc/gdi/GdiApi.h"
#include "mfc/user/ControlPaint.h"
#include "mfc/user/WinUserApi.h"

namespace qelt {

void PaintEdit(HWND edit) {
    ControlPaintScope scope(edit);
    if (!scope.dc) return;
    const DWORD style = static_cast<DWORD>(::GetWindowLong(edit, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(::GetWindowLong(edit, GWL_EXSTYLE));
    const bool faceColoured = (style & ES_READONLY) || !::IsWindowEnabled(edit);
    HBRUSH background = ControlColors(edit, scope.dc, faceColoured ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT);
    CRect area = scope.client;
    ::FillRect(scope.dc, &area, background);
    if ((style & WS_BORDER) || (exStyle & WS_EX_CLIENTEDGE)) DrawEdge3D(scope.dc, &area, true);
    area.DeflateRect(1, 1);
    CString text = WindowTextOf(edit);
    if (style & ES_PASSWORD) text = CString('*', text.GetLength());
    const UINT align = (style & ES_RIGHT) ? DT_RIGHT : (style & ES_CENTER) ? DT_CENTER : DT_LEFT;
    const UINT lines = (style & ES_MULTILINE) ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE | DT_VCENTER;
    DrawWindowText(scope.dc, edit, text, area, align | lines | DT_NOPREFIX);
}

}  // namespace qelt
