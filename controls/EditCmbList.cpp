#include "controls/EditCmbList.h"

#include <algorithm>

#include "mfc/ScrollBar.h"
#include "sibling/GraphTrans.h"

namespace {

constexpr COLORREF kNoColor = 0xFFFFFF;
constexpr int kComboDropHeight = 100;  // what a new combo box adds below the cell for its list

// The outline of a coloured cell: 20 darker in each channel, none below 0.
COLORREF OutlineColor(COLORREF color) {
    auto darker = [](int channel) { return static_cast<BYTE>(std::max(channel - 0x14, 0)); };
    return RGB(darker(GetRValue(color)), darker(GetGValue(color)), darker(GetBValue(color)));
}

bool OpensEdit(int nType, BOOL bExplicit) {
    return nType == EDITCMB_EDIT || nType == EDITCMB_EDIT_BUTTON || (nType == EDITCMB_EDIT_EXPLICIT && bExplicit);
}

bool OpensCombo(int nType, BOOL bExplicit) {
    switch (nType) {
    case EDITCMB_LIST:
    case EDITCMB_COMBO:
    case EDITCMB_LIST_BUTTON:
    case EDITCMB_COMBO_BUTTON:
        return true;
    case EDITCMB_COMBO_EXPLICIT:
    case EDITCMB_COMBO_EXPLICIT2:
        return bExplicit != 0;
    default:
        return false;
    }
}

bool Shown(const CWnd* pWnd) { return pWnd && pWnd->m_hWnd && (pWnd->GetStyle() & WS_VISIBLE); }

}  // namespace

BEGIN_MESSAGE_MAP(CEditCmbList, CListCtrl)
    ON_WM_LBUTTONDOWN()
    ON_EN_KILLFOCUS(IDC_EDITCMB_EDIT, OnKillFocusEdit)
    ON_CBN_KILLFOCUS(IDC_EDITCMB_COMBO, OnKillFocusCombo)
    ON_CBN_SELCHANGE(IDC_EDITCMB_COMBO, OnSelChangeCombo)
    ON_BN_CLICKED(IDC_EDITCMB_BUTTON, OnButtonClicked)
    ON_WM_VSCROLL()
    ON_WM_HSCROLL()
    ON_WM_MOUSEWHEEL()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_NOTIFY_REFLECT(LVN_INSERTITEM, OnInsertItem)
    ON_NOTIFY_REFLECT(NM_DBLCLK, OnDblClick)
    ON_MESSAGE(WM_EDITCMB_TAB, OnTabKey)
END_MESSAGE_MAP()

CEditCmbList::CEditCmbList()
    : m_nEditRow(-1),
      m_nEditCol(-1),
      m_nTabOrder(0),
      m_nBtnLen(-1),
      m_bClkBtnHide(0),
      m_pEdit(NULL),
      m_pCombo(NULL),
      m_pButton(NULL),
      m_bAttrSet(0),
      m_mapModify(10),
      m_mapColor(10),
      m_mapBitmap(10),
      m_mapCheck(10),
      m_nComboStyle(0),
      m_bExplicit(0) {}

CEditCmbList::~CEditCmbList() {
    delete m_pEdit;
    delete m_pCombo;
    delete m_pButton;
    m_mapModify.RemoveAll();
    m_mapColor.RemoveAll();
    POSITION pos = m_mapBitmap.GetStartPosition();
    while (pos) {
        int nKey = 0;
        CBitmap* pBitmap = NULL;
        m_mapBitmap.GetNextAssoc(pos, nKey, pBitmap);
        delete pBitmap;
    }
    m_mapBitmap.RemoveAll();
}

// ---- Attributes ----------------------------------------------------------------------------

template <class VALUE>
BOOL CEditCmbList::LookupCell(const CMap<int, int, VALUE, VALUE>& map, int nCol, int nRow, VALUE& value) {
    return map.Lookup(CellKey(nCol, nRow), value) || map.Lookup(CellKey(nCol, -1), value) ||
           map.Lookup(CellKey(-1, nRow), value);
}

