// CRectBoardDlg: the rectangular slab's basic page "基本参数" (dialog 25): the support of each
// edge with the corner posts, spans and thickness, materials, minimum ratio, slab type with μ or β,
// loads and factors, and a preview of the edges and posts. A box whose text is not an unsigned
// number within its range (SlabInputRanges.h) gets its last value back and "输入错误，请核查" when
// it loses the focus.
#pragma once

#include "framework/CaltPageDlg.h"
#include "resources/RectBoardResource.h"
#include "slab/rect/BoardViewWnd.h"

class CRectBoardDlg : public CCaltPageDlg {
    DECLARE_DYNAMIC(CRectBoardDlg)

public:
    enum { IDD = IDD_RECT_BOARD };

    explicit CRectBoardDlg(CWnd* pParent = NULL);
    ~CRectBoardDlg() override;

    void GetData(CVuskParam* pParam) override;
    void SetData(CVuskParam* pParam) override;
    BOOL CheckData(CVuskParam* pParam, CStringArray& arrWarnings, CStringArray& arrErrors) override;

    CBoardViewWnd m_wndPreview;
    int m_nBottomLeft, m_nBottomRight, m_nTopLeft, m_nTopRight;
    int m_nAs;
    int m_nLength, m_nWidth;
    double m_dQgk, m_dQqk;
    double m_dRg, m_dRq;
    int m_nC;
    double m_dBoardValue;
    double m_dWq;
    int m_nThick;
    CString m_strImpro;
    CString m_strP;
    CString m_strConcrete, m_strSteelBar;
    CString m_strNumber;
    int m_bPlastic;
    CStringArray m_arrConcrete, m_arrSteelBar;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    afx_msg void OnSelchangeTop();
    afx_msg void OnSelchangeBottom();
    afx_msg void OnSelchangeLeft();
    afx_msg void OnSelchangeRight();
    afx_msg void OnCornerPost();
    afx_msg void OnSelchangeBoardKind();
    afx_msg void OnKillfocusRhoMin();
    afx_msg void OnKillfocusImpro();
    afx_msg void OnKillfocusBox(UINT nID);
    afx_msg LRESULT OnInputError(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRefreshPreview(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    DECLARE_MESSAGE_MAP()

    void UpdatePreview();
    // After an edge change: the posts at its two corners follow the edges that meet there.
    void ApplyEdgeChange(UINT nEdge);
    int GetSelection(UINT nID) const;
    void SetSelection(UINT nID, int nIndex);
    // A refused text: the box gets lpszRestore back, then the message is posted for nIndex.
    void RefuseBox(UINT nID, const CString& strRestore, int nIndex);
};
