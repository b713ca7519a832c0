// CPreComSub4Dlg: page 4 "角钢锚筋", an anchor plate with a grid of angle-steel anchors, each ending
// in a square end plate; designed for tension, shear and combined tension, moment and shear.
#pragma once

#include "embed/EmbedAngleAnchorCalc.h"
#include "embed/PreComPage.h"
#include "resources/EmbedResource.h"

class CPreComSub4Dlg : public CPreComPage {
    DECLARE_DYNAMIC(CPreComSub4Dlg)

public:
    enum { IDD = IDD_PRECOM_SUB4 };
    CPreComSub4Dlg();

    void ReadInputs() override;
    void ShowResults() override;

    void Calculate();
    void DrawPlan() override;
    void DrawSection() override;

    CEmbedAngleResults m_results;

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnInputChange();
    afx_msg void OnShapeChange();
    DECLARE_MESSAGE_MAP()

private:
    CPreComSub4& Group() { return m_pParam->m_Sub4; }
};
