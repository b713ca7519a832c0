#pragma once
// CAtypicalBoardEdgeDlg: the input panel of "边界参数": the member code, the slab thickness, the
// support of outline edges still to be drawn, the switch between drawing the outline and holes,
// the node list of the outline and the list of holes. The page hands it the drawing panel's steps
// so that the lists grow while the engineer draws; the lists' menus insert and delete vertices,
// delete the outline and delete holes. Changes go to the page with WM_USER+58.
#include "controls/EditCmbList.h"
#include "framework/CaltPageDlg.h"
#include "mfc/comctl/ComboBoxEx.h"
#include "mfc/comctl/ImageList.h"
#include "slab/irregular/BoardHoleList.h"
#include "slab/irregular/BoardNodeList.h"

class CAtypicalBoardParam;

class CAtypicalBoardEdgeDlg : public CCaltPageDlg {
public:
    explicit CAtypicalBoardEdgeDlg(CWnd* pParent = NULL);
    ~CAtypicalBoardEdgeDlg() override;

    int SetParentWnd(CWnd* pWnd);
    BOOL RefreshLists();
    int EnableNodeList(int bEnable);
    int EnableHoleList(int bEnable);
    int EnableEdgeType(int bEnable);
    int IsHoleMode() const;
    // The mode box action without its notification: 1 outline, 0 holes.
    int SetEditMode(int bOutline);
    int GetEdgeType() const;

    // The drawing panel's steps, relayed by the page; the finishes tell whether a shape exists.
    int AddOutlinePointRow();
    int FinishOutline();
    int AddHolePointRow();
    int FinishHole();
    int AddCircleOutline();
    int AddCircleHole();
    int AddRectOutline();
    int AddRectHole();

    afx_msg void OnOutlineBox();
    afx_msg void OnHoleBox();

    CEditCmbList m_HoleList;
    CEditCmbList m_NodeList;
    CComboBoxEx m_EdgeTypeCombo;
    int m_bOutline;
    int m_bHole;
    HWND m_hNotifyWnd;
    int m_nThickness;
    CAtypicalBoardParam* m_pParam;
    CImageList* m_pEdgeImages;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    afx_msg void OnSelChangeEdgeType();
    afx_msg void OnKillFocusThickness();
    afx_msg void OnKillFocusCode();
    afx_msg LRESULT OnCellEdit(WPARAM wParam, LPARAM lParam);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnInsertNode();
    afx_msg void OnDeleteNode();
    afx_msg void OnDeleteOutline();
    afx_msg void OnInsertHoleNode();
    afx_msg void OnDeleteHoleNode();
    afx_msg void OnDeleteHole();
    afx_msg void OnNodeListClick(NMHDR* pNMHDR, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()

private:
    void Notify(int nCode);
    void FillLists();
    void FillEdgeTypeCombo();
    // Steps 7 to 9 of the opening: the combo follows the hole box; outline mode when neither box.
    void SettleModes();
    void OnNodeCellEdit();
    void OnHoleCellEdit();
    // The checks of a finished outline: 1 when the outline has two or more vertices (rows to add),
    // 0 when the engineer must draw again (with the list put right), -1 another kind (no rows).
    int CheckFinishedOutline();
    // The same for the last hole.
    int CheckFinishedHole();
    // Rows of vertices 1 .. k-1 and the closing row of a shape just completed in one step.
    void AddCompletedRows(CBoardVertexList& list, const CBoardPolyline& poly, int number);
    void DeleteHoleOfRow(int row);

    CBoardNodeList m_nodes;
    CBoardHoleList m_holes;
};
