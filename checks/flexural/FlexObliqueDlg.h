// CStlcnFlexObliqueDlg: the input page "基本参数" of the flexural oblique section (dialog 40):
// section, load case, dimensions, materials, mode and the shear or the stirrup area. The mode
// enables the box of the given quantity, the section the flange and the slide, the load case the
// distance a. F1 opens the command's topic of the compiled help.
#pragma once

#include "checks/flexural/MemberCheckDlg.h"
#include "resources/FlexuralResource.h"

class CStlcnFlexObliqueDlg : public CStlcnMemberDlg {
    DECLARE_DYNAMIC(CStlcnFlexObliqueDlg)

public:
    enum { IDD = IDD_FLEX_OBLIQUE };

    explicit CStlcnFlexObliqueDlg(CWnd* pParent = NULL);
    ~CStlcnFlexObliqueDlg() override;

    void GetData(CVuskParam* pParam) override;
    void SetData(CVuskParam* pParam) override;
    BOOL CheckData(CVuskParam* pParam, CStringArray& arrWarnings, CStringArray& arrErrors) override;
    BOOL OnDataChange() override;

protected:
    void InitControlState() override;
    void FillGradeLists() override;
    void OpenPageHelp() override;

    afx_msg void OnSectionChange();
    afx_msg void OnLoadTypeChange();
    afx_msg void OnModeDesign();
    afx_msg void OnModeCapacity();
    // V is an input of the design, Asv of the check; the other box shows the result.
    void EnableByMode();
    DECLARE_MESSAGE_MAP()

    CStringArray m_arrSteelGrade;
};
