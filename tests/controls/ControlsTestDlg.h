// The controls' test dialog: a report list and an editable grid list, filled with three columns
// and a few rows, recording every message the two lists send it.
#pragma once

#include <string>
#include <vector>

#include "controls/EditCmbList.h"
#include "controls/ListCtrlEx.h"
#include "mfc/Dialog.h"

class CControlsTestDlg : public CDialog {
public:
    CControlsTestDlg();

    CListCtrlEx m_report;
    CEditCmbList m_grid;
    std::vector<std::string> m_events;  // "report clicked 1", "grid commit" …
    int m_reportRows = 6;
    int m_gridRows = 3;
    bool m_handFocusToTree = false;
    int m_reportSelection = -1;      // the report list's selected row at its last click  // the report list gives the focus to the tree when it gets it

    // Dispatches the messages posted meanwhile, as the modal loop would (with their pre-translation).
    static void PumpPosted();

protected:
    BOOL OnInitDialog() override;

    afx_msg LRESULT OnReportClicked(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnReportButtonDown(WPARAM wParam, LPARAM lParam);
    afx_msg void OnReportNotify(NMHDR* header, LRESULT* result);
    afx_msg LRESULT OnGridCommit(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGridCurrent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGridDoubleClick(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGridButton(WPARAM wParam, LPARAM lParam);
    afx_msg void OnReportFocus(NMHDR* header, LRESULT* result);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg void OnMenuCommand(UINT nID);
    afx_msg void OnTreeSelected(NMHDR* header, LRESULT* result);
    afx_msg void OnKindChosen();

    DECLARE_MESSAGE_MAP()

private:
    std::string GridEvent(const char* what, LPARAM lParam) const;
};
