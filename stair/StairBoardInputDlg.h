// CStairBoardInputDlg: the plate stair's input page "基本参数" (dialog 28): the stair type on a slide
// selector, the geometry, the materials, the loads and factors, the support fixity and ratio, the
// serviceability limits. The page keeps its own copies of most values and moves them by data
// exchange; the limit fields are checked silently when they lose the focus, the whole input before
// a calculation.
#pragma once

#include <memory>

#include "framework/CaltPageDlg.h"
#include "host/SubStatic.h"
#include "host/WndSlide.h"
#include "mfc/comctl/ToolTipCtrl.h"
#include "mfc/user/WindowDC.h"
#include "resources/StairResource.h"

class CStairBoardParam;

class CStairBoardInputDlg : public CCaltPageDlg {
    DECLARE_DYNAMIC(CStairBoardInputDlg)

public:
    enum { IDD = IDD_STAIR_BOARD_INPUT };

    explicit CStairBoardInputDlg(CWnd* pParent = NULL);
    ~CStairBoardInputDlg() override;

    void GetData(CVuskParam* pParam) override;
    void SetData(CVuskParam* pParam) override;
    BOOL CheckData(CVuskParam* pParam, CStringArray& arrWarnings, CStringArray& arrErrors) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL DestroyWindow() override;

    double m_dB1, m_dB2, m_dH, m_dL3, m_dL1, m_dQ, m_dQf, m_dQm, m_dT, m_dL2;
    int m_nSteel;
    int m_nConcrete;
    double m_dAs;
    int m_bFixity;
    int m_nSteps;
    double m_dRatio;
    int m_nKind;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    afx_msg LRESULT OnSelectKind(WPARAM wParam, LPARAM lParam);
    afx_msg void OnClickFixity();
    afx_msg void OnLimitKillFocus(UINT nID);
    afx_msg void OnPaint();
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    DECLARE_MESSAGE_MAP()

    // Enables b2 and the landings by the type; with bAlways the landing defaults are written
    // whatever the page's values are.
    void ApplyKindRule(BOOL bAlways);
    // Selects the first item of the combo box (from the second, the first last) whose text begins
    // with lpszText, letter case ignored; the first item when none does. The selected index.
    int SelectByPrefix(UINT nID, LPCTSTR lpszText);
    void FillGradeList(UINT nID, const CStringArray& arrGrades);
    void EnableControl(UINT nID, BOOL bEnable);
    void SetFormatted(UINT nID, double dValue);
    void PaintSlideFrame();
    // The control values into the page values; when the data exchange refuses a text (it tells the
    // person so), that control's id stays in m_nRefusedID for the input check; FALSE then.
    BOOL TakeControls();
    // A limit field's text into the parameter when it is a number within the field's bounds; the
    // field's value back into the edit otherwise.
    void TakeLimit(UINT nID, CStairBoardParam& p);
    // The support-bar ratio as it is: the list's item that reads exactly so, else the number.
    void ShowRatio(double dRatio);

    CSubStatic m_ctrlSelector;
    CToolTipCtrl m_ctrlTip;
    CWndSlide m_wndSlide;
    // The device context of the picture frame that the slide window holds while the page lives.
    std::unique_ptr<CClientDC> m_pFrameDC;
    UINT m_nRefusedID;
    CStringArray m_arrConcrete;
    CStringArray m_arrSteel;
};
