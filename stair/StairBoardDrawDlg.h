// CStairBoardDrawDlg: the plate stair's drawing page "绘图预览" (dialog 30). It builds the drawing
// record from the parameter object's geometry and chosen bars each time it is shown, lets the
// engineer set the drawing's name, scale, elevation, mirroring, type and the bars, keeps every
// field within its range (a refused value goes back to the last accepted one, silently), and on
// "绘图" stores the record under "StairBoardDraw" and sends the drawing command "VUSKBSHLT\n".
#pragma once

#include "framework/CaltPageDlg.h"
#include "host/SubStatic.h"
#include "mfc/comctl/ToolTipCtrl.h"
#include "mfc/gdi/GdiObjects.h"
#include "mfc/stdctrl/Static.h"
#include "resources/StairResource.h"
#include "stair/StairBoardDrawData.h"

class CStairBoardDrawDlg : public CCaltPageDlg {
    DECLARE_DYNAMIC(CStairBoardDrawDlg)

public:
    enum { IDD = IDD_STAIR_BOARD_DRAW };

    explicit CStairBoardDrawDlg(CWnd* pParent = NULL);
    ~CStairBoardDrawDlg() override;

    void SetData(CVuskParam* pParam) override;

    // Tests the page's values against their ranges, takes the accepted ones into the record, puts
    // the record's back for the refused ones; a copy of the record.
    StairBoardDrawData Collect();
    // Collect into a record that is dropped; a Redraw that starts while another runs does nothing.
    void Redraw();

    // The record: the last accepted value of every field.
    StairBoardDrawData m_record;

    // The page values.
    double m_dElev;
    CString m_strNum;
    double m_dScale;
    int m_nSpace[6];
    double m_dB, m_dB2, m_dC1, m_dC2, m_dH, m_dT, m_dLn, m_dL1, m_dL2, m_dL3, m_dB1;
    int m_nSteps;
    int m_bMirror;
    int m_nKind;
    // The hint that a click on the preview enlarges it, given only when Ctrl is held as the page
    // opens.
    CToolTipCtrl m_ctrlTip;

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL DestroyWindow() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    afx_msg void OnFieldKillFocus(UINT nID);
    afx_msg void OnClickMirror();
    afx_msg LRESULT OnSelectKind(WPARAM wParam, LPARAM lParam);
    afx_msg void OnIgnoredClick();
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    DECLARE_MESSAGE_MAP()

    void ShowRecord(const StairBoardDrawData& record);
    void FillSelector();
    void EnableByType();

    CSubStatic m_ctrlSelector;
    CStatic m_ctrlPreview;
    CBitmap m_bmpPreview;  // the preview picture that m_ctrlPreview shows
    CStringArray m_arrGrades;
};
