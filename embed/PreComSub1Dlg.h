// CPreComSub1Dlg: page 1 "构造-钢板锚板", a steel plate with straight anchor bars dimensioned by the
// detailing rules alone; no capacity is calculated.
#pragma once

#include "embed/PreComPage.h"
#include "resources/EmbedResource.h"

class CPreComSub1Dlg : public CPreComPage {
    DECLARE_DYNAMIC(CPreComSub1Dlg)

public:
    enum { IDD = IDD_PRECOM_SUB1 };
    CPreComSub1Dlg();

    void ReadInputs() override;
    // No capacity: "--" in the main page's three statics.
    void ShowResults() override;
    void DrawPlan() override;
    void DrawSection() override;

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnInputChange();
    afx_msg void OnCountChange();
    DECLARE_MESSAGE_MAP()
};