void CEditCmbList::SetCellModifyType(int nCol, int nRow, UINT nType, CStringArray* pChoices, CString strCaption) {
    CEditCmbArray state;
    state.m_nModifyType = static_cast<int>(nType);
    if (pChoices) state.m_strChoices.Append(*pChoices);
    if (!strCaption.IsEmpty()) state.m_strBtnCaption = strCaption;
    m_mapModify[CellKey(nCol, nRow)] = state;
}

void CEditCmbList::setColModifyType(int nCol, UINT nType, CStringArray* pChoices, CString strCaption) {
    SetCellModifyType(nCol, -1, nType, pChoices, strCaption);
}

void CEditCmbList::setRowModifyType(int nRow, UINT nType, CStringArray* pChoices, CString strCaption) {
    SetCellModifyType(-1, nRow, nType, pChoices, strCaption);
}

int CEditCmbList::GetCellModifyType(int nCol, int nRow) const {
    CEditCmbArray state;
    return LookupCell(m_mapModify, nCol, nRow, state) ? state.m_nModifyType : EDITCMB_READONLY;
}

int CEditCmbList::GetCellModifyType(int nCol, int nRow, CStringArray& choices) const {
    choices.RemoveAll();
    CEditCmbArray state;
    if (!LookupCell(m_mapModify, nCol, nRow, state)) return EDITCMB_READONLY;
    if (state.m_nModifyType > 0) choices.Append(state.m_strChoices);
    return state.m_nModifyType;
}

CEditCmbArray CEditCmbList::GetCellModifyState(int nCol, int nRow) const {
    CEditCmbArray state;
    LookupCell(m_mapModify, nCol, nRow, state);
    return state;
}

void CEditCmbList::SetCellBKColor(int nCol, int nRow, COLORREF color) {
    m_bAttrSet = 1;
    m_mapColor[CellKey(nCol, nRow)] = color;
}

COLORREF CEditCmbList::GetCellBKColor(int nCol, int nRow) const {
    COLORREF color = kNoColor;
    return LookupCell(m_mapColor, nCol, nRow, color) ? color : kNoColor;
}

void CEditCmbList::SetCellBitmap(int nCol, int nRow, HBITMAP hBitmap) {
    m_bAttrSet = 1;
    CgraphTrans picture(CBitmap::FromHandle(hBitmap));
    CBitmap* pCopy = NULL;
    if (!picture.ExportBitmap(pCopy)) {
        delete pCopy;
        return;
    }
    CBitmap* pOld = NULL;
    if (m_mapBitmap.Lookup(CellKey(nCol, nRow), pOld)) delete pOld;
    m_mapBitmap[CellKey(nCol, nRow)] = pCopy;
}

CBitmap* CEditCmbList::GetCellBitmap(int nCol, int nRow) const {
    CBitmap* pBitmap = NULL;
    return LookupCell(m_mapBitmap, nCol, nRow, pBitmap) ? pBitmap : NULL;
}

void CEditCmbList::SetCellCheck(int nCol, int nRow, int nCheck) {
    m_bAttrSet = 1;
    m_mapCheck[CellKey(nCol, nRow)] = nCheck;
}

int CEditCmbList::GetCellCheck(int nCol, int nRow) const {
    if (!m_bAttrSet) return -1;
    int nCheck = -1;
    return LookupCell(m_mapCheck, nCol, nRow, nCheck) ? nCheck : -1;
}

// ---- Settings and state --------------------------------------------------------------------

void CEditCmbList::SetTabOrder(int nOrder) {
    if (nOrder >= -1 && nOrder <= 1) m_nTabOrder = nOrder;
}

int CEditCmbList::GetCurRow() const { return GetNextItem(-1, LVNI_SELECTED); }

void CEditCmbList::SetCurSel(int nRow) {
    SetItemState(GetNextItem(-1, LVNI_SELECTED), 0, LVIS_SELECTED);  // -1: every row
    if (nRow >= 0 && nRow < GetItemCount()) SetItemState(nRow, LVIS_SELECTED, LVIS_SELECTED);
}

int CEditCmbList::GetColCount() const {
    CHeaderCtrl* pHeader = GetHeaderCtrl();
    return pHeader ? pHeader->GetItemCount() : 1;
}

