// CHeaderCtrl and the "SysHeader32" window class: the column headings of a list view (which keeps
// its columns' widths, texts, formats and display order here). Items lie side by side from the
// left edge in their display order, each as wide as its width, over the control's whole height.
// A person's click on an item sends HDN_ITEMCLICK to the parent.
#pragma once

#include "mfc/comctl/ImageList.h"
#include "mfc/user/Wnd.h"
#include "win/CommCtrl.h"

class CHeaderCtrl : public CWnd {
    DECLARE_DYNAMIC(CHeaderCtrl)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetItemCount() const;
    int InsertItem(int nPos, HDITEM* phdi);
    BOOL DeleteItem(int nPos);
    BOOL GetItem(int nPos, HDITEM* pHeaderItem) const;
    BOOL SetItem(int nPos, HDITEM* pHeaderItem);
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const;
    int OrderToIndex(int nOrder) const;  // -1 for a position without an item
    BOOL GetOrderArray(LPINT piArray, int iCount = -1);
    BOOL SetOrderArray(int iCount, LPINT piArray);
    int HitTest(LPHDHITTESTINFO pHeaderHitTestInfo);
    CImageList* SetImageList(CImageList* pImageList);
    CImageList* GetImageList() const;
};
