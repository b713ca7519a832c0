// CStlcnFlexNormalDlg: the input page "基本参数" of the flexural normal section (dialog 39): section,
// reinforcement type, dimensions, materials, mode and the moment or the steel areas. The choice of
// mode, section and reinforcement enables and shows the controls it needs and switches the slide.
#pragma once

#include "checks/flexural/MemberCheckDlg.h"
#include "resources/FlexuralResource.h"

class CStlcnFlexNormalDlg : public CStlcnMemberDlg {
    DECLARE_DYNAMIC(CStlcnFlexNormalDlg)

public:
    enum { IDD = IDD_FLEX_NORMAL };

    explicit CStlcnFlexNormalDlg(CWnd* pParent = NULL);
    ~CStlcnFlexNormalDlg() override;

    void GetData(CVuskParam* pParam) override;
    void SetData(CVuskParam* pParam) override;
    BOOL CheckData(CVuskParam* pParam, CStringArray& arrWarnings, CStringArray& arrErrors) override;
    BOOL OnDataChange() override;

protected:
    void InitControlState() override;
    void FillGradeLists() override;

    afx_msg void OnSelChangeSection();
    afx_msg void OnSelChangeMatchBar();
    afx_msg void OnRadioDesign();
    afx_msg void OnRadioCapacity();
    // The enable and visibility states of the moment and the steel areas for the mode.
    void UpdateModeState();
    DECLARE_MESSAGE_MAP()

    CStringArray m_arrSteelGradePl;
    CStringArray m_arrSteelGradePs;

private:
    // Asks whether a double design that needs no compression steel is to be taken as single.
    void AskSingleReinforcement(int& bIsSingleRein);
    // A design that the input test refuses has no result: its result boxes (As, and A's of the double
    // design) are emptied rather than left showing the last one.
    void ClearDesignResults(int nMode, const CString& strType);
};