void CEditCmbList::ReDraw() { RedrawWindow(NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }

BOOL CEditCmbList::IsCell(int nCol, int nRow) const {
    return nCol >= 0 && nCol < GetColCount() && nRow >= 0 && nRow < GetItemCount();
}

void CEditCmbList::NotifyOwner(UINT message) {
    if (CWnd* pOwner = GetParent()) pOwner->SendMessage(message, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

// ---- Opening the editors -------------------------------------------------------------------

void CEditCmbList::SetEditView(int nCol, int nRow) {
    if (IsCell(nCol, nRow)) {
        m_nEditCol = nCol;
        m_nEditRow = nRow;
        SetItemState(nRow, LVIS_SELECTED, LVIS_SELECTED);
        m_bExplicit = 1;
    }
    OpenEdit();
    m_bExplicit = 0;
}

void CEditCmbList::SetComboView(int nCol, int nRow) {
    if (IsCell(nCol, nRow)) {
        m_nEditCol = nCol;
        m_nEditRow = nRow;
        SetItemState(nRow, LVIS_SELECTED, LVIS_SELECTED);
        m_bExplicit = 1;
    }
    OpenCombo();
    m_bExplicit = 0;
}

void CEditCmbList::PlaceButton(CRect& rect, int nTop, int nBottom, const CString& strCaption) {
    const int nWidth = m_nBtnLen > 0 ? m_nBtnLen : static_cast<int>(rect.Width() * 0.3);
    const CRect rcButton(rect.right - nWidth, nTop, rect.right, nBottom);
    if (!m_pButton) {
        m_pButton = new CButton;
        m_pButton->Create(strCaption, WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, rcButton, this, IDC_EDITCMB_BUTTON);
        if (CWnd* pParent = GetParent()) m_pButton->SetFont(pParent->GetFont());
    }
    m_pButton->SetWindowText(strCaption);
    m_pButton->ShowWindow(SW_SHOW);
    m_pButton->MoveWindow(&rcButton);
    rect.right -= nWidth;
}

void CEditCmbList::HideButton() {
    if (m_pButton && m_pButton->m_hWnd) m_pButton->ShowWindow(SW_HIDE);
}

void CEditCmbList::OpenEdit() {
    const CEditCmbArray state = GetCellModifyState(m_nEditCol, m_nEditRow);
    if (!OpensEdit(state.m_nModifyType, m_bExplicit)) {
        if (m_pEdit && m_pEdit->m_hWnd) m_pEdit->ShowWindow(SW_HIDE);
        return;
    }
    if (m_nEditRow < 0) return;
    CRect rect;
    GetSubItemRect(m_nEditRow, m_nEditCol, LVIR_LABEL, rect);
    const CString strText = GetItemText(m_nEditRow, m_nEditCol);
    if (!m_pEdit) {
        m_pEdit = new CEditIns;
        m_pEdit->Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, rect, this, IDC_EDITCMB_EDIT);
        if (CWnd* pParent = GetParent()) m_pEdit->SetFont(pParent->GetFont());
    }
    if (state.m_nModifyType == EDITCMB_EDIT_BUTTON) PlaceButton(rect, rect.top - 2, rect.bottom + 2, state.m_strBtnCaption);
    else HideButton();
    m_pEdit->ShowWindow(SW_SHOW);
    m_pEdit->MoveWindow(&rect);
    m_pEdit->SetWindowText(strText);
    m_pEdit->SetSel(0, -1);
    m_pEdit->SetFocus();
    m_pEdit->m_bTabHandled = m_nTabOrder == -1 ? 0 : 1;
}

void CEditCmbList::OpenCombo() {
    const CEditCmbArray state = GetCellModifyState(m_nEditCol, m_nEditRow);
    if (!OpensCombo(state.m_nModifyType, m_bExplicit)) {
        if (m_pCombo && m_pCombo->m_hWnd) m_pCombo->ShowWindow(SW_HIDE);
        return;
    }
    if (m_nEditRow < 0) return;
    CRect rect;
    GetSubItemRect(m_nEditRow, m_nEditCol, LVIR_LABEL, rect);
    rect.OffsetRect(0, -2);
    const CString strText = GetItemText(m_nEditRow, m_nEditCol);
    if (!m_pCombo) {
        CRect rcDrop = rect;
        rcDrop.bottom += kComboDropHeight;
        m_pCombo = new CCmbIns;
        m_pCombo->Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | CBS_DROPDOWN, rcDrop, this, IDC_EDITCMB_COMBO);
        if (CWnd* pParent = GetParent()) m_pCombo->SetFont(pParent->GetFont());
        m_nComboStyle = CBS_DROPDOWN;
    }
    if (state.m_nModifyType == EDITCMB_LIST_BUTTON || state.m_nModifyType == EDITCMB_COMBO_BUTTON) {
        PlaceButton(rect, rect.top, rect.bottom + 2, state.m_strBtnCaption);
    } else {
        HideButton();
    }
    InitComboBox(rect);
    m_pCombo->ShowWindow(SW_SHOW);
    m_pCombo->MoveWindow(&rect);
    if (m_pCombo->SelectString(-1, strText) == CB_ERR) m_pCombo->SetWindowText(strText);
    m_pCombo->SetFocus();
    m_pCombo->m_bTabHandled = m_nTabOrder == -1 ? 0 : 1;
}

void CEditCmbList::InitComboBox(CRect rect) {
    if (!m_pCombo) return;
    m_pCombo->ResetContent();
    CStringArray choices;
    int nStyle = 0;
    switch (GetCellModifyType(m_nEditCol, m_nEditRow, choices)) {
    case EDITCMB_LIST:
    case EDITCMB_LIST_BUTTON:
        nStyle = CBS_DROPDOWNLIST;
        break;
    case EDITCMB_COMBO:
    case EDITCMB_COMBO_BUTTON:
        nStyle = CBS_DROPDOWN;
        break;
    default:
        return;
    }
    if (nStyle != m_nComboStyle) {
        m_pCombo->DestroyWindow();
        CRect rcDrop = rect;
        rcDrop.bottom += kComboDropHeight;
        m_pCombo->Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | nStyle, rcDrop, this, IDC_EDITCMB_COMBO);
        if (CWnd* pParent = GetParent()) m_pCombo->SetFont(pParent->GetFont());
        m_nComboStyle = nStyle;
    }
    for (int i = 0; i < choices.GetSize(); ++i) m_pCombo->AddString(choices[i]);
}

