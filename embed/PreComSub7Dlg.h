// CPreComSub7Dlg: page 7 "直锚筋+端板", an anchor plate with straight anchor bars, each ending in a
// square end plate; designed for tension and combined tension, moment and shear.
#pragma once

#include "embed/EmbedAngleAnchorCalc.h"
#include "embed/PreComPage.h"
#include "resources/EmbedResource.h"

class CPreComSub7Dlg : public CPreComPage {
    DECLARE_DYNAMIC(CPreComSub7Dlg)

public:
    enum { IDD = IDD_PRECOM_SUB7 };
    CPreComSub7Dlg();

    void ReadInputs() override;
    void ShowResults() override;

    void Calculate();
    void DrawPlan() override;
    void DrawSection() override;

    CEmbedAngleResults m_results;  // 0 until the first calculation

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnInputChange();
    afx_msg void OnShapeChange();
    DECLARE_MESSAGE_MAP()

private:
    CPreComSub7& Group() { return m_pParam->m_Sub7; }
};
