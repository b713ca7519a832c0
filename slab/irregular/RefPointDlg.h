#pragma once
// The reference-point dialog "选择参照点": the vertices of the slab outline (with those of an
// outline being drawn) and of every hole in a tree; the vertex picked is the reference point.
#include "acge/Point3d.h"
#include "framework/CaltPageDlg.h"
#include "mfc/comctl/TreeCtrl.h"
#include "slab/irregular/BoardData.h"

class CRefPointDlg : public CCaltPageDlg {
public:
    explicit CRefPointDlg(CWnd* pParent = NULL);

    void SetBoard(CBoardData* pBoardData);
    AcGePoint3d GetPoint() const;
    // The vertex of the selected item into the chosen point; FALSE (with "请选择参照点" when no
    // vertex item is selected) when none is usable.
    BOOL GetSelectedPoint();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    afx_msg void OnDblClkTree(NMHDR* pNMHDR, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()

private:
    void FillTree();
    // One item per vertex under parent: "N (x, y) ", its data the polyline it comes from.
    void AddVertexItems(HTREEITEM parent, const CBoardPolyline& poly, DWORD_PTR source);

    AcGePoint3d m_ptChosen;
    CTreeCtrl m_tree;
    CBoardData* m_pBoardData;
};
