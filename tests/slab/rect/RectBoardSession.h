// The rectangular slab's pages in a work dialog, run under a user script as a person uses them; the
// parameter object and the pages keep what the session left in them.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "TempStore.h"
#include "framework/CaltReportDlg.h"
#include "framework/CaltWorkDlg.h"
#include "mfc/person/InteractionLog.h"
#include "mfc/person/UserScript.h"
#include "resources/FrameworkResource.h"
#include "slab/rect/RectBoardCalParamDlg.h"
#include "slab/rect/RectBoardDlg.h"
#include "slab/rect/RectBoardParam.h"
#include "slab/rect/RectBoardResultDlg.h"

class RectBoardSession : public testing::Test {
protected:
    void SetUp() override { qelt::InteractionLog::Instance().Clear(); }

    // Runs the script; bRefused: an action of it is expected to be refused (a disabled control).
    void Run(qelt::UserScript& script, bool bRefused = false) {
        CCaltWorkDlg work;
        work.AddPage(&m_basic, "基本参数", IDD_RECT_BOARD);
        work.AddPage(&m_calParam, "计算参数", IDD_RECT_BOARD_CALPARAM);
        work.AddPage(&m_result, "计算结果", IDD_RECT_BOARD_RESULT);
        work.AddPage(&m_report, "计算书", IDD_CALT_REPORT);
        work.SetParam(&m_param);
        qelt::ScopedUserScript installed(script);
        work.Show(IDD_CALT_WORK);
        EXPECT_EQ(script.Failed(), bRefused) << script.Error();
    }

    // The texts of the log's entries of a kind ("prompt", "message box").
    static std::vector<CString> Texts(const char* pszKind) {
        std::vector<CString> texts;
        for (const auto& entry : qelt::InteractionLog::Instance().Entries())
            if (entry.kind == pszKind) texts.push_back(entry.text);
        return texts;
    }

    TempStore m_store;
    CRectBoardDlg m_basic;
    CRectBoardCalParamDlg m_calParam;
    CRectBoardResultDlg m_result;
    CCaltReportDlg m_report;
    CRectBoardParam m_param;
};
