// The beam stair's pages in a work dialog, run under a user script as a person uses them.
#pragma once

#include "WorkSession.h"
#include "framework/CaltReportDlg.h"
#include "resources/BeamStairResource.h"
#include "stair/BeamStairBasicDlg.h"
#include "stair/BeamStairDrawDlg.h"
#include "stair/BeamStairParam.h"
#include "stair/BeamStairResultDlg.h"

class BeamStairSession : public WorkSession {
protected:
    void AddPages(CCaltWorkDlg& work) override {
        work.AddPage(&m_input, "基本参数", IDD_BEAM_STAIR_INPUT);
        work.AddPage(&m_result, "计算结果", IDD_BEAM_STAIR_RESULT);
        work.AddPage(&m_report, "计算书", IDD_CALT_REPORT);
        work.AddPage(&m_draw, "绘图预览", IDD_BEAM_STAIR_DRAW);
    }
    CVuskParam& Param() override { return m_param; }

    CBeamStairBasicDlg m_input;
    CBeamStairResultDlg m_result;
    CCaltReportDlg m_report;
    CBeamStairDrawDlg m_draw;
    CBeamStairParam m_param;
};
