// CPreComSub8Dlg: page 8 "吊环", a lifting ring bent from one bar with both legs cast in; it shows the
// ring's allowable load by its diameter and keeps its three lengths within their rules.
#pragma once

#include "embed/PreComPage.h"
#include "resources/EmbedResource.h"

class CPreComSub8Dlg : public CPreComPage {
    DECLARE_DYNAMIC(CPreComSub8Dlg)

public:
    enum { IDD = IDD_PRECOM_SUB8 };
    CPreComSub8Dlg();

    void ReadInputs() override;
    void ShowResults() override;
    // The ring in the concrete: the page's one picture.
    void DrawPlan() override;

    // The allowable load of the record's diameter; a diameter outside the table keeps the last one.
    float GetRingLoad();

    float m_fRingLoad = 5.03f;  // kN

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnInputChange();
    afx_msg void OnShapeChange();
    DECLARE_MESSAGE_MAP()
};
