// CCaltPageDlg: the base of every page that the work dialog shows as a tab. The work dialog drives
// a page through six operations: take the page's values into the parameter object (GetData), show
// the object on the page (SetData), test the input (CheckData), bring the page up to date when it
// is shown (Refresh), react to an edit (OnDataChange) and calculate (Calculate).
//
// Only the current tab's page has a window, created and destroyed at every change of tab, so a
// page keeps what matters in the parameter object, never in its controls. A page's window is a
// child of the work dialog's tab control; the page reaches the work dialog as its parent's parent.
#pragma once

#include "host/VuskDlg.h"
#include "host/VuskParam.h"
#include "mfc/Afx.h"

class CCaltWorkDlg;

// Page kinds, from the tab title.
enum {
    CALT_PAGE_INPUT = 0,    // "基本参数" and every title not listed here
    CALT_PAGE_RESULT = 1,   // "计算结果"
    CALT_PAGE_REPORT = 2,   // "计算书"
    CALT_PAGE_PREVIEW = 3   // "绘图预览"
};

class CCaltPageDlg : public CVuskDlg {
    DECLARE_DYNAMIC(CCaltPageDlg)

public:
    explicit CCaltPageDlg(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    ~CCaltPageDlg() override;

    // Takes the page's values into the parameter object; nothing in the base.
    virtual void GetData(CVuskParam* pParam);
    // Shows the parameter object's values on the page; nothing in the base.
    virtual void SetData(CVuskParam* pParam);
    // Appends one text per problem to the warnings or the errors (a text may hold line breaks).
    // Errors stop the calculation, warnings ask. The base finds nothing and returns TRUE.
    virtual BOOL CheckData(CVuskParam* pParam, CStringArray& arrWarnings, CStringArray& arrErrors);
    // Brings the page up to date when it is shown, given the kind of the page that was left.
    virtual void Refresh(int nLeftKind);
    // An edited control lost the focus; FALSE keeps the engineer on this tab. TRUE in the base.
    virtual BOOL OnDataChange();
    // The parameter object's calculation, through the work dialog; 0 without one.
    virtual int Calculate();

    // The work dialog's parameter object; NULL outside a work dialog.
    CVuskParam* GetParam() const;
    // The work dialog's mode; 1 (a popup) outside a work dialog.
    int GetDlgMode() const;
    // GetData and SetData with the work dialog's parameter object; nothing outside a work dialog.
    void UpdateParam();
    void UpdatePage();
    // The work dialog's input test; TRUE outside a work dialog.
    BOOL CheckInput(BOOL bShowPrompt);
    int GetPageKind() const;

    // The range check of an edit box holding a real number. A number within the bounds is taken
    // into dValue (TRUE). Anything else is refused (FALSE): the box gets the old value back,
    // clamped into the bounds and written with nDecimals decimals (ftos for a negative count), the
    // engineer is told "请输入一个在%s与%s之间的实数" and the box is selected for retyping. A
    // disabled or hidden box, or any box while the host skips edit checks, is not tested (TRUE).
    BOOL CheckEditDouble(UINT nID, double& dValue, const double& dUpper, const double& dLower,
                         const int& nDecimals);

    // The shared handlers of the member-check pages: EN_KILLFOCUS / CBN_KILLFOCUS of their boxes,
    // and BN_CLICKED of their own "计  算" button.
    afx_msg void OnEditKillFocus();
    afx_msg void OnCalculate();

    CString m_strTitle;  // the tab title, given by CCaltWorkDlg::AddPage; decides the kind

protected:
    void PreSubclassWindow() override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    DECLARE_MESSAGE_MAP()

private:
    CCaltWorkDlg* GetWorkDlg() const;
};

// The kind of a page by its tab title.
int CaltPageKindOfTitle(const CString& strTitle);
