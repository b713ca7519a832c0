// A small command for the framework's tests: a beam parameter object, two input pages ("基本参数"
// and "荷载参数"), a result page and the report page, run in a work dialog as an entry function
// runs a command.
#pragma once

#include <functional>
#include <vector>

#include "framework/CaltPageDlg.h"
#include "framework/CaltReportDlg.h"
#include "framework/CaltWorkDlg.h"
#include "host/VuskParam.h"
#include "mfc/person/InteractionLog.h"
#include "mfc/person/UserScript.h"

class CTestBeamParam : public CVuskParam {
    DECLARE_DYNAMIC(CTestBeamParam)

public:
    CTestBeamParam();

    BOOL ReadParam(const CString& strPrefix) override;
    BOOL WriteParam(const CString& strPrefix) override;
    int Calculate() override;
    int BuildWordS() override;
    int BuildWordC() override;
    void GetListData() override;
    void InitDefaultParam() override;
    BOOL OnHelpInfo(HELPINFO* pHelpInfo) override;

    double m_dWidth;
    double m_dHeight;
    double m_dLoad;
    double m_dMoment;

    // What the tests set and count.
    int m_nCalculateResult = 1;
    int m_nCalculations = 0;
    int m_nFullReports = 0;
    int m_nHelpCalls = 0;
    std::function<void()> m_onHelp;
};

// A page with a button through which the test looks at the running dialog.
class CTestPage : public CCaltPageDlg {
public:
    explicit CTestPage(UINT nIDTemplate) : CCaltPageDlg(nIDTemplate) {}

    BOOL OnDataChange() override;
    BOOL CheckData(CVuskParam* pParam, CStringArray& arrWarnings, CStringArray& arrErrors) override;

    std::function<void()> m_onProbe;
    BOOL m_bRefuseLeave = FALSE;  // OnDataChange answers FALSE
    int m_nCheckResult = -1;      // when not -1, CheckData answers this
    int m_nHelpCalls = 0;         // WM_HELP that reached the page; it passes them on

protected:
    // The page's own range checks and input rules.
    virtual BOOL CheckRanges(CTestBeamParam* /*pParam*/) { return TRUE; }
    virtual void CheckRules(const CTestBeamParam& /*param*/, CStringArray& /*arrWarnings*/,
                            CStringArray& /*arrErrors*/) {}

    afx_msg void OnProbe();
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    DECLARE_MESSAGE_MAP()
};

// Width, height and member number. Width must lie in (0, 10000], height in (0, 10000] shown with
// two decimals. A height below 100 is an error; a width above the height or below 150 a warning.
class CTestSizePage : public CTestPage {
public:
    CTestSizePage();
    void GetData(CVuskParam* pParam) override;
    void SetData(CVuskParam* pParam) override;

protected:
    BOOL CheckRanges(CTestBeamParam* pParam) override;
    void CheckRules(const CTestBeamParam& param, CStringArray& arrWarnings, CStringArray& arrErrors) override;
    DECLARE_MESSAGE_MAP()
};

// The load; above 100 a warning of two lines.
class CTestLoadPage : public CTestPage {
public:
    CTestLoadPage();
    void GetData(CVuskParam* pParam) override;
    void SetData(CVuskParam* pParam) override;

protected:
    BOOL CheckRanges(CTestBeamParam* pParam) override;
    void CheckRules(const CTestBeamParam& param, CStringArray& arrWarnings, CStringArray& arrErrors) override;
    DECLARE_MESSAGE_MAP()
};

class CTestResultPage : public CTestPage {
public:
    CTestResultPage();
    void SetData(CVuskParam* pParam) override;
};

// The objects of one command run, built and added as an entry function does.
struct CTestCommand {
    explicit CTestCommand(int nMode);
    // Runs the work dialog under the script; the dialog's result.
    int Run(qelt::UserScript& script);

    CTestSizePage sizePage;
    CTestLoadPage loadPage;
    CTestResultPage resultPage;
    CCaltReportDlg reportPage;
    CTestBeamParam param;
    CCaltWorkDlg workDlg;
};

// The store key of a field of the test parameters.
CString TestKey(LPCTSTR lpszField);

// A window's text, and that of a dialog's control.
CString WindowText(const CWnd& wnd);
CString ControlText(const CWnd& dialog, int nID);

// The prompts shown since the log was last cleared.
std::vector<qelt::InteractionEntry> PromptsShown();

// The host program's frame window, 800 × 600 pixels.
struct CTestFrame {
    CTestFrame();
    ~CTestFrame();
    CWnd wnd;
};
