// The load tree: notifications of its use and the walks over children.
#include "beam/TreeCtrlEx.h"

#include "beam/BeamLoadPictures.h"

BEGIN_MESSAGE_MAP(CTreeCtrlEx, CTreeCtrl)
    ON_WM_LBUTTONDOWN()
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

void CTreeCtrlEx::InitImageList() {
    // The list lives with the object; each window the page makes for it is given it anew.
    if (!m_ImageList.GetSafeHandle()) {
        m_ImageList.Create(LOAD_TREE_ICON_SIZE, LOAD_TREE_ICON_SIZE, ILC_COLOR8 | ILC_MASK, 2, 2);
        CBitmap icons;
        if (CreateLoadTreeIcons(icons)) m_ImageList.Add(&icons, LOAD_PICTURE_MASK);
    }
    SetImageList(&m_ImageList, TVSIL_NORMAL);
}

HTREEITEM CTreeCtrlEx::GetChildByIndex(HTREEITEM hItem, int n) const {
    HTREEITEM hChild = GetChildItem(hItem);
    for (int k = 0; k < n && hChild; ++k) hChild = GetNextSiblingItem(hChild);
    return hChild;
}

int CTreeCtrlEx::GetChildCount(HTREEITEM hItem) const {
    int nCount = 0;
    for (HTREEITEM hChild = hItem && hItem != TVI_ROOT ? GetChildItem(hItem) : GetRootItem(); hChild;
         hChild = GetNextSiblingItem(hChild))
        ++nCount;
    return nCount;
}

void CTreeCtrlEx::NotifyParent() {
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(WM_TREE_ACTIVATED, 0, reinterpret_cast<LPARAM>(GetSafeHwnd()));
}

void CTreeCtrlEx::OnLButtonDown(UINT nFlags, CPoint point) {
    NotifyParent();
    CTreeCtrl::OnLButtonDown(nFlags, point);
}

void CTreeCtrlEx::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    NotifyParent();
    CTreeCtrl::OnKeyDown(nChar, nRepCnt, nFlags);
}
