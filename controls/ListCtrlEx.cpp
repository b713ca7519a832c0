#include "controls/ListCtrlEx.h"

#include <algorithm>

#include "mfc/GdiApi.h"
#include "mfc/ScrollBar.h"
#include "mfc/WindowDC.h"

IMPLEMENT_DYNCREATE(CListCtrlEx, CListCtrl)

namespace {

const UINT kTextFormat = DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER | DT_END_ELLIPSIS;

}  // namespace

BEGIN_MESSAGE_MAP(CListCtrlEx, CListCtrl)
    ON_WM_PAINT()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_LBUTTONDOWN()
    ON_WM_KEYDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_DESTROY()
    ON_MESSAGE(LVM_SETTEXTCOLOR, OnSetTextColor)
    ON_MESSAGE(LVM_SETTEXTBKCOLOR, OnSetTextBkColor)
    ON_MESSAGE(LVM_SETBKCOLOR, OnSetBkColor)
END_MESSAGE_MAP()

CListCtrlEx::CListCtrlEx()
    : m_bClientWidthSel(FALSE),
      m_bFullRowSel(FALSE),
      m_clrText(::GetSysColor(COLOR_WINDOWTEXT)),
      m_clrTextBk(::GetSysColor(COLOR_WINDOW)),
      m_clrBkgnd(::GetSysColor(COLOR_WINDOW)),
      m_pTitleTip(new CTitleTip) {}

CListCtrlEx::~CListCtrlEx() { delete m_pTitleTip; }

BOOL CListCtrlEx::PreCreateWindow(CREATESTRUCT& cs) {
    // A list that makes its own window is always a full-row, owner-drawn report list.
    cs.style = (cs.style & ~LVS_TYPEMASK) | LVS_REPORT | LVS_OWNERDRAWFIXED;
    m_bFullRowSel = TRUE;
    return CListCtrl::PreCreateWindow(cs);
}

void CListCtrlEx::PreSubclassWindow() {
    CListCtrl::PreSubclassWindow();
    if (m_pTitleTip->Create(this)) m_pTitleTip->SetBackBrush(::CreateSolidBrush(GetBkColor()));
}

int CListCtrlEx::InsertColumn(LPCTSTR lpszHeading, int nCol, int nSubItem, UINT nMask, int nFormat) {
    LVCOLUMN column{};
    column.mask = nMask;
    column.fmt = nFormat;
    column.pszText = const_cast<LPTSTR>(lpszHeading);
    column.cx = GetStringWidth(lpszHeading) + 15;
    if (nMask & LVCF_SUBITEM) column.iSubItem = nSubItem != -1 ? nSubItem : nCol;
    return CListCtrl::InsertColumn(nCol, &column);
}

BOOL CListCtrlEx::SetItem(int nRow, int nCol, LPCTSTR lpszText, int nImage) {
    BOOL done = nCol == 0 ? InsertItem(nRow, lpszText) != -1 : SetItemText(nRow, nCol, lpszText);
    if (done && nImage != -1) {
        LVITEM item{};
        item.mask = LVIF_IMAGE;
        item.iItem = nRow;
        item.iImage = nImage;
        done = CListCtrl::SetItem(&item);
    }
    return done;
}

int CListCtrlEx::GetSelectedItem() const { return GetNextItem(-1, LVNI_SELECTED); }

