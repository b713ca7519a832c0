// CStlcnDeepFlexObliqueDlg: the input page "基本参数" of the deep flexural oblique section (dialog
// 37): beam type, load type, section position, materials and spacings, dimensions, the mode and
// two of V, Ash and Asv; the box of the third shows the result. The load type enables the
// distance a.
#pragma once

#include "checks/flexural/MemberCheckDlg.h"
#include "resources/FlexuralResource.h"

class CStlcnDeepFlexObliqueDlg : public CStlcnMemberDlg {
    DECLARE_DYNAMIC(CStlcnDeepFlexObliqueDlg)

public:
    enum { IDD = IDD_DEEP_OBLIQUE };

    explicit CStlcnDeepFlexObliqueDlg(CWnd* pParent = NULL);
    ~CStlcnDeepFlexObliqueDlg() override;

    void GetData(CVuskParam* pParam) override;
    void SetData(CVuskParam* pParam) override;
    BOOL CheckData(CVuskParam* pParam, CStringArray& arrWarnings, CStringArray& arrErrors) override;
    BOOL OnDataChange() override;

protected:
    void InitControlState() override;
    void FillGradeLists() override;

    afx_msg void OnModeFindAsh();
    afx_msg void OnModeFindAsv();
    afx_msg void OnModeFindV();
    afx_msg void OnLoadTypeChange();
    void EnableByMode();
    DECLARE_MESSAGE_MAP()

    CStringArray m_arrSteelGradeHor;
    CStringArray m_arrSteelGradeVer;
};
