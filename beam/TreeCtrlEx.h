// CTreeCtrlEx: the load tree of the continuous beam's input page: a tree view that tells its
// parent of every left press and key press (WM_USER+101, wParam 0, lParam its window) before it
// handles them, so that the page knows the tree was used last, and that counts and walks children.
#pragma once

#include "mfc/Afx.h"
#include "mfc/comctl/ImageList.h"
#include "mfc/comctl/TreeCtrl.h"

#define WM_TREE_ACTIVATED (WM_USER + 101)

class CTreeCtrlEx : public CTreeCtrl {
public:
    CTreeCtrlEx() = default;

    // Gives the tree its 16 × 16 image list (made once): the icons of case nodes, span nodes and the six
    // load kinds (BeamLoadPictures.h).
    void InitImageList();
    // The first child of an item, then n times the next sibling; null when the chain ends.
    HTREEITEM GetChildByIndex(HTREEITEM hItem, int n) const;
    // The number of children (of the root items for TVI_ROOT or null).
    int GetChildCount(HTREEITEM hItem) const;

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

private:
    void NotifyParent();

    CImageList m_ImageList;
};
