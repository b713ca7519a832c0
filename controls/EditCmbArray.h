// CEditCmbArray: how one cell, column or row of the editable grid list is edited: the editor kind
// (EDITCMB_* below), the caption of the in-cell button and the choices of a combo editor.
#pragma once

#include "mfc/Afx.h"
#include "mfc/Array.h"

// Editor kinds of the grid list's cells.
enum {
    EDITCMB_READONLY = -1,
    EDITCMB_EDIT = 0,               // edit box: click, double-click, Tab
    EDITCMB_LIST = 1,               // drop-down list: click, double-click, Tab
    EDITCMB_COMBO = 2,              // drop-down with an edit field: click, double-click, Tab
    EDITCMB_EDIT_BUTTON = 3,        // edit box with a button: click, double-click
    EDITCMB_LIST_BUTTON = 4,        // drop-down list with a button: click, double-click
    EDITCMB_COMBO_BUTTON = 5,       // drop-down with a button: click, double-click
    EDITCMB_EDIT_EXPLICIT = 6,      // edit box: double-click, or SetEditView on the cell
    EDITCMB_COMBO_EXPLICIT = 7,     // empty combo: SetComboView on the cell only
    EDITCMB_COMBO_EXPLICIT2 = 8
};

class CEditCmbArray {
public:
    CEditCmbArray();
    CEditCmbArray(const CEditCmbArray& other);
    CEditCmbArray& operator=(const CEditCmbArray& other);
    virtual ~CEditCmbArray();

    int m_nModifyType;         // EDITCMB_*; -1 when constructed
    CString m_strBtnCaption;   // the in-cell button's text
    CStringArray m_strChoices; // what a combo editor offers
};
