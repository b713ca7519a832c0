// CCaltWorkDlg: the tabbed dialog in which every command runs. It holds the command's pages as
// tabs (only the current tab's page has a window), sizes itself to the largest page, and lays out
// its tab control, the current page and a right-aligned row of six buttons. It moves to another
// tab only when the page being left accepts its last edit and its input passes the test.
//
// Modes (m_nDlgType, the host's GetCaltDlgType):
//   0      inside the host's frame: all six buttons hidden, the page area grows to the frame
//   1      a popup with all six buttons; "加入列表" and "刷新列表" enabled as m_bEnableList says
//   other  a popup without "刷新列表"; button 110 reads "计算书", enabled as m_bEnableList says
//
// The parameters are read back once when the dialog opens and stored at "计算", at every full
// calculation and at closing, in every mode (in mode 0 when the host destroys the dialog).
#pragma once

#include "host/VuskParam.h"
#include "host/VuskWorkDlg.h"
#include "mfc/Afx.h"
#include "mfc/stdctrl/Button.h"
#include "mfc/comctl/TabCtrl.h"

class CCaltPageDlg;

// One tab: the page (not owned), its title and its dialog id.
struct _tagCaltPage {
    CCaltPageDlg* pPage;
    CString strTitle;
    UINT nIDTemplate;
};

class CCaltWorkDlg : public CVuskWorkDlg {
    DECLARE_DYNAMIC(CCaltWorkDlg)

public:
    explicit CCaltWorkDlg(CWnd* pParentWnd = NULL);
    ~CCaltWorkDlg() override;

    // Before the dialog runs: the parameter object (not owned) and the pages in tab order.
    void SetParam(CVuskParam* pParam);
    void AddPage(CCaltPageDlg* pPage, const CString& strTitle, UINT nIDTemplate);
    // A copy of the tab's record; an empty record (no page) for an index out of range.
    _tagCaltPage GetPageAt(int nIndex) const;

    // The parameter object's calculation; 0 without one. A calculation that refuses (0) empties
    // both reports. The host is told its outcome.
    int RunCalculate();
    // Builds both reports anew from the parameter object.
    void BuildReports();
    // The current page's CheckData with the parameter object; TRUE without one.
    BOOL CheckPageData(CStringArray& arrWarnings, CStringArray& arrErrors);
    // The input test: errors are listed with "请返回修改!" and stop (0); warnings (or a FALSE
    // from CheckData) are listed with "是否返回修改", where "是" stays (0) and "否" goes on (1).
    // Without bShowPrompt a FALSE from CheckData stops silently. Otherwise CheckData's result.
    BOOL CheckInput(BOOL bShowPrompt);
    // Store, test, calculate, rebuild both reports and describe the command for the host's list
    // (WM_VUSK_CALCULATEALL and WM_VUSK_ONCALCULATEALL): 1 when all of that succeeded, else 0.
    int CalculateAll();
    // Restore the defaults and show them on the first tab (WM_VUSK_RESTOREDEFAULT): 1, or 0 without
    // parameters.
    int RestoreDefault();
    void SaveParams();
    void LoadParams();
    // Stores the parameters and empties the tabs (the pages themselves belong to the command).
    void ClearPages();

    CCaltPageDlg* m_pCurPage;
    CVuskParam* m_pParam;
    CArray<_tagCaltPage, const _tagCaltPage&> m_arrPages;
    int m_nDlgType;
    int m_bEnableList;
    CString m_strCaption;
    int m_nOldTab;
    int m_bLaidOut;
    int m_bCanLeave;
    int m_nPageWidth;
    int m_nPageHeight;
    CTabCtrl m_ctrlTab;
    CButton m_btnAddList;
    CButton m_btnCalculate;
    CButton m_btnClose;
    CButton m_btnHelp;
    CButton m_btnDefault;
    CButton m_btnRefresh;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL DestroyWindow() override;
    void OnOK() override;
    void OnCancel() override;

    void CreatePages();
    void LayoutPage(int nIndex, BOOL bFocus);

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSelChangingTab(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnSelChangeTab(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnCalculate();
    afx_msg void OnAddToList();
    afx_msg void OnRestoreDefault();
    afx_msg void OnRefreshList();
    afx_msg void OnHelp();
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    afx_msg LRESULT OnCalculateAll(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnHostRestoreDefault(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    // The height of the tab row.
    int TabRowHeight();
    // Places the visible buttons from right to left, each with 2 pixels of space to its right.
    void PlaceButtonRow(CButton* const* ppButtons, int nCount, int nRight, int nTop);
    // Destroys the current page's window and creates the page of tab nIndex in its place.
    void SwitchToPage(int nIndex);
    BOOL CreatePageWindow(const _tagCaltPage& page);
    CString GetKeyPrefix() const;

    int m_nTabRowHeight;
    BOOL m_bInHelp;
};
