#pragma once
// CAtypicalBoardCalParamDlg: the panel of "计算参数": the design settings of the slab in a grid of
// names and values (most with a list of usual values, into which any value may be typed), and
// 预览网格图, which has the analysis server mesh the slab and shows the mesh without calculating.
#include "controls/EditCmbList.h"
#include "framework/CaltPageDlg.h"

class CAtypicalBoardParam;

class CAtypicalBoardCalParamDlg : public CCaltPageDlg {
public:
    explicit CAtypicalBoardCalParamDlg(CWnd* pParent = NULL);
    ~CAtypicalBoardCalParamDlg() override;

    int SetParentWnd(CWnd* pWnd);
    void ShowSettings();
    // The current cell's text into its setting, marking the slab modified: 1. A text outside the
    // row's range is refused with its message and the cell shows the setting kept: 0.
    int StoreCell();

    CEditCmbList m_grid;
    HWND m_hNotifyWnd;
    CAtypicalBoardParam* m_pParam;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnPreviewMesh();
    afx_msg LRESULT OnCellEdited(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    void BuildGrid();

    // The choice lists of the rows, owned by the panel (the grid copies them).
    CArray<CStringArray*, CStringArray*> m_choices;
};
