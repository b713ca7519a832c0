// CCmbIns: the grid list's in-place combo box, with the keys of the in-place edit box
// (controls/EditIns.h). Any key marks it changed, and only Esc clears that, so once a key was
// pressed every later closing commits its text again.
#pragma once

#include "controls/EditIns.h"
#include "mfc/ComboBox.h"

class CCmbIns : public CComboBox {
public:
    CCmbIns();

    int m_bChanged;
    int m_bTabHandled;

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);

    DECLARE_MESSAGE_MAP()
};
