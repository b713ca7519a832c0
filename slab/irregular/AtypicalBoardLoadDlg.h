#pragma once
// CAtypicalBoardLoadDlg: the input panel of "荷载参数1": the uniform dead and live loads, the self
// weight switch, the choice between concentrated and local loads with the values new loads take,
// the list of concentrated loads (one row each) and the list of local loads (vertex by vertex).
// The page hands it the drawing panel's steps; its menus delete loads and insert and delete
// corners. Changes go to the page with WM_USER+58.
#include "controls/EditCmbList.h"
#include "framework/CaltPageDlg.h"
#include "slab/irregular/BoardPartList.h"
#include "slab/irregular/MassLoad.h"

class CAtypicalBoardParam;

class CAtypicalBoardLoadDlg : public CCaltPageDlg {
public:
    explicit CAtypicalBoardLoadDlg(CWnd* pParent = NULL);

    int SetParentWnd(CWnd* pWnd);
    int IsPartMode() const;
    int EnablePartList(int bEnable);
    int AddMassLoadRow();
    int AddPartPointRow();
    int FinishPartLoad();

    afx_msg void OnMassBox();
    afx_msg void OnPartBox();

    CAtypicalBoardParam* m_pParam;
    CEditCmbList m_PartList;
    CEditCmbList m_MassList;
    double m_dEverLoad;
    double m_dActLoad;
    int m_bMass;
    int m_bPart;
    double m_dMassDefault;
    double m_dPartDefault;
    HWND m_hNotifyWnd;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    afx_msg void OnSelfWeight();
    afx_msg void OnKillFocusDeadLoad();
    afx_msg void OnKillFocusLiveLoad();
    afx_msg void OnKillFocusMassDefault();
    afx_msg void OnKillFocusPartDefault();
    afx_msg LRESULT OnCellEdit(WPARAM wParam, LPARAM lParam);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnDeleteMass();
    afx_msg void OnInsertCorner();
    afx_msg void OnDeleteCorner();
    afx_msg void OnDeletePart();

    DECLARE_MESSAGE_MAP()

private:
    void Notify(int nCode);
    void WriteMassRow(int row, const CMassLoad& load);
    void OnMassCellEdit();
    void OnPartCellEdit();
    // The local load of a row of the local-load list: its index, -1 when none.
    int PartOfRow(int row) const;
    void DeletePartOfRow(int row);
    // A uniform load read from its box: a change from the stored value marks the slab modified.
    void StoreUniformLoad(double dValue, double& dStored);

    CBoardPartList m_parts;
    CStringArray m_kinds;
};
