// The run of "C:LXLJS": the parameter object, the work dialog, the input page, the result page and
// the report page, built in that order; both pages edit the run's beam. The tabs are "基本参数",
// "计算结果" and "计算书".
#pragma once

#include "beam/BeamComInputDlg.h"
#include "beam/BeamComOutputDlg.h"
#include "beam/ContinuousBeam.h"
#include "framework/CaltReportDlg.h"
#include "framework/CaltWorkDlg.h"
#include "resources/FrameworkResource.h"

class CContinuousBeamRun {
public:
    CContinuousBeam m_param;
    CCaltWorkDlg m_dlgWork;
    CBeamComInputDlg m_dlgInput;
    CBeamComOutputDlg m_dlgResult;
    CCaltReportDlg m_dlgReport;

    CContinuousBeamRun()
    {
        m_dlgInput.m_pBeam = &m_param;
        m_dlgResult.m_pBeam = &m_param;
    }

    void AddPages()
    {
        m_dlgWork.AddPage(&m_dlgInput, CString("基本参数"), CBeamComInputDlg::IDD);
        m_dlgWork.AddPage(&m_dlgResult, CString("计算结果"), CBeamComOutputDlg::IDD);
        m_dlgWork.AddPage(&m_dlgReport, CString("计算书"), IDD_CALT_REPORT);
    }
};