int CEditCmbList::SetCellAtModify(int nCol, int nRow) {
    if (!IsCell(nCol, nRow)) return 0;
    CommitEditors();
    m_nEditCol = nCol;
    m_nEditRow = nRow;
    ScrollCellIntoView(nCol, nRow);
    SetItemState(nRow, LVIS_SELECTED, LVIS_SELECTED);
    OpenEdit();
    OpenCombo();
    NotifyOwner(WM_EDITCMB_CURRENT);
    return 1;
}

void CEditCmbList::ScrollCellIntoView(int nCol, int nRow) {
    CRect rcCell, rcClient, rcTop;
    GetSubItemRect(nRow, nCol, LVIR_LABEL, rcCell);
    GetClientRect(&rcClient);
    GetItemRect(GetTopIndex(), rcTop, LVIR_LABEL);
    if (rcCell.right > rcClient.right) Scroll(CSize(rcCell.right - rcClient.right, 0));
    else if (rcCell.left < 0) Scroll(CSize(rcCell.left - 2, 0));
    if (rcCell.bottom > rcClient.bottom) Scroll(CSize(0, rcCell.bottom - rcClient.bottom));
    else if (rcCell.top < rcTop.top) Scroll(CSize(0, rcCell.top - rcTop.top));
}

// ---- Committing ----------------------------------------------------------------------------

void CEditCmbList::CommitEditors() {
    OnKillFocusEdit();
    OnKillFocusCombo();
}

void CEditCmbList::OnKillFocusEdit() {
    if (!Shown(m_pEdit)) return;
    // The editor stays open while its button is being used.
    if (m_pButton && m_pButton->m_hWnd && GetFocus() == m_pButton) return;
    m_pEdit->ShowWindow(SW_HIDE);
    HideButton();
    if (!m_pEdit->m_bChanged) return;
    m_pEdit->GetWindowText(m_strBuffer);
    SetItemText(m_nEditRow, m_nEditCol, m_strBuffer);
    NotifyOwner(WM_EDITCMB_COMMIT);
    if (m_pEdit) m_pEdit->m_bChanged = 0;
}

