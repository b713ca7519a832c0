#pragma once
// CAtypicalBoardResultDlg: the panel of "计算结果": the result rows of the last calculation, the
// bottom bars of each direction and the top bars at each outline edge. Another bar diameter or
// spacing picked in a row shows its bar area and the server's crack width for those bars.
#include "controls/EditCmbList.h"
#include "framework/CaltPageDlg.h"
#include "slab/irregular/BoardReinResult.h"

class CAtypicalBoardParam;

class CAtypicalBoardResultDlg : public CCaltPageDlg {
public:
    explicit CAtypicalBoardResultDlg(CWnd* pParent = NULL);

    int SetParentWnd(CWnd* pWnd);
    void SetRows(const CArray<BoardReinResult, const BoardReinResult&>& rows);
    // The area and crack width of the current row with the bars of the edited cell; 0 for a cell
    // that is neither diameter nor spacing, or a bar value that is not a positive number (the
    // cell then shows the row's own value again).
    int RecalcRow();

    CEditCmbList m_table;
    CArray<BoardReinResult, const BoardReinResult&> m_rows;
    CAtypicalBoardParam* m_pParam;
    HWND m_hNotifyWnd;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg LRESULT OnCellEdited(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    void BuildColumns();
    void WriteRow(int row, const CString& name, const BoardReinResult& result);

    CStringArray m_diameters;
    CStringArray m_spacings;
};
