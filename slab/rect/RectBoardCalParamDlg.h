// CRectBoardCalParamDlg: the rectangular slab's page "计算参数" (dialog 27): the one-way ratio limit,
// the construction-bar, curtailment and cantilever options, the plain-to-ribbed switch, the smallest
// bar diameter, the amplification factors, the crack-width limit and the three deflection limits,
// with a picture of the edges and posts. A field whose text is not an unsigned number, or a limit
// that is not positive, gets its last value back and "输入错误，请核查".
#pragma once

#include "framework/CaltPageDlg.h"
#include "resources/RectBoardResource.h"
#include "slab/rect/BoardViewWnd.h"

class CRectBoardCalParamDlg : public CCaltPageDlg {
    DECLARE_DYNAMIC(CRectBoardCalParamDlg)

public:
    enum { IDD = IDD_RECT_BOARD_CALPARAM };

    explicit CRectBoardCalParamDlg(CWnd* pParent = NULL);
    ~CRectBoardCalParamDlg() override;

    void GetData(CVuskParam* pParam) override;
    void SetData(CVuskParam* pParam) override;
    void SetPreviewBoard(int nTop, int nBottom, int nLeft, int nRight, int nTopLeft, int nTopRight, int nBottomLeft,
                         int nBottomRight);

    CBoardViewWnd m_wndPreview;
    int m_nHalfArea;
    int m_bThickLim;
    int m_nAs2;
    int m_nMagnify2;
    double m_dCrackWidth;
    double m_dMagnifyValue1;
    double m_dFleLim1, m_dFleLim2, m_dFleLim3;
    double m_dUserValue;
    int m_nThickLim;
    double m_dMagnifyValue2;
    int m_nMagnify1;
    int m_nAs1;
    int m_bSteelSel;
    int m_nSteelSel;
    CString m_strSteelLimDia;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    afx_msg void OnMagnify1();
    afx_msg void OnThickLim();
    afx_msg void OnMagnify2();
    afx_msg void OnKillfocusField(UINT nID);
    afx_msg void OnKillfocusSteelLimDia();
    afx_msg LRESULT OnInputError(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    // Tests field nIndex (0 to 8) when its box loses the focus.
    void CheckField(int nIndex);
    void EnableSwitchedEdits();
};
