// CStlcnMemberDlg: what the input pages of the member checks share: the section slide (control
// 680, not selectable), the mode radio group, the concrete grades, the "计  算" button (224) shown only
// when the work dialog sits in the host's frame, the minimum-ratio combo boxes (in percent, or
// "自动计算" for the code's minimum), and F1 answered by the page with the command's help.
#pragma once

#include "framework/CaltPageDlg.h"
#include "host/SubStatic.h"
#include "mfc/Afx.h"

class CStlcnMemberDlg : public CCaltPageDlg {
    DECLARE_DYNAMIC(CStlcnMemberDlg)

public:
    CStlcnMemberDlg(UINT nIDTemplate, UINT nIDFirstModeRadio, CWnd* pParent);
    ~CStlcnMemberDlg() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // The page base's initialisation, the command's control states, the grade lists, the "计  算"
    // button by the mode, then the slides.
    BOOL OnInitDialog() override;

    // The enable and visibility states of the controls when the page opens.
    virtual void InitControlState() = 0;
    // Fills the page's grade combo boxes (FillComboBox).
    virtual void FillGradeLists() = 0;

    // Inserts the texts into a combo box, each at the next index.
    void FillComboBox(UINT nID, const CStringArray& arrItems);
    void EnableControl(UINT nID, BOOL bEnable);
    void ShowControl(UINT nID, BOOL bShow);
    // An edit box's text as a number (0 for a text that is not one).
    double GetEditDouble(UINT nID) const;

    // A minimum-ratio combo box: "自动计算" sets the flag and takes the code's minimum, any other
    // text clears it and takes the number in percent as a fraction.
    void GetRatioCombo(UINT nID, int& bAuto, double& dRatio, double dCodeMinimum) const;
    void SetRatioCombo(UINT nID, int bAuto, double dRatio);
    // The range check of a minimum-ratio combo box: 0 to 10 percent, unless it reads "自动计算".
    BOOL CheckRatioCombo(UINT nID, double dRatio);

    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    DECLARE_MESSAGE_MAP()

    CSubStatic m_ctrlSlide;
    int m_nCaltType;  // index of the checked mode radio
    CStringArray m_arrConcreteGrade;
    // The grid of the slide control: one slide at a time unless a page says otherwise.
    int m_nSlideCols;
    int m_nSlideRows;

private:
    UINT m_nIDFirstModeRadio;
};
