// CPreComDlg: the embedded part's only page "基本参数" (dialog 119). The engineer picks an anchor type
// in the tree; its page is shown at the right and takes the type's inputs; the load-case buttons
// choose which capacities the N, M and V statics show. "绘图" stores every value of every page and
// the drawing options under "CPreCom" in the host's drawing-parameter store and sends "VuskYMJ\n".
// The page owns the record of all values and the eight type pages, created once when it is shown.
#pragma once

#include "embed/PreComParam.h"
#include "embed/PreComSub1Dlg.h"
#include "embed/PreComSub2Dlg.h"
#include "embed/PreComSub3Dlg.h"
#include "embed/PreComSub4Dlg.h"
#include "embed/PreComSub5Dlg.h"
#include "embed/PreComSub6Dlg.h"
#include "embed/PreComSub7Dlg.h"
#include "embed/PreComSub8Dlg.h"
#include "framework/CaltPageDlg.h"
#include "resources/EmbedResource.h"

class CPreComDlg : public CCaltPageDlg {
    DECLARE_DYNAMIC(CPreComDlg)

public:
    enum { IDD = IDD_PRECOM };

    explicit CPreComDlg(CWnd* pParent = NULL);
    ~CPreComDlg() override;

    // The type page 1..8; null for any other number.
    CPreComPage* GetPage(int nSub);

    CPreComSub1Dlg m_dlgSub1;
    CPreComSub2Dlg m_dlgSub2;
    CPreComSub3Dlg m_dlgSub3;
    CPreComSub4Dlg m_dlgSub4;
    CPreComSub5Dlg m_dlgSub5;
    CPreComSub6Dlg m_dlgSub6;
    CPreComSub7Dlg m_dlgSub7;
    CPreComSub8Dlg m_dlgSub8;
    CPreComParam m_record;
    CStatic m_ctrlV, m_ctrlM, m_ctrlN;
    CTreeCtrl m_ctrlTree;
    HICON m_hIcon = NULL;

    int m_nSubSelect = -1;  // the page shown, 1..8; 0 for none
    int m_nLoadCase = 0;    // 0 拉, 1 剪, 2 弯剪, 3 拉弯剪, 4 压弯剪

    // Puts a valid scale and a non-empty name into the record, writing back what it replaced.
    void CheckDrawOptions();
    // The load case k (0..4): the visible page redraws its pictures and shows its capacities.
    void OnLoadCase(int nLoadCase);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    afx_msg void OnSelChangedTree(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnLoadCaseButton(UINT nID);
    afx_msg void OnPlanCheck();
    afx_msg void OnSideCheck();
    afx_msg void OnDrawOptionKillFocus();
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    DECLARE_MESSAGE_MAP()

private:
    void FillTree();
    void SelectPage(DWORD_PTR dwItemData);
    // At least one of 平面 and 侧面 stays checked: the box just cleared is checked again.
    void KeepOneView(int& bClicked);
    void SetDrawOptions();
};
