#pragma once
// CAtypicalBoardLineLoadDlg: the input panel of "荷载参数2": the line loads and the trapezoid loads
// of the slab, one row each, edited cell by cell or deleted, the choice of which kind is drawn next
// and the values new loads take. A trapezoid load just drawn is extended over the slab's width on
// its line. Changes go to the page with WM_USER+58.
#include "controls/EditCmbList.h"
#include "framework/CaltPageDlg.h"
#include "slab/irregular/BoardPolyline.h"

class CAtypicalBoardParam;

class CAtypicalBoardLineLoadDlg : public CCaltPageDlg {
public:
    explicit CAtypicalBoardLineLoadDlg(CWnd* pParent = NULL);

    int SetParentWnd(CWnd* pWnd);
    // 2 while line loads are drawn, 3 for trapezoid loads (the page adds 2 for the draw target).
    int GetLoadTarget() const;
    int EnableLineList(int bEnable);
    int EnableTrapList(int bEnable);
    int AddDrawnLineLoad();
    int AddDrawnTrapLoad();
    int NotifyRedraw();

    CAtypicalBoardParam* m_pParam;
    CEditCmbList m_lstLine;
    CEditCmbList m_lstTrap;
    int m_bLineLoad;
    int m_bTrapLoad;
    double m_dLineDefault;
    double m_dTrapP1Default;
    double m_dTrapP2Default;
    HWND m_hNotifyWnd;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    afx_msg void OnLineBox();
    afx_msg void OnTrapBox();
    afx_msg void OnKillFocusLineDefault();
    afx_msg void OnKillFocusTrapP1();
    afx_msg void OnKillFocusTrapP2();
    afx_msg LRESULT OnCellEdited(WPARAM wParam, LPARAM lParam);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnDeleteLine();
    afx_msg void OnDeleteTrap();

    DECLARE_MESSAGE_MAP()

private:
    void SetupLineList();
    void SetupTrapList();
    void FillLineList();
    void FillTrapList();
    void WriteLineRow(int row, int number, const CBoardPolyline& load);
    void WriteTrapRow(int row, int number, const CBoardPolyline& load);
    // 底边距离 read-only while the load spans the whole width (满布).
    void MarkFullWidth(int row, BOOL full);
    void OnLineCellEdit();
    void OnTrapCellEdit();
    // The default-value edits: the value into its parameter field.
    void StoreDefault(double& dField, const double& dValue);

    CStringArray m_kinds;
    CStringArray m_directions;
    CStringArray m_fullWidth;
};

// Extends a trapezoid load over the outline on its line: its direction ("X向" along x, "Y向"
// along y, empty otherwise), the nearest outline crossings before its start and beyond its end
// (along x for "X向", along y otherwise). With both crossings the load spans the whole width
// (满布, width -1); without them it keeps its drawn extent, measured from its own start.
void ExtendTrapezoidLoad(CBoardPolyline& load, const CBoardPolyline& outline);
