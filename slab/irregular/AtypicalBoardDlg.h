#pragma once
// CAtypicalBoardDlg: a page of the irregular slab. The command builds five of them on one parameter
// object, titled 边界参数, 荷载参数1, 荷载参数2, 计算参数 and 计算结果; each shows the drawing
// panel on its left and the panel of its title beside it, and is the hub of both: the panels
// report every step with WM_USER+58 and the page keeps the other panel, the editing mode and the
// modified flag in step.
#include "framework/CaltPageDlg.h"
#include "slab/irregular/AtypicalBoardCalParamDlg.h"
#include "slab/irregular/AtypicalBoardDrawDlg.h"
#include "slab/irregular/AtypicalBoardEdgeDlg.h"
#include "slab/irregular/AtypicalBoardLineLoadDlg.h"
#include "slab/irregular/AtypicalBoardLoadDlg.h"
#include "slab/irregular/AtypicalBoardResultDlg.h"

class CAtypicalBoardParam;

// The slab pages by their titles.
enum { BOARD_PAGE_EDGE, BOARD_PAGE_LOAD, BOARD_PAGE_LINE_LOAD, BOARD_PAGE_SETTINGS, BOARD_PAGE_RESULT };

class CAtypicalBoardDlg : public CCaltPageDlg {
public:
    explicit CAtypicalBoardDlg(CAtypicalBoardParam* pParam, CWnd* pParent = NULL);

    void SetData(CVuskParam* pParam) override;
    BOOL CheckData(CVuskParam* pParam, CStringArray& arrWarnings, CStringArray& arrErrors) override;
    void Refresh(int nLeftKind) override;

    void ShowPicture(int nPicture);
    void SelectEditObject(int nPage);
    // The page of the title: 0 边界参数 .. 4 计算结果, -1 for any other title.
    int GetBoardPage() const;

    CAtypicalBoardEdgeDlg m_dlgEdge;
    CAtypicalBoardDrawDlg m_dlgDraw;
    CAtypicalBoardLoadDlg m_dlgLoad;
    CAtypicalBoardLineLoadDlg m_dlgLineLoad;
    CAtypicalBoardCalParamDlg m_dlgSettings;
    CAtypicalBoardResultDlg m_dlgResult;
    int m_bHoleBoxEnabled;
    int m_nHolePoints;
    CAtypicalBoardParam* m_pBoardParam;

protected:
    BOOL OnInitDialog() override;
    afx_msg LRESULT OnBoardNotify(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    void CreatePanels();
    void Modified();
    void EnableItem(CWnd& panel, UINT nID, BOOL bEnable);
    // The codes of the edge panel (1 to 8).
    void OnEdgeStep(int nCode);
};
