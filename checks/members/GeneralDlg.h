// CStlcnGeneralDlg: the input page "基本参数" of the torsion check (dialog 41): section, dimensions,
// materials, stirrups, minimum ratios (a percent, or "自动计算"), the mode and T or the areas. In the
// design mode T and ζ are inputs and the areas results; in the capacity mode the reverse. A T section
// shows the web's and the flange's areas, a rectangle its own two.
#pragma once

#include "checks/members/CheckDlg.h"
#include "resources/MembersResource.h"

class CStlcnGeneralDlg : public CStlcnCheckDlg {
    DECLARE_DYNAMIC(CStlcnGeneralDlg)

public:
    enum { IDD = IDD_GENERAL };

    explicit CStlcnGeneralDlg(CWnd* pParent = NULL);
    ~CStlcnGeneralDlg() override;

    void GetData(CVuskParam* pParam) override;
    void SetData(CVuskParam* pParam) override;
    BOOL CheckData(CVuskParam* pParam, CStringArray& arrWarnings, CStringArray& arrErrors) override;
    BOOL OnDataChange() override;

protected:
    void FillLists() override;
    void GetSlideNames(CStringArray& arrSlides) const override;

    afx_msg void OnRadioDesign();
    afx_msg void OnRadioCapacity();
    afx_msg void OnKillFocusPtlMin();
    afx_msg void OnKillFocusPsvMin();
    afx_msg void OnSelChangeSectionType();
    DECLARE_MESSAGE_MAP()

private:
    // T and ζ as inputs (the design) or the areas (the capacity).
    void EnableModeInputs(BOOL bDesign);
    // A design without a result (refused by the input test, or its section condition failed) shows
    // none in its greyed area boxes.
    void ClearDesignResults();
    void OnKillFocusRatio(UINT nID);
};
