// The frame of every command's entry function. A command's run is a class whose members are the
// objects of the run in the order the command builds them, among them the work dialog m_dlgWork
// and the parameter object m_param, and whose AddPages adds the pages to the work dialog in tab
// order. CaltRunCommand:
//   1. opens the run with the host (a refusal ends the call: nothing is built or touched);
//   2. installs the module's resources in place of the host's;
//   3. hands the command's description to the host;
//   4. builds the run (its members, in order);
//   5. gives the work dialog the command's caption,
//   6. the mode that the host reports,
//   7. the pages,
//   8. and the parameter object;
//   9. runs the work dialog until it ends, then hands the reports to the host program when it has a
//      report page;
//  10. puts the host's resources back;
//  11. closes the run with the host;
//  12. destroys the run's objects in the reverse order of building, then the description;
//  13. returns CALT_RESULT, as on every path.
#pragma once

#include "framework/CaltReportDlg.h"
#include "framework/CaltWorkDlg.h"
#include "startup/CaltCommandText.h"
#include "startup/Startup.h"
#include "host/CommandReports.h"
#include "host/CommandRun.h"
#include "host/VuskInstance.h"
#include "host/VuskMainInfo.h"
#include "resources/FrameworkResource.h"

// What every entry function returns.
#define CALT_RESULT 5100

// The tab titles of the input page and the report page.
#define CALT_INPUT_TITLE "基本参数"
#define CALT_REPORT_TITLE "计算书"

// Whether the work dialog shows a report page; a command without one hands no reports to the host.
inline BOOL CaltHasReportPage(const CCaltWorkDlg& work)
{
    for (int i = 0; i < work.m_arrPages.GetSize(); i++)
        if (CaltPageKindOfTitle(work.m_arrPages[i].strTitle) == CALT_PAGE_REPORT)
            return TRUE;
    return FALSE;
}

template <class TRun>
int CaltRunCommand(LPCTSTR lpszCommand)
{
    if (gVusk_Begin() < 0)
        return CALT_RESULT;

    HINSTANCE hHostResource = CVuskInsTance::GetResourceHandle();
    CVuskInsTance::SetResourceHandle(g_hModuleInstance);

    const CALTCOMMANDTEXT& text = CaltGetCommandText(lpszCommand);
    CString strDescription(text.lpszDescription);
    g_VuskMainInfo.SetDescription(strDescription);
    {
        TRun run;
        run.m_dlgWork.m_strCaption = text.lpszCaption;
        run.m_dlgWork.m_nDlgType = g_VuskMainInfo.GetCaltDlgType();
        run.AddPages();
        const BOOL bReports = CaltHasReportPage(run.m_dlgWork);
        run.m_dlgWork.SetParam(&run.m_param);
        run.m_dlgWork.Show(IDD_CALT_WORK);
        if (bReports)
            qelt::host::KeepCommandReports(run.m_param.wordC, run.m_param.wordS);

        CVuskInsTance::SetResourceHandle(hHostResource);
        gVusk_End();
    }
    return CALT_RESULT;
}

// The run of a member check: its input page, the report page, the parameter object and the work
// dialog, built in that order; the tabs are the input page (template nPageId) and the report page.
template <class TPage, class TParam, UINT nPageId>
class CCaltCheckRun {
public:
    TPage m_dlgPage;
    CCaltReportDlg m_dlgReport;
    TParam m_param;
    CCaltWorkDlg m_dlgWork;

    void AddPages()
    {
        m_dlgWork.AddPage(&m_dlgPage, CString(CALT_INPUT_TITLE), nPageId);
        m_dlgWork.AddPage(&m_dlgReport, CString(CALT_REPORT_TITLE), IDD_CALT_REPORT);
    }
};
