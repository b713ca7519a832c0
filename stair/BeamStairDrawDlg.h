// CBeamStairDrawDlg: the beam stair's drawing page "绘图预览" (dialog 31). It builds the drawing
// record from the parameter object's geometry and chosen schemes each time it is shown, lets the
// engineer set the drawing's name, scales, elevation, mirroring, shape, view and the seven bars,
// and on "绘图" checks the record (asking whether to draw anyway), stores it under "BeamStairDraw"
// and sends the drawing command "VUSKLSHLT\n". It writes nothing into the parameter object. F1 and
// the help command (ID_HELP) give the host's help the page's help context.
#pragma once

#include "framework/CaltPageDlg.h"
#include "host/SubStatic.h"
#include "mfc/stdctrl/Static.h"
#include "resources/BeamStairResource.h"
#include "stair/BeamStairDrawData.h"

class CBeamStairDrawDlg : public CCaltPageDlg {
    DECLARE_DYNAMIC(CBeamStairDrawDlg)

public:
    enum { IDD = IDD_BEAM_STAIR_DRAW };

    explicit CBeamStairDrawDlg(CWnd* pParent = NULL);
    ~CBeamStairDrawDlg() override;

    void GetData(CVuskParam* pParam) override;
    void SetData(CVuskParam* pParam) override;

    // The controls' values into the record (a scale of 0 or less is refused and shown back); a copy
    // of the record.
    BeamStairDrawData CollectDrawData();
    // Every failure of the record, numbered; with failures, the question whether to draw anyway.
    BOOL CheckDrawData();
    // The failures' text ("1.180=<b<=350。\n\n" …), empty when the record passes.
    static CString DrawDataFailures(const BeamStairDrawData& r);
    // CollectDrawData into a copy that is dropped; one at a time for every page.
    void Redraw();
    // The slide of a shape in a view (0 梯段, 1 详图1, 2 详图2), mirrored or not.
    static CString DrawSlideName(int nShape, int nView, BOOL bMirror);

    BeamStairDrawData m_record;

    // The page values.
    double m_dB, m_dB1, m_dB2, m_dB3, m_dH, m_dH1, m_dH2, m_dH3, m_dL2, m_dL3, m_dT, m_dW, m_dElev;
    CString m_strNum;
    double m_dDtaScale, m_dScale;
    int m_nNumber[7];  // counts of bars 1, 2, 4, 5; spacings of bars 3, 6, 7
    int m_nSteps;
    int m_nView;
    int m_bMirror;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    afx_msg void OnFieldKillFocus(UINT nID);
    afx_msg void OnClickView(UINT nID);
    afx_msg void OnClickMirror();
    afx_msg LRESULT OnSelectShape(WPARAM wParam, LPARAM lParam);
    afx_msg void OnIgnoredClick();
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    DECLARE_MESSAGE_MAP()

    void FillSelector();
    void ApplyBarRule();
    void EnableControl(UINT nID, BOOL bEnable);

    CSubStatic m_ctrlSelector;
    CStatic m_ctrlPicture;
    CStringArray m_arrGrades;
};
