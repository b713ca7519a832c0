#include "host/SubStatic.h"

#include "host/WndSlide.h"
#include "mfc/CommonControl.h"
#include "mfc/Diagnostics.h"
#include "mfc/WindowDC.h"

IMPLEMENT_DYNAMIC(CSubStatic, CStatic)

BEGIN_MESSAGE_MAP(CSubStatic, CStatic)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

namespace {

std::vector<CString> Copy(const CStringArray& arr) {
    std::vector<CString> items;
    for (int i = 0; i < arr.GetSize(); ++i) items.push_back(arr[i]);
    return items;
}

const int kTextHeight = 16;  // the strip under a slide that holds its item's text

}  // namespace

void CSubStatic::SetItem(LPCTSTR lpszLibrary, LPCTSTR lpszCurLibrary, const CStringArray& arrSlides,
                         const CStringArray& arrCurSlides, int nSel, int nCols, int nRows) {
    if (!lpszLibrary || !lpszCurLibrary || nCols < 1 || nRows < 1 || nSel < -1 || nSel >= arrSlides.GetSize()) {
        qelt::ReportMisuse("CSubStatic::SetItem with %s, selection %d of %d items, a grid of %d x %d",
                           lpszLibrary && lpszCurLibrary ? "two libraries" : "a null library", nSel,
                           static_cast<int>(arrSlides.GetSize()), nCols, nRows);
        return;
    }
    m_strLibrary = lpszLibrary;
    m_strCurLibrary = lpszCurLibrary;
    m_slides = Copy(arrSlides);
    m_curSlides = Copy(arrCurSlides);
    m_nCols = nCols;
    m_nRows = nRows;
    m_nCurSel = nSel;
    m_strSingleSlide.Empty();
    Redraw();
}

void CSubStatic::SetIndex(const CStringArray& arrTexts, int nSel) {
    if (nSel < -1 || nSel >= GetItemCount()) {
        qelt::ReportMisuse("CSubStatic::SetIndex with selection %d of %d items", nSel, GetItemCount());
        return;
    }
    m_texts = Copy(arrTexts);
    m_nCurSel = nSel;
    Redraw();
}

void CSubStatic::SetCurSel(int nSel) {
    if (nSel < -1 || nSel >= GetItemCount()) {
        qelt::ReportMisuse("CSubStatic::SetCurSel(%d) of %d items", nSel, GetItemCount());
        return;
    }
    m_nCurSel = nSel;
    m_strSingleSlide.Empty();
    Redraw();
}

BOOL CSubStatic::ShowSlide(LPCTSTR lpszLibrary, LPCTSTR lpszSlide) {
    if (!lpszLibrary || !lpszSlide) {
        qelt::ReportMisuse("CSubStatic::ShowSlide without a library or a slide name");
        return FALSE;
    }
    m_strSingleLibrary = lpszLibrary;
    m_strSingleSlide = lpszSlide;
    Redraw();
    return TRUE;
}

int CSubStatic::FirstShownItem() const {
    const int nCells = m_nCols * m_nRows;
    return m_nCurSel < 0 ? 0 : m_nCurSel / nCells * nCells;
}

CRect CSubStatic::GetItemRect(int nItem) const {
    const int nCell = nItem - FirstShownItem();
    if (!m_hWnd || !m_strSingleSlide.IsEmpty() || nItem >= GetItemCount() || nCell < 0 || nCell >= m_nCols * m_nRows)
        return CRect();
    CRect client;
    GetClientRect(&client);
    const int nWidth = client.Width() / m_nCols, nHeight = client.Height() / m_nRows;
    const int nCol = nCell % m_nCols, nRow = nCell / m_nCols;
    return CRect(nCol * nWidth, nRow * nHeight, (nCol + 1) * nWidth, (nRow + 1) * nHeight);
}

void CSubStatic::Redraw() {
    if (m_hWnd) Invalidate();
}

void CSubStatic::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, RGB(255, 255, 255));
    CWndSlide slide;
    slide.SetDC(&dc);
    slide.m_bDrawToPicture = 1;
    if (!m_strSingleSlide.IsEmpty()) {
        slide.ShowSlideWnd(m_strSingleLibrary, m_strSingleSlide, client);
        return;
    }
    for (int nItem = FirstShownItem(); nItem < GetItemCount(); ++nItem) {
        CRect cell = GetItemRect(nItem);
        if (cell.IsRectEmpty()) break;
        CRect picture = cell;
        picture.DeflateRect(3, 3);
        const bool hasText = nItem < static_cast<int>(m_texts.size());
        if (hasText) picture.bottom -= kTextHeight;
        const bool current = nItem == m_nCurSel;
        const bool useCurrent = current && nItem < static_cast<int>(m_curSlides.size());
        slide.ShowSlideWnd(useCurrent ? m_strCurLibrary : m_strLibrary,
                           useCurrent ? m_curSlides[static_cast<size_t>(nItem)] : m_slides[static_cast<size_t>(nItem)],
                           picture);
        if (hasText) {
            CRect text(cell.left, picture.bottom, cell.right, cell.bottom - 3);
            dc.SetBkMode(TRANSPARENT);
            dc.DrawText(m_texts[static_cast<size_t>(nItem)], &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
        if (current) {
            CGdiObject* oldBrush = dc.SelectStockObject(NULL_BRUSH);
            CPen pen(PS_SOLID, 2, RGB(0, 0, 255));
            CPen* oldPen = dc.SelectObject(&pen);
            dc.Rectangle(cell.left + 1, cell.top + 1, cell.right, cell.bottom);
            dc.SelectObject(oldPen);
            dc.SelectObject(oldBrush);
        }
    }
}

void CSubStatic::OnLButtonDown(UINT nFlags, CPoint point) {
    CStatic::OnLButtonDown(nFlags, point);
    if (!m_bSelectable) return;
    for (int nItem = FirstShownItem(); nItem < GetItemCount(); ++nItem) {
        if (!GetItemRect(nItem).PtInRect(point)) continue;
        SetCurSel(nItem);
        CString text = nItem < static_cast<int>(m_texts.size()) ? m_texts[static_cast<size_t>(nItem)] : CString();
        if (CWnd* pParent = GetParent())
            pParent->SendMessage(WM_USER + 100, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(text)));
        return;
    }
}

qelt::ActionOutcome CSubStatic::ApplyUserAction(const qelt::UserAction& action) {
    if (action.kind != qelt::UserAction::Kind::Choose) return qelt::ActionOutcome::NotApplicable();
    const std::string name = "slide picker " + std::to_string(GetDlgCtrlID());
    int nItem = action.byPlace ? action.number : -1;
    for (int i = 0; !action.byPlace && i < GetItemCount(); ++i) {
        const CString& text = i < static_cast<int>(m_texts.size()) ? m_texts[static_cast<size_t>(i)] : m_slides[static_cast<size_t>(i)];
        if (text == action.text) nItem = i;
    }
    if (nItem < 0 || nItem >= GetItemCount()) return qelt::ActionOutcome::Refused(name + " has no such item");
    if (!m_bSelectable) return qelt::ActionOutcome::Refused(name + " takes no choice now");
    const CRect cell = GetItemRect(nItem);
    if (cell.IsRectEmpty()) return qelt::ActionOutcome::Refused(name + " does not show item #" + std::to_string(nItem));
    qelt::WindowRecord* record = qelt::LookupWindow(m_hWnd);
    return record ? qelt::ClickAsPerson(*record, cell.CenterPoint()) : qelt::ActionOutcome::NotApplicable();
}
