// CPreComSub5Dlg: page 5 "直锚筋+弯折锚筋", an anchor plate with straight anchor bars and bent-up
// anchor bars that share the shear; designed for shear only.
#pragma once

#include "embed/PreComPage.h"
#include "resources/EmbedResource.h"

class CPreComSub5Dlg : public CPreComPage {
    DECLARE_DYNAMIC(CPreComSub5Dlg)

public:
    enum { IDD = IDD_PRECOM_SUB5 };
    CPreComSub5Dlg();

    void ReadInputs() override;
    void ShowResults() override;

    void Calculate();
    void DrawPlan() override;
    void DrawSection() override;

    double m_dVu = 0;  // kN

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnInputChange();
    afx_msg void OnLayoutChange();
    afx_msg void OnBentCountChange();
    DECLARE_MESSAGE_MAP()

private:
    CPreComSub5& Group() { return m_pParam->m_Sub5; }
    // The bent-bar counts offered for the number of rows: 2 → 1, 3; 3 → 2, 4; else 1, 3, 5.
    void FillBentCounts(int nRows);
};
