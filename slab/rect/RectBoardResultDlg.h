// CRectBoardResultDlg: the rectangular slab's page "计算结果" (dialog 134): the ten design moments and,
// for the bottom bars in X and Y and the support bars across the X and the Y edges, the required
// area, the candidate bar schemes, the chosen diameter and spacing and the area they provide. The
// engineer's choice goes back into the calculator's bar results, which the checks and reports use.
#pragma once

#include "framework/CaltPageDlg.h"
#include "mfc/stdctrl/ListBox.h"
#include "resources/RectBoardResource.h"
#include "slab/rect/BoardReinList.h"
#include "slab/rect/BoardViewWnd.h"

class CRectBoardResultDlg : public CCaltPageDlg {
    DECLARE_DYNAMIC(CRectBoardResultDlg)

public:
    enum { IDD = IDD_RECT_BOARD_RESULT };
    // Bar groups in the order of the page's work.
    enum { GROUP_XBOTTOM, GROUP_YBOTTOM, GROUP_XSUPPORT, GROUP_YSUPPORT, GROUP_COUNT };

    explicit CRectBoardResultDlg(CWnd* pParent = NULL);
    ~CRectBoardResultDlg() override;

    void GetData(CVuskParam* pParam) override;
    void SetData(CVuskParam* pParam) override;

    CBoardViewWnd m_wndPreview;
    CListBox m_listYSupport, m_listXSupport, m_listYBottom, m_listXBottom;
    CString m_strMoments[10];
    CString m_strDiameters[GROUP_COUNT];
    CString m_strSpacings[GROUP_COUNT];
    double m_dMoments[10];
    int m_nAreas[6];  // top, left, right, bottom support, x span, y span
    int m_nTop, m_nBottom, m_nLeft, m_nRight;
    int m_nTopLeft, m_nTopRight, m_nBottomLeft, m_nBottomRight;
    int m_nBoardKind;
    CBoardReinList m_reinList;
    int m_nMinDia;
    BoardReinScheme* m_pSchemes;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    afx_msg void OnKillfocusSpacing(UINT nID);
    afx_msg void OnSelchangeDiameter(UINT nID);
    afx_msg void OnSelchangeSchemeList(UINT nID);
    afx_msg void OnSelchangeSpacing(UINT nID);
    afx_msg LRESULT OnIntError(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSpacingChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    void UpdatePreview();
    void ShowResults();
    void ShowBarSchemes();
    // A spacing's text that is an unsigned integer within a metre; otherwise the refusal is posted.
    BOOL CheckIntText(UINT nID);
    // The provided area and the list's selection from the group's diameter and spacing.
    void ShowChosenArea(int nGroup);
    // A typed or chosen spacing of a group: tested, then shown with its area.
    void TakeSpacing(int nGroup);
    BOOL IsFixed(int nEdge) const;
};
