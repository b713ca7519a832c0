#include "TestCommand.h"

#include <cstdlib>

#include "host/Numbers.h"
#include "host/VuskMainInfo.h"
#include "host/VuskSave.h"
#include "resources/FrameworkResource.h"
#include "resources/FrameworkTestResource.h"

IMPLEMENT_DYNAMIC(CTestBeamParam, CVuskParam)

CString TestKey(LPCTSTR lpszField)
{
    return CString("CTestBeamParam/") + lpszField;
}

CTestBeamParam::CTestBeamParam()
{
    InitDefaultParam();
}

void CTestBeamParam::InitDefaultParam()
{
    CVuskParam::InitDefaultParam();
    strNumber = "L-1";
    m_dWidth = 250;
    m_dHeight = 500;
    m_dLoad = 10;
    m_dMoment = 0;
}

BOOL CTestBeamParam::ReadParam(const CString& strPrefix)
{
    BOOL bResult = CVuskParam::ReadParam(strPrefix);
    CVuskSave::GetValue(strPrefix + "/strNumber", strNumber, strNumber);
    CVuskSave::GetValue(strPrefix + "/dWidth", m_dWidth, m_dWidth);
    CVuskSave::GetValue(strPrefix + "/dHeight", m_dHeight, m_dHeight);
    CVuskSave::GetValue(strPrefix + "/dLoad", m_dLoad, m_dLoad);
    return bResult;
}

BOOL CTestBeamParam::WriteParam(const CString& strPrefix)
{
    BOOL bResult = CVuskParam::WriteParam(strPrefix);
    CVuskSave::SetValue(strPrefix + "/strNumber", strNumber);
    CVuskSave::SetValue(strPrefix + "/dWidth", m_dWidth);
    CVuskSave::SetValue(strPrefix + "/dHeight", m_dHeight);
    CVuskSave::SetValue(strPrefix + "/dLoad", m_dLoad);
    return bResult;
}

int CTestBeamParam::Calculate()
{
    m_nCalculations++;
    m_dMoment = m_dLoad * 6 * 6 / 8;
    return m_nCalculateResult;
}

int CTestBeamParam::BuildWordS()
{
    wordS.WriteTitleInfo("测试梁计算\n");
    wordS.WriteText("\tM=" + ftos(m_dMoment) + "kN*m\n", 0, 0, 0, 0, 0, 10.5, "宋体");
    return 1;
}

int CTestBeamParam::BuildWordC()
{
    m_nFullReports++;
    wordC.WriteTitleInfo("测试梁计算\n");
    wordC.WriteSectionTitle("一、构件编号: \t" + strNumber);
    wordC.WriteText("\tb=" + ftos(m_dWidth) + "mm\n", 0, 0, 0, 0, 0, 10.5, "宋体");
    wordC.WriteText("\tM=" + ftos(m_dMoment) + "kN*m\n", 0, 0, 0, 0, 0, 10.5, "宋体");
    return 1;
}

void CTestBeamParam::GetListData()
{
    strCmdType = "测试梁计算";
    strDimInfo = "b=" + ftos(m_dWidth) + "mm\nh=" + ftos(m_dHeight) + "mm\n";
    strLoadInfo = "q=" + ftos(m_dLoad) + "kN/m\n";
    strResultInfo = "M=" + ftos(m_dMoment) + "kN*m\n";
    CVuskParam::GetListData();
}

BOOL CTestBeamParam::OnHelpInfo(HELPINFO* /*pHelpInfo*/)
{
    m_nHelpCalls++;
    if (m_onHelp)
        m_onHelp();
    return TRUE;
}

BEGIN_MESSAGE_MAP(CTestPage, CCaltPageDlg)
    ON_BN_CLICKED(IDC_TEST_PROBE, OnProbe)
    ON_WM_HELPINFO()
END_MESSAGE_MAP()

BOOL CTestPage::OnHelpInfo(HELPINFO* pHelpInfo)
{
    m_nHelpCalls++;
    return CCaltPageDlg::OnHelpInfo(pHelpInfo);
}

void CTestPage::OnProbe()
{
    if (m_onProbe)
        m_onProbe();
}

BOOL CTestPage::OnDataChange()
{
    if (m_bRefuseLeave)
        return FALSE;
    CTestBeamParam* pParam = static_cast<CTestBeamParam*>(GetParam());
    return pParam ? CheckRanges(pParam) : TRUE;
}

BOOL CTestPage::CheckData(CVuskParam* pParam, CStringArray& arrWarnings, CStringArray& arrErrors)
{
    if (m_nCheckResult != -1)
        return m_nCheckResult;
    CheckRules(*static_cast<CTestBeamParam*>(pParam), arrWarnings, arrErrors);
    return arrWarnings.GetSize() == 0 && arrErrors.GetSize() == 0;
}

BEGIN_MESSAGE_MAP(CTestSizePage, CTestPage)
    ON_EN_KILLFOCUS(IDC_TEST_WIDTH, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_TEST_HEIGHT, OnEditKillFocus)
    ON_BN_CLICKED(IDC_PAGE_CALCULATE, OnCalculate)
END_MESSAGE_MAP()

CTestSizePage::CTestSizePage() : CTestPage(IDD_TEST_SIZE) {}

