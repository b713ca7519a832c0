// CPreComSub6Dlg: page 6 "直锚筋+抗剪钢板", an anchor plate with straight anchor bars and a steel
// shear key standing into the concrete; designed for shear, with a sentence on the key's share.
#pragma once

#include "embed/PreComPage.h"
#include "resources/EmbedResource.h"

class CPreComSub6Dlg : public CPreComPage {
    DECLARE_DYNAMIC(CPreComSub6Dlg)

public:
    enum { IDD = IDD_PRECOM_SUB6 };
    CPreComSub6Dlg();

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
    DECLARE_MESSAGE_MAP()

private:
    CPreComSub6& Group() { return m_pParam->m_Sub6; }
};
