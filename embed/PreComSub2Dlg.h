// CPreComSub2Dlg: page 2 "构造-角钢锚板", an angle with anchor bars lapped and welded to it,
// dimensioned by the detailing rules alone; no capacity is calculated.
#pragma once

#include "embed/PreComPage.h"
#include "resources/EmbedResource.h"

class CPreComSub2Dlg : public CPreComPage {
    DECLARE_DYNAMIC(CPreComSub2Dlg)

public:
    enum { IDD = IDD_PRECOM_SUB2 };
    CPreComSub2Dlg();

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
