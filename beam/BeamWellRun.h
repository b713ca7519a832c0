// The run of "C:JZLJS": the input page, the result page, the report page, the parameter object and
// the work dialog, built in that order; the tabs are "基本参数", "计算结果" and "计算书".
#pragma once

#include "beam/BeamWellBasicDlg.h"
#include "beam/BeamWellParam.h"
#include "beam/BeamWellResultDlg.h"
#include "framework/CaltReportDlg.h"
#include "framework/CaltWorkDlg.h"
#include "resources/FrameworkResource.h"

class CBeamWellRun {
public:
    CBeamWellBasicDlg m_dlgBasic;
    CBeamWellResultDlg m_dlgResult;
    CCaltReportDlg m_dlgReport;
    CBeamWellParam m_param;
    CCaltWorkDlg m_dlgWork;

    void AddPages()
    {
        m_dlgWork.AddPage(&m_dlgBasic, CString("基本参数"), CBeamWellBasicDlg::IDD);
        m_dlgWork.AddPage(&m_dlgResult, CString("计算结果"), CBeamWellResultDlg::IDD);
        m_dlgWork.AddPage(&m_dlgReport, CString("计算书"), IDD_CALT_REPORT);
    }
};