int CListCtrlEx::SelectItem(int nRow) {
    const int previous = GetSelectedItem();
    SetItemState(previous, 0, LVIS_SELECTED);  // -1: every row
    SetItemState(nRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    return previous;
}

BOOL CListCtrlEx::SetFullRowSel(BOOL bFullRowSel) {
    m_bFullRowSel = bFullRowSel;
    const BOOL changed = bFullRowSel ? ModifyStyle(0, LVS_OWNERDRAWFIXED) : ModifyStyle(LVS_OWNERDRAWFIXED, 0);
    if (changed && (GetStyle() & LVS_TYPEMASK) == LVS_REPORT) Invalidate(TRUE);
    return changed;
}

int CListCtrlEx::HitTestCell(CPoint point, int* pCol) const {
    if (pCol) *pCol = -1;
    if ((GetStyle() & LVS_TYPEMASK) != LVS_REPORT) return -1;
    const int row = HitTest(point);
    if (row == -1) return -1;
    CHeaderCtrl* header = GetHeaderCtrl();
    const int columns = header ? header->GetItemCount() : 0;
    // The columns lie in display order from the scrolled-away left edge of the list.
    int x = point.x + ::GetScrollPos(m_hWnd, SB_HORZ);
    for (int order = 0; order < columns; ++order) {
        x -= GetColumnWidth(header->OrderToIndex(order));
        if (x < 0) {
            if (pCol) *pCol = order;
            return row;
        }
    }
    return -1;
}

void CListCtrlEx::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const int nItem = static_cast<int>(lpDrawItemStruct->itemID);
    const int nSavedDC = pDC->SaveDC();

    LVITEM lvi{};
    lvi.mask = LVIF_IMAGE | LVIF_STATE;
    lvi.iItem = nItem;
    lvi.stateMask = 0xFFFF;
    GetItem(&lvi);

    const BOOL bFocus = GetFocus() == this;
    const BOOL bHighlight = (lvi.state & LVIS_DROPHILITED) ||
                            ((lvi.state & LVIS_SELECTED) && (bFocus || (GetStyle() & LVS_SHOWSELALWAYS)));

    CRect rcBounds, rcLabel, rcIcon;
    GetItemRect(nItem, rcBounds, LVIR_BOUNDS);
    GetItemRect(nItem, rcLabel, LVIR_LABEL);
    GetItemRect(nItem, rcIcon, LVIR_ICON);
    CRect rcHighlight = rcBounds;
    rcHighlight.left = rcLabel.left;
    if (m_bClientWidthSel) {
        CRect rcClient;
        GetClientRect(&rcClient);
        if (rcHighlight.right < rcClient.right) rcHighlight.right = rcClient.right;
    }

    if (bHighlight) {
        pDC->SetTextColor(::GetSysColor(COLOR_HIGHLIGHTTEXT));
        pDC->SetBkColor(::GetSysColor(COLOR_HIGHLIGHT));
        pDC->FillSolidRect(&rcHighlight, ::GetSysColor(COLOR_HIGHLIGHT));
    } else {
        pDC->FillSolidRect(&rcHighlight, m_clrTextBk);
    }

    if (lvi.state & LVIS_STATEIMAGEMASK) {
        const int nImage = static_cast<int>((lvi.state & LVIS_STATEIMAGEMASK) >> 12) - 1;
        if (CImageList* pStateImages = GetImageList(LVSIL_STATE)) {
            pStateImages->Draw(pDC, nImage, CPoint(rcBounds.left, rcBounds.top), ILD_TRANSPARENT);
        }
    }
    if (CImageList* pImages = GetImageList(LVSIL_SMALL)) {
        const UINT nOverlay = lvi.state & LVIS_OVERLAYMASK;
        pImages->Draw(pDC, lvi.iImage, CPoint(rcIcon.left, rcIcon.top),
                      (bHighlight ? ILD_BLEND50 : 0) | ILD_TRANSPARENT | nOverlay);
    }

    CRect rcText = rcLabel;
    rcText.right -= 2;
    pDC->DrawText(GetItemText(nItem, 0), &rcText, DT_LEFT | kTextFormat);

    LVCOLUMN lvc{};
    lvc.mask = LVCF_FMT | LVCF_WIDTH;
    CRect rcCol = rcBounds;
    rcCol.right = rcBounds.left + GetColumnWidth(0);
    for (int nColumn = 1; GetColumn(nColumn, &lvc); ++nColumn) {
        rcCol.left = rcCol.right;
        rcCol.right += lvc.cx;
        UINT nJustify = DT_LEFT;
        switch (lvc.fmt & LVCFMT_JUSTIFYMASK) {
        case LVCFMT_RIGHT: nJustify = DT_RIGHT; break;
        case LVCFMT_CENTER: nJustify = DT_CENTER; break;
        default: break;
        }
        CRect rcCell = rcCol;
        rcCell.DeflateRect(2, 0);
        pDC->DrawText(GetItemText(nItem, nColumn), &rcCell, nJustify | kTextFormat);
    }

    if ((lvi.state & LVIS_FOCUSED) && bFocus) pDC->DrawFocusRect(&rcHighlight);
    pDC->RestoreDC(nSavedDC);
}

void CListCtrlEx::OnPaint() {
    // Rows highlighted up to the client's right edge: that strip is painted with them.
    if (m_bFullRowSel && m_bClientWidthSel && (GetStyle() & LVS_TYPEMASK) == LVS_REPORT && GetItemCount() > 0) {
        CRect rcBounds, rcClient, rcUpdate;
        GetItemRect(0, rcBounds, LVIR_BOUNDS);
        GetClientRect(&rcClient);
        if (rcBounds.right < rcClient.right && GetUpdateRect(&rcUpdate)) {
            rcUpdate.left = std::min<LONG>(rcBounds.right - 1, rcUpdate.left);
            rcUpdate.right = rcClient.right;
            InvalidateRect(&rcUpdate, FALSE);
        }
    }
    Default();
}