void CEditCmbList::OnKillFocusCombo() {
    if (!Shown(m_pCombo)) return;
    if (m_pButton && m_pButton->m_hWnd && GetFocus() == m_pButton) return;
    m_pCombo->ShowWindow(SW_HIDE);
    HideButton();
    if (!m_pCombo->m_bChanged) return;
    m_pCombo->GetWindowText(m_strBuffer);
    SetItemText(m_nEditRow, m_nEditCol, m_strBuffer);
    NotifyOwner(WM_EDITCMB_COMMIT);
}

void CEditCmbList::OnSelChangeCombo() {
    if (Shown(m_pCombo)) {
        m_pCombo->ShowWindow(SW_HIDE);
        const int nSel = m_pCombo->GetCurSel();
        if (nSel != CB_ERR) {
            m_pCombo->GetLBText(nSel, m_strBuffer);
            SetItemText(m_nEditRow, m_nEditCol, m_strBuffer);
            NotifyOwner(WM_EDITCMB_COMMIT);
        }
    }
    HideButton();
}

void CEditCmbList::OnButtonClicked() {
    if (m_bClkBtnHide) {
        SetFocus();
        CommitEditors();
    }
    NotifyOwner(WM_EDITCMB_BUTTON);
}

// ---- The person ----------------------------------------------------------------------------

void CEditCmbList::OnLButtonDown(UINT nFlags, CPoint point) {
    const HWND hSelf = m_hWnd;
    const int nTop = GetTopIndex();
    CListCtrl::OnLButtonDown(nFlags, point);
    if (!::IsWindow(hSelf)) return;
    CommitEditors();
    LVHITTESTINFO hit{};
    hit.pt = point;
    SubItemHitTest(&hit);
    m_nEditRow = hit.iItem;
    if (m_nEditRow < nTop) return;
    m_nEditCol = hit.iSubItem;
    const int nCheck = GetCellCheck(m_nEditCol, m_nEditRow);
    if (nCheck == 0 || nCheck == 1) {
        SetCellCheck(m_nEditCol, m_nEditRow, nCheck == 1 ? 0 : 1);
        ReDraw();
        NotifyOwner(WM_EDITCMB_COMMIT);
    } else {
        OpenEdit();
        OpenCombo();
    }
    if (m_nEditRow >= 0 && m_nEditCol >= 0) NotifyOwner(WM_EDITCMB_CURRENT);
}

void CEditCmbList::OnDblClick(NMHDR*, LRESULT* pResult) {
    m_bExplicit = 1;
    CommitEditors();
    OpenEdit();
    m_bExplicit = 0;
    OpenCombo();
    NotifyOwner(WM_EDITCMB_DBLCLK);
    *pResult = 0;
}

LRESULT CEditCmbList::OnTabKey(WPARAM, LPARAM) {
    const int nRows = GetItemCount(), nCols = GetColCount();
    auto takesTab = [&](int nCol, int nRow) {
        const int nType = GetCellModifyType(nCol, nRow);
        return nType == EDITCMB_EDIT || nType == EDITCMB_LIST || nType == EDITCMB_COMBO;
    };
    if (m_nTabOrder == 0) {
        for (int nRow = std::max(m_nEditRow, 0); nRow < nRows; ++nRow) {
            for (int nCol = nRow == m_nEditRow ? m_nEditCol + 1 : 0; nCol < nCols; ++nCol) {
                if (takesTab(nCol, nRow)) return SetCellAtModify(nCol, nRow);
            }
        }
    } else if (m_nTabOrder == 1) {
        for (int nCol = std::max(m_nEditCol, 0); nCol < nCols; ++nCol) {
            for (int nRow = nCol == m_nEditCol ? m_nEditRow + 1 : 0; nRow < nRows; ++nRow) {
                if (takesTab(nCol, nRow)) return SetCellAtModify(nCol, nRow);
            }
        }
    }
    CommitEditors();
    return 0;
}

void CEditCmbList::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    SetFocus();
    CommitEditors();
    CListCtrl::OnVScroll(nSBCode, nPos, pScrollBar);
}

