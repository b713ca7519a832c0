// CBeamStairBasicDlg: the beam stair's input page "基本参数" (dialog 32): the shape on a slide
// selector, the end restraint, the geometry, materials, loads and factors, the cover and bar
// distances, the serviceability limits and switch. Values go straight between the controls and
// the parameter object; the limit fields are checked silently when they lose the focus, the whole
// input (with a first run of the stair beam's forces) before a calculation: a number outside its
// range, or a text that is no number, stops the calculation.
#pragma once

#include "framework/CaltPageDlg.h"
#include "host/SubStatic.h"
#include "mfc/comctl/ToolTipCtrl.h"
#include "resources/BeamStairResource.h"

class CBeamStairParam;

class CBeamStairBasicDlg : public CCaltPageDlg {
    DECLARE_DYNAMIC(CBeamStairBasicDlg)

public:
    enum { IDD = IDD_BEAM_STAIR_INPUT };

    explicit CBeamStairBasicDlg(CWnd* pParent = NULL);
    ~CBeamStairBasicDlg() override;

    void GetData(CVuskParam* pParam) override;
    void SetData(CVuskParam* pParam) override;
    BOOL CheckData(CVuskParam* pParam, CStringArray& arrWarnings, CStringArray& arrErrors) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL DestroyWindow() override;

    int m_nShape;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    afx_msg LRESULT OnSelectShape(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLimitKillFocus(UINT nID);
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    DECLARE_MESSAGE_MAP()

    // Enables L2, L3 and h4 by the shape and puts 500 into an enabled platform length that reads as 0.
    void ApplyPlatformRule();
    void EnableControl(UINT nID, BOOL bEnable);
    BOOL IsEnabled(UINT nID) const;
    void FillGradeList(UINT nID, const CStringArray& arrGrades);
    // A limit field's text into the parameter when it is a number within the field's bounds; the
    // field's value back into the edit otherwise.
    void TakeLimit(UINT nID, CBeamStairParam& p);
    // The input tests, each adding the first failure's message; FALSE when one failed: a number
    // edit whose text is no number, a value outside its range (errors), a landing beam too shallow
    // (a warning).
    BOOL CheckTexts(CStringArray& arrErrors) const;
    BOOL CheckRanges(const CBeamStairParam& p, CStringArray& arrErrors) const;
    BOOL CheckDepths(const CBeamStairParam& p, CStringArray& arrWarnings) const;

    CSubStatic m_ctrlSelector;
    CToolTipCtrl m_ctrlTip;
    CStringArray m_arrConcrete;
    CStringArray m_arrSteel;
};
