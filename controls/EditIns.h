// CEditIns: the grid list's in-place edit box. Enter closes it with what was typed, Esc without;
// Tab asks the list for the next cell (WM_EDITCMB_TAB) unless the list leaves Tab to the dialog.
// The keys reach the box before the dialog can turn them into its own commands.
#pragma once

#include "mfc/Afx.h"
#include "mfc/Edit.h"

#define WM_EDITCMB_TAB (WM_USER + 204)

class CEditIns : public CEdit {
public:
    CEditIns();

    int m_bChanged;     // a key was pressed since the last commit
    int m_bTabHandled;  // Tab goes to the list (1) or to the dialog (0)

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);

    DECLARE_MESSAGE_MAP()
};

namespace qelt::editcmb {

// What both in-place editors do with a key-down: Enter and Esc close the editor (Esc forgetting
// the change) and give the focus back to the list; Tab asks the list for the next cell. True when
// the key was one of those three.
bool HandleEditorKey(CWnd& editor, int& changed, UINT key);

// What both editors do before the dialog sees a message: keys go straight to the editor (Tab to
// the dialog when the list leaves it there), Alt with a key is swallowed. True when taken.
bool PreTranslateEditorKey(CWnd& editor, int tabHandled, MSG& message);

}  // namespace qelt::editcmb