void CEditCmbList::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    SetFocus();
    CommitEditors();
    CListCtrl::OnHScroll(nSBCode, nPos, pScrollBar);
}

BOOL CEditCmbList::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt) {
    SetFocus();
    CommitEditors();
    return CListCtrl::OnMouseWheel(nFlags, zDelta, pt);
}

void CEditCmbList::OnInsertItem(NMHDR* pNMHDR, LRESULT* pResult) {
    if (reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iItem == 0) {
        SetExtendedStyle(GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    }
    *pResult = 0;
}

void CEditCmbList::OnDestroy() {
    CListCtrl::OnDestroy();
    for (CWnd** ppEditor : {reinterpret_cast<CWnd**>(&m_pEdit), reinterpret_cast<CWnd**>(&m_pCombo),
                            reinterpret_cast<CWnd**>(&m_pButton)}) {
        if (*ppEditor && (*ppEditor)->m_hWnd) (*ppEditor)->DestroyWindow();
        delete *ppEditor;
        *ppEditor = NULL;
    }
}

// ---- Painting ------------------------------------------------------------------------------

void CEditCmbList::OnPaint() {
    Default();
    PaintAttributes();
}

void CEditCmbList::PaintAttributes() {
    const int nRows = GetItemCount();
    if (!m_bAttrSet || nRows == 0) return;
    CRect rcTop, rcBounds, rcHeader;
    GetItemRect(GetTopIndex(), rcTop, LVIR_LABEL);
    GetItemRect(GetTopIndex(), rcBounds, LVIR_BOUNDS);
    if (CHeaderCtrl* pHeader = GetHeaderCtrl()) pHeader->GetClientRect(&rcHeader);
    const int nRowHeight = rcTop.bottom - rcHeader.bottom;
    // Every column's cells lie in the area, not only the first column's.
    const CRect rcArea(rcTop.left, rcHeader.bottom, std::max(rcTop.right, rcBounds.right),
                       rcTop.bottom + nRows * nRowHeight);
    if (rcArea.Width() <= 0 || rcArea.Height() <= 0) return;
    CgraphTrans picture(this, rcArea, kNoColor);
    picture.SetPicRect(CFloatRect(0, 0, rcArea.Width(), rcArea.Height()), 0);
    const int nCols = GetColCount();
    for (int nRow = 0; nRow < nRows; ++nRow) {
        for (int nCol = 0; nCol < nCols; ++nCol) {
            CRect rcCell;
            GetSubItemRect(nRow, nCol, LVIR_LABEL, rcCell);
            rcCell.OffsetRect(-rcArea.left, -rcArea.top);
            const double L = rcCell.left, T = rcCell.top, R = rcCell.right, B = rcCell.bottom;
            const COLORREF color = GetCellBKColor(nCol, nRow);
            if (color != kNoColor) {
                picture.SolidRectGT(CFloatRect(L, T, R, B), color);
                picture.RectGT(CFloatRect(L, T - 1, R, B - 1), OutlineColor(color), 0, 1);
            }
            if (CBitmap* pBitmap = GetCellBitmap(nCol, nRow)) {
                picture.LoadBitmapA(pBitmap, CFloatRect(L, T, R, B), CRect(0, 0, rcCell.Width(), rcCell.Height()), 0);
            }
            const int nCheck = GetCellCheck(nCol, nRow);
            if (nCheck == 0 || nCheck == 1) {
                const int s = rcCell.Height() - 2;
                const int x0 = (rcCell.left + rcCell.right - s) / 2;
                const int t = rcCell.top;
                picture.RectGT(CFloatRect(x0, t + 1, x0 + s, t + 1 + s), RGB(0, 0, 0), 0, 1);
                if (nCheck == 1) {
                    const int h = (s - 2) / 2;
                    const CFloatPoint corner(x0 + h + 1, t + s - 1);
                    picture.LineGT(CFloatPoint(x0 + 2, t + 1 + h), corner, RGB(0, 0, 0), 0, 2);
                    picture.LineGT(corner, CFloatPoint(x0 + s - 2, t + 2), RGB(0, 0, 0), 0, 2);
                }
            }
        }
    }
    picture.ViewBitMap(&rcArea, SRCAND);
}