void CTestSizePage::GetData(CVuskParam* pParam)
{
    if (!pParam)
        return;
    CTestBeamParam* pBeam = static_cast<CTestBeamParam*>(pParam);
    pBeam->m_dWidth = atof(GetEditText(IDC_TEST_WIDTH));
    pBeam->m_dHeight = atof(GetEditText(IDC_TEST_HEIGHT));
    pBeam->strNumber = GetEditText(IDC_TEST_NUMBER);
}

void CTestSizePage::SetData(CVuskParam* pParam)
{
    if (!pParam)
        return;
    CTestBeamParam* pBeam = static_cast<CTestBeamParam*>(pParam);
    SetEditText(IDC_TEST_WIDTH, pBeam->m_dWidth);
    SetEditText(IDC_TEST_HEIGHT, pBeam->m_dHeight);
    SetEditText(IDC_TEST_NUMBER, pBeam->strNumber);
}

BOOL CTestSizePage::CheckRanges(CTestBeamParam* pParam)
{
    BOOL bWidth = CheckEditDouble(IDC_TEST_WIDTH, pParam->m_dWidth, 10000, 0.000001, -1);
    BOOL bHeight = CheckEditDouble(IDC_TEST_HEIGHT, pParam->m_dHeight, 10000, 0.000001, 2);
    return bWidth && bHeight;
}

void CTestSizePage::CheckRules(const CTestBeamParam& param, CStringArray& arrWarnings,
                               CStringArray& arrErrors)
{
    if (param.m_dWidth > param.m_dHeight)
        arrWarnings.Add("梁宽不宜大于梁高");
    if (param.m_dWidth < 150)
        arrWarnings.Add("梁宽不宜小于150mm");
    if (param.m_dHeight < 100)
        arrErrors.Add("梁高不应小于100mm");
}

BEGIN_MESSAGE_MAP(CTestLoadPage, CTestPage)
    ON_EN_KILLFOCUS(IDC_TEST_LOAD, OnEditKillFocus)
END_MESSAGE_MAP()

CTestLoadPage::CTestLoadPage() : CTestPage(IDD_TEST_LOAD) {}

void CTestLoadPage::GetData(CVuskParam* pParam)
{
    if (!pParam)
        return;
    static_cast<CTestBeamParam*>(pParam)->m_dLoad = atof(GetEditText(IDC_TEST_LOAD));
}

void CTestLoadPage::SetData(CVuskParam* pParam)
{
    if (!pParam)
        return;
    SetEditText(IDC_TEST_LOAD, static_cast<CTestBeamParam*>(pParam)->m_dLoad);
}

BOOL CTestLoadPage::CheckRanges(CTestBeamParam* pParam)
{
    return CheckEditDouble(IDC_TEST_LOAD, pParam->m_dLoad, 10000, 0, -1);
}

void CTestLoadPage::CheckRules(const CTestBeamParam& param, CStringArray& arrWarnings,
                               CStringArray& /*arrErrors*/)
{
    if (param.m_dLoad > 100)
        arrWarnings.Add("荷载较大\r\n请核对荷载取值");
}

CTestResultPage::CTestResultPage() : CTestPage(IDD_TEST_RESULT) {}

void CTestResultPage::SetData(CVuskParam* pParam)
{
    if (!pParam)
        return;
    SetStaticText(IDC_TEST_MOMENT, "M=" + ftos(static_cast<CTestBeamParam*>(pParam)->m_dMoment));
}

CTestCommand::CTestCommand(int nMode)
{
    g_VuskMainInfo.SetCaltDlgType(nMode);
    workDlg.m_strCaption = "测试梁计算";
    workDlg.m_nDlgType = nMode;
    workDlg.AddPage(&sizePage, "基本参数", IDD_TEST_SIZE);
    workDlg.AddPage(&loadPage, "荷载参数", IDD_TEST_LOAD);
    workDlg.AddPage(&resultPage, "计算结果", IDD_TEST_RESULT);
    workDlg.AddPage(&reportPage, "计算书", IDD_CALT_REPORT);
    workDlg.SetParam(&param);
}

int CTestCommand::Run(qelt::UserScript& script)
{
    qelt::ScopedUserScript scope(script);
    return workDlg.Show(IDD_CALT_WORK);
}

CString WindowText(const CWnd& wnd)
{
    CString strText;
    wnd.GetWindowText(strText);
    return strText;
}

CString ControlText(const CWnd& dialog, int nID)
{
    CWnd* pControl = dialog.GetDlgItem(nID);
    return pControl ? WindowText(*pControl) : CString("(no control)");
}

std::vector<qelt::InteractionEntry> PromptsShown()
{
    std::vector<qelt::InteractionEntry> prompts;
    for (const qelt::InteractionEntry& entry : qelt::InteractionLog::Instance().Entries()) {
        if (entry.kind == "prompt")
            prompts.push_back(entry);
    }
    return prompts;
}

CTestFrame::CTestFrame()
{
    wnd.CreateEx(0, NULL, "QELT", WS_POPUP | WS_VISIBLE | WS_CAPTION, CRect(0, 0, 800, 600), NULL, 0);
}

CTestFrame::~CTestFrame()
{
    wnd.DestroyWindow();
}
