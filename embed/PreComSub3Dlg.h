// CPreComSub3Dlg: page 3 "直锚筋", an anchor plate with straight anchor bars in a rectangular layout,
// designed for all five load cases.
#pragma once

#include "embed/EmbedStraightAnchorCalc.h"
#include "embed/PreComPage.h"
#include "resources/EmbedResource.h"

class CPreComSub3Dlg : public CPreComPage {
    DECLARE_DYNAMIC(CPreComSub3Dlg)

public:
    enum { IDD = IDD_PRECOM_SUB3 };
    CPreComSub3Dlg();

    void ReadInputs() override;
    void ShowResults() override;

    // The nine capacities from the record and the two unstored lists (width and K).
    void Calculate();
    // la raised to the required anchorage length of the bar (outside the shear case).
    void RaiseAnchorLength();
    // la raised to 250 for a bar above 15 mm (in the shear case).
    void RaiseShearAnchorLength();
    void DrawPlan() override;
    void DrawSection() override;

    CEmbedStraightResults m_results;

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnBarChange();
    afx_msg void OnLayoutChange();
    afx_msg void OnInputChange();
    DECLARE_MESSAGE_MAP()

private:
    CPreComSub3& Group() { return m_pParam->m_Sub3; }
    LPCTSTR PressShearRuleText() const;
    // The M box: the stored moment, or 0 in compression-bending-shear.
    void ShowMomentInput();

    BOOL m_bMomentShownAsNone;  // the M box shows 0 for compression-bending-shear, not the stored M
};
