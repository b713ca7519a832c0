// The plate stair's four pages in a work dialog, run under a user script as a person uses them.
#pragma once

#include "WorkSession.h"
#include "framework/CaltReportDlg.h"
#include "resources/StairResource.h"
#include "stair/StairBoardDrawDlg.h"
#include "stair/StairBoardInputDlg.h"
#include "stair/StairBoardOutputDlg.h"
#include "stair/StairBoardParam.h"

class StairBoardSession : public WorkSession {
protected:
    void AddPages(CCaltWorkDlg& work) override {
        work.AddPage(&m_input, "基本参数", IDD_STAIR_BOARD_INPUT);
        work.AddPage(&m_output, "计算结果", IDD_STAIR_BOARD_OUTPUT);
        work.AddPage(&m_report, "计算书", IDD_CALT_REPORT);
        work.AddPage(&m_draw, "绘图预览", IDD_STAIR_BOARD_DRAW);
    }
    CVuskParam& Param() override { return m_param; }

    CStairBoardInputDlg m_input;
    CStairBoardOutputDlg m_output;
    CCaltReportDlg m_report;
    CStairBoardDrawDlg m_draw;
    CStairBoardParam m_param;
};
