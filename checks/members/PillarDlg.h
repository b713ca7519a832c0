// CStlcnPillarDlg: the input page "基本参数" of the axial compression check (dialog 43): section,
// length, materials, ρmin, the mode and N or A's. The 0.8 factor of the concrete strength is offered
// (check box 251) only while the section's larger side or diameter stays below 300 mm.
#pragma once

#include "checks/members/CheckDlg.h"
#include "resources/MembersResource.h"

class CStlcnPillarDlg : public CStlcnCheckDlg {
    DECLARE_DYNAMIC(CStlcnPillarDlg)

public:
    enum { IDD = IDD_PILLAR };

    explicit CStlcnPillarDlg(CWnd* pParent = NULL);
    ~CStlcnPillarDlg() override;

    void GetData(CVuskParam* pParam) override;
    void SetData(CVuskParam* pParam) override;
    BOOL CheckData(CVuskParam* pParam, CStringArray& arrWarnings, CStringArray& arrErrors) override;
    BOOL OnDataChange() override;

protected:
    void FillLists() override;
    void GetSlideNames(CStringArray& arrSlides) const override;

    afx_msg void OnRadioDesign();
    afx_msg void OnRadioCapacity();
    afx_msg void OnKillFocusSide();
    afx_msg void OnKillFocusDiameter();
    afx_msg void OnSelChangeSectionType();
    DECLARE_MESSAGE_MAP()

private:
    // Offers the 0.8 factor (enabled and checked) for a size below 300 mm, withdraws it otherwise.
    void OfferSmallSectionFactor(double dSize);
    // The larger of the two sides as their boxes read.
    double GetLargerSide() const;
};
