// CSubStatic: a static control that shows the slides of a slide library as items to choose from.
//
// SetItem gives two libraries and two lists of slide names, one item per name of the first list:
// the first list's slide shows an item, the second list's slide (from the second library) shows
// the current item (the same name in both lists gives the same slide). The items stand in a grid of
// nCols × nRows cells, row by row; when there are more items than cells, the cells show the run of
// items that holds the current one (1 × 1 shows the current item alone). nSel, here and in
// SetIndex, is the current item: -1 for none (the grid then starts at the first item).
// SetIndex gives the items' texts, shown under their slides. The current item is framed.
// A click on an item's cell, while the control is selectable (SetBeSelectable), makes it the
// current item and sends the parent WM_USER+100 with the item's index (WPARAM) and its text
// (LPARAM, an LPCTSTR, empty without texts). SetCurSel makes an item current without telling the
// parent.
// ShowSlide shows one slide of a library in the whole control in place of the items, until the
// items change.
// An index or grid size out of range is a misuse: a diagnostic, nothing changed.
// The user script's "choose ID TEXT" (an item's text, else its slide's name) and "choose ID #N"
// (the item at place N) click the item's cell; an item whose cell is not shown cannot be clicked.
#pragma once

#include <vector>

#include "mfc/Array.h"
#include "mfc/Static.h"
#include "mfc/String.h"
#include "mfc/UserAction.h"

class CSubStatic : public CStatic, public qelt::ScriptedControl {
    DECLARE_DYNAMIC(CSubStatic)

public:
    CSubStatic() = default;

    void SetItem(LPCTSTR lpszLibrary, LPCTSTR lpszCurLibrary, const CStringArray& arrSlides,
                 const CStringArray& arrCurSlides, int nSel, int nCols, int nRows);
    void SetIndex(const CStringArray& arrTexts, int nSel);
    void SetCurSel(int nSel);
    int GetCurSel() const { return m_nCurSel; }
    int GetItemCount() const { return static_cast<int>(m_slides.size()); }
    void SetBeSelectable(BOOL bSelectable) { m_bSelectable = bSelectable; }
    BOOL ShowSlide(LPCTSTR lpszLibrary, LPCTSTR lpszSlide);

    // The cell of an item in client coordinates; an empty rectangle for an item not shown.
    CRect GetItemRect(int nItem) const;

    qelt::ActionOutcome ApplyUserAction(const qelt::UserAction& action) override;

protected:
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    int FirstShownItem() const;
    void Redraw();

    CString m_strLibrary, m_strCurLibrary;
    std::vector<CString> m_slides, m_curSlides, m_texts;
    int m_nCurSel = -1;
    int m_nCols = 1, m_nRows = 1;
    BOOL m_bSelectable = TRUE;
    CString m_strSingleLibrary, m_strSingleSlide;  // a slide shown by ShowSlide
};
