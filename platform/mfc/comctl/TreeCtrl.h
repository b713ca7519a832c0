// CTreeCtrl and the "SysTreeView32" window class: items in a tree, each with a text, an image and
// a selected image of the tree's image list, a state and a value of its own (lParam).
//
// Items are named by HTREEITEM handles that are never used again once their item is deleted (a
// stale handle is a misuse with a failure result). TVI_ROOT (or null) as a parent means the top
// level; TVI_FIRST, TVI_LAST (or null) and TVI_SORT (before the first sibling whose text sorts
// after the new one, case-blind) place an insertion, as does a sibling to insert after (a handle
// that is no sibling appends, as on the platform). Items take image 0 unless told otherwise.
//
// The selected item (the caret): SelectItem sends TVN_SELCHANGING — a nonzero answer keeps the
// old selection — and then TVN_SELCHANGED, both with NMTREEVIEW (the items' handles, states and
// lParam values, action TVC_UNKNOWN); selecting an item expands its ancestors; selecting the
// selected item again notifies nobody. Expand changes TVIS_EXPANDED and sets TVIS_EXPANDEDONCE;
// the first expansion of an item sends TVN_ITEMEXPANDING (a nonzero answer keeps it collapsed),
// then TVN_ITEMEXPANDED, later ones and collapsing notify nobody. An item without children does
// not expand, a collapsed one does not collapse (FALSE). SortChildren (TVM_SORTCHILDREN) orders an
// item's direct children by text, case-blind, equal texts keeping their order, whatever its
// recurse flag. DeleteItem sends
// TVN_DELETEITEM for each item going, children before their parent; deleting the selected item
// leaves no item selected, without notification. The focus sends NM_SETFOCUS and NM_KILLFOCUS.
// Destroying the tree notifies nobody. Nothing is drawn.
#pragma once

#include "mfc/comctl/ImageList.h"
#include "mfc/user/Wnd.h"
#include "win/CommCtrl.h"

class CTreeCtrl : public CWnd {
    DECLARE_DYNAMIC(CTreeCtrl)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    UINT GetCount() const;
    HTREEITEM InsertItem(LPTVINSERTSTRUCT lpInsertStruct);
    HTREEITEM InsertItem(UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage, UINT nState, UINT nStateMask,
                         LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter);
    HTREEITEM InsertItem(LPCTSTR lpszItem, HTREEITEM hParent = TVI_ROOT, HTREEITEM hInsertAfter = TVI_LAST);
    HTREEITEM InsertItem(LPCTSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent = TVI_ROOT,
                         HTREEITEM hInsertAfter = TVI_LAST);
    BOOL DeleteItem(HTREEITEM hItem);
    BOOL DeleteAllItems();
    BOOL Expand(HTREEITEM hItem, UINT nCode);
    BOOL SortChildren(HTREEITEM hItem);

    // Navigation (null when there is no such item).
    HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode) const;
    HTREEITEM GetRootItem() const;
    HTREEITEM GetParentItem(HTREEITEM hItem) const;
    HTREEITEM GetChildItem(HTREEITEM hItem) const;
    HTREEITEM GetNextSiblingItem(HTREEITEM hItem) const;
    HTREEITEM GetPrevSiblingItem(HTREEITEM hItem) const;
    HTREEITEM GetFirstVisibleItem() const;
    HTREEITEM GetNextVisibleItem(HTREEITEM hItem) const;
    HTREEITEM GetPrevVisibleItem(HTREEITEM hItem) const;
    HTREEITEM GetSelectedItem() const;
    BOOL ItemHasChildren(HTREEITEM hItem) const;

    // Selection.
    BOOL Select(HTREEITEM hItem, UINT nCode);
    BOOL SelectItem(HTREEITEM hItem);

    // Item fields.
    BOOL GetItem(TVITEM* pItem) const;
    BOOL SetItem(TVITEM* pItem);
    BOOL SetItem(HTREEITEM hItem, UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
                 UINT nStateMask, LPARAM lParam);
    CString GetItemText(HTREEITEM hItem) const;
    BOOL SetItemText(HTREEITEM hItem, LPCTSTR lpszItem);
    BOOL GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const;
    BOOL SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage);
    UINT GetItemState(HTREEITEM hItem, UINT nStateMask) const;
    BOOL SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask);
    DWORD_PTR GetItemData(HTREEITEM hItem) const;
    BOOL SetItemData(HTREEITEM hItem, DWORD_PTR dwData);

    CImageList* SetImageList(CImageList* pImageList, int nImageListType);
    CImageList* GetImageList(int nImageListType) const;
};
