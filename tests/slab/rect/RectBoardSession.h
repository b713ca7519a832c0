// The rectangular slab's pages in a work dialog, run under a user script as a person uses them.
#pragma once

#include "WorkSession.h"
#include "framework/CaltReportDlg.h"
#include "slab/rect/RectBoardCalParamDlg.h"
#include "slab/rect/RectBoardDlg.h"
#include "slab/rect/RectBoardParam.h"
#include "slab/rect/RectBoardResultDlg.h"

class RectBoardSession : public WorkSession {
protected:
    void AddPages(CCaltWorkDlg& work) override {
        work.AddPage(&m_basic, "基本参数", IDD_RECT_BOARD);
        work.AddPage(&m_calParam, "计算参数", IDD_RECT_BOARD_CALPARAM);
        work.AddPage(&m_result, "计算结果", IDD_RECT_BOARD_RESULT);
        work.AddPage(&m_report, "计算书", IDD_CALT_REPORT);
    }
    CVuskParam& Param() override { return m_param; }

    CRectBoardDlg m_basic;
    CRectBoardCalParamDlg m_calParam;
    CRectBoardResultDlg m_result;
    CCaltReportDlg m_report;
    CRectBoardParam m_param;
};
