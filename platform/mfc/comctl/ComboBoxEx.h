// CComboBoxEx and the "ComboBoxEx32" window class: a combo box whose items also carry images of an
// image list (an image, a selected image, an overlay and an indent each). As on the platform, the
// control holds an ordinary combo box as its child (GetComboBoxCtrl) and leaves the items' texts,
// item data and selection to it: the combo-box messages that a ComboBoxEx takes go to the child,
// and the child's notifications reach the parent as the ComboBoxEx's own. Adding strings without
// images (CB_ADDSTRING, CB_INSERTSTRING, CB_FINDSTRING) is not among them: a misuse and CB_ERR.
// The user script's "choose ID TEXT" and "set ID TEXT" act on the child combo box.
#pragma once

#include "mfc/stdctrl/ComboBox.h"
#include "mfc/stdctrl/Edit.h"
#include "mfc/comctl/ImageList.h"
#include "win/CommCtrl.h"

class CComboBoxEx : public CComboBox {
    DECLARE_DYNAMIC(CComboBoxEx)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int InsertItem(const COMBOBOXEXITEM* pCBItem);  // iItem -1 appends; the index, or -1
    int DeleteItem(int iIndex);                     // the items left, or CB_ERR
    BOOL GetItem(COMBOBOXEXITEM* pCBItem);          // iItem -1: the selected item
    BOOL SetItem(const COMBOBOXEXITEM* pCBItem);
    CImageList* SetImageList(CImageList* pImageList);
    CImageList* GetImageList() const;
    CComboBox* GetComboBoxCtrl();
    CEdit* GetEditCtrl();  // null: the child combo box keeps its edit field itself
};
