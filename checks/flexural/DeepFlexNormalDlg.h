// CStlcnDeepFlexNormalDlg: the input page "基本参数" of the deep flexural normal section (dialog 36):
// member type, section position, dimensions, materials, mode and the moment or the steel area. The
// mode enables the box of the given quantity; the box of the sought one shows the result.
#pragma once

#include "checks/flexural/MemberCheckDlg.h"
#include "resources/FlexuralResource.h"

class CStlcnDeepFlexNormalDlg : public CStlcnMemberDlg {
    DECLARE_DYNAMIC(CStlcnDeepFlexNormalDlg)

public:
    enum { IDD = IDD_DEEP_NORMAL };

    explicit CStlcnDeepFlexNormalDlg(CWnd* pParent = NULL);
    ~CStlcnDeepFlexNormalDlg() override;

    void GetData(CVuskParam* pParam) override;
    void SetData(CVuskParam* pParam) override;
    // Takes the page's values and calculates before it tests, so that the root of the compression
    // zone is known.
    BOOL CheckData(CVuskParam* pParam, CStringArray& arrWarnings, CStringArray& arrErrors) override;
    BOOL OnDataChange() override;

protected:
    void InitControlState() override;
    void FillGradeLists() override;

    afx_msg void OnModeDesign();
    afx_msg void OnModeCapacity();
    void EnableByMode();
    DECLARE_MESSAGE_MAP()

    CStringArray m_arrSteelGrade;
};
