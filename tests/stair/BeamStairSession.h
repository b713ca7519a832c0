// The beam stair's pages in a work dialog, run under a user script as a person uses them; the
// parameter object and the pages keep what the session left in them.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "framework/CaltReportDlg.h"
#include "framework/CaltWorkDlg.h"
#include "mfc/person/InteractionLog.h"
#include "mfc/person/UserScript.h"
#include "resources/BeamStairResource.h"
#include "resources/FrameworkResource.h"
#include "stair/BeamStairBasicDlg.h"
#include "stair/BeamStairDrawDlg.h"
#include "stair/BeamStairParam.h"
#include "stair/BeamStairResultDlg.h"
#include "TempStore.h"

class BeamStairSession : public testing::Test {
protected:
    void SetUp() override { qelt::InteractionLog::Instance().Clear(); }

    void Run(qelt::UserScript& script) {
        CCaltWorkDlg work;
        work.AddPage(&m_input, "基本参数", IDD_BEAM_STAIR_INPUT);
        work.AddPage(&m_result, "计算结果", IDD_BEAM_STAIR_RESULT);
        work.AddPage(&m_report, "计算书", IDD_CALT_REPORT);
        work.AddPage(&m_draw, "绘图预览", IDD_BEAM_STAIR_DRAW);
        work.SetParam(&m_param);
        qelt::ScopedUserScript installed(script);
        work.Show(IDD_CALT_WORK);
        EXPECT_FALSE(script.Failed()) << script.Error();
    }

    // The texts of the log's entries of a kind ("prompt", "message box").
    static std::vector<CString> Texts(const char* pszKind) {
        std::vector<CString> texts;
        for (const auto& entry : qelt::InteractionLog::Instance().Entries())
            if (entry.kind == pszKind) texts.push_back(entry.text);
        return texts;
    }

    TempStore m_store;
    CBeamStairBasicDlg m_input;
    CBeamStairResultDlg m_result;
    CCaltReportDlg m_report;
    CBeamStairDrawDlg m_draw;
    CBeamStairParam m_param;
};