void CListCtrlEx::RepaintSelectedItems() {
    if (!m_bFullRowSel) return;
    CRect rcBounds, rcLabel;
    auto repaint = [&](int nItem) {
        GetItemRect(nItem, rcBounds, LVIR_BOUNDS);
        GetItemRect(nItem, rcLabel, LVIR_LABEL);
        rcBounds.left = rcLabel.left;
        InvalidateRect(&rcBounds, FALSE);
    };
    const int nFocused = GetNextItem(-1, LVNI_FOCUSED);
    if (nFocused != -1) repaint(nFocused);
    if (!(GetStyle() & LVS_SHOWSELALWAYS)) {
        for (int nItem = GetNextItem(-1, LVNI_SELECTED); nItem != -1; nItem = GetNextItem(nItem, LVNI_SELECTED)) {
            repaint(nItem);
        }
    }
    UpdateWindow();
}

void CListCtrlEx::OnSetFocus(CWnd* pOldWnd) {
    CListCtrl::OnSetFocus(pOldWnd);
    RepaintSelectedItems();
}

void CListCtrlEx::OnKillFocus(CWnd* pNewWnd) {
    CListCtrl::OnKillFocus(pNewWnd);
    m_pTitleTip->Hide();
    // The edit box of label editing is the list's own child: the rows stay as they are.
    if (pNewWnd && pNewWnd->GetParent() == this) return;
    RepaintSelectedItems();
}

void CListCtrlEx::NotifyOwner() {
    CWnd* pOwner = GetParent();
    if (!pOwner) return;
    NMHDR header{};
    header.hwndFrom = m_hWnd;
    header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    header.code = LISTEX_NOTIFY;
    pOwner->SendMessage(WM_NOTIFY, static_cast<WPARAM>(header.idFrom), reinterpret_cast<LPARAM>(&header));
}

void CListCtrlEx::OnLButtonDown(UINT nFlags, CPoint point) {
    const HWND hSelf = m_hWnd;
    if (CWnd* pOwner = GetParent()) pOwner->SendMessage(WM_LIST_LBUTTONDOWN, 0, reinterpret_cast<LPARAM>(hSelf));
    if (!::IsWindow(hSelf)) return;
    if (::GetKeyState(VK_MENU) < 0) {
        int nCol = -1;
        const int nRow = HitTestCell(point, &nCol);
        if (nRow != -1) {
            SetFocus();
            PostMessage(LVM_EDITLABEL, static_cast<WPARAM>(nRow), 0);
        }
        return;
    }
    m_pTitleTip->Hide();
    CListCtrl::OnLButtonDown(nFlags, point);
    if (!::IsWindow(hSelf)) return;
    NotifyOwner();
    if (!::IsWindow(hSelf)) return;
    int nCol = -1;
    const BOOL bOnCell = HitTestCell(point, &nCol) != -1;
    if (CWnd* pOwner = GetParent()) pOwner->SendMessage(WM_LIST_CLICKED, bOnCell, reinterpret_cast<LPARAM>(hSelf));
}

void CListCtrlEx::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    const HWND hSelf = m_hWnd;
    CListCtrl::OnKeyDown(nChar, nRepCnt, nFlags);
    if (!::IsWindow(hSelf)) return;
    m_pTitleTip->Hide();
    NotifyOwner();
}

void CListCtrlEx::OnMouseMove(UINT nFlags, CPoint point) {
    if (nFlags == 0) TrackTitleTip(point);
    CListCtrl::OnMouseMove(nFlags, point);
}

void CListCtrlEx::TrackTitleTip(CPoint point) {
    int nCol = -1;
    const int nRow = HitTestCell(point, &nCol);
    if (nRow == -1 || !m_pTitleTip->m_hWnd) {
        m_pTitleTip->Hide();
        return;
    }
    CHeaderCtrl* header = GetHeaderCtrl();
    const int nColumn = header->OrderToIndex(nCol);
    CRect rcCell;
    if (nColumn == 0) GetItemRect(nRow, rcCell, LVIR_LABEL);
    else GetSubItemRect(nRow, nColumn, LVIR_LABEL, rcCell);
    m_pTitleTip->Show(rcCell, GetItemText(nRow, nColumn));
}

void CListCtrlEx::OnDestroy() {
    if (m_pTitleTip->m_hWnd) m_pTitleTip->DestroyWindow();
    CListCtrl::OnDestroy();
}

LRESULT CListCtrlEx::OnSetTextColor(WPARAM, LPARAM lParam) {
    m_clrText = static_cast<COLORREF>(lParam);
    return Default();
}

LRESULT CListCtrlEx::OnSetTextBkColor(WPARAM, LPARAM lParam) {
    m_clrTextBk = static_cast<COLORREF>(lParam);
    return Default();
}

LRESULT CListCtrlEx::OnSetBkColor(WPARAM, LPARAM lParam) {
    m_clrBkgnd = static_cast<COLORREF>(lParam);
    return Default();
}
