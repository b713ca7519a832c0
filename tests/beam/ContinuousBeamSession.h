// The continuous beam's pages in a work dialog, run under a user script as a person uses them, on a
// beam stored beforehand (the work dialog reads it when it opens).
#pragma once

#include "WorkSession.h"
#include "beam/BeamComInputDlg.h"
#include "beam/BeamComOutputDlg.h"
#include "beam/ContinuousBeam.h"
#include "framework/CaltReportDlg.h"
#include "mfc/person/UserAction.h"

class ContinuousBeamSession : public WorkSession {
protected:
    ContinuousBeamSession() {
        m_input.m_pBeam = &m_beam;
        m_result.m_pBeam = &m_beam;
    }
    void AddPages(CCaltWorkDlg& work) override {
        work.AddPage(&m_input, "基本参数", CBeamComInputDlg::IDD);
        work.AddPage(&m_result, "计算结果", CBeamComOutputDlg::IDD);
        work.AddPage(&m_report, "计算书", IDD_CALT_REPORT);
    }
    CVuskParam& Param() override { return m_beam; }

    // Stores one span of 6 m, 300 × 600, under 10 kN/m of dead load, with the settings' defaults.
    static void StoreOneSpan() {
        CContinuousBeam beam;
        CSteelSpan* pSpan = new CSteelSpan;
        pSpan->m_dSpanLen = 6;
        pSpan->m_dSecWidth = 300;
        pSpan->m_dSecHeight = 600;
        beam.AddSpan(pSpan);
        beam.SetCurrentCom(0);
        pSpan->AddSpanLoad(BEAM_LOAD_UNIFORM, 10.0);
        ASSERT_TRUE(beam.WriteParam("CContinuousBeam/"));
    }

    // A "read ID" action: the log takes the control's text.
    static qelt::UserAction Read(int nID) {
        qelt::UserAction action;
        action.kind = qelt::UserAction::Kind::Read;
        action.controlId = nID;
        return action;
    }
    static qelt::UserAction Pick(int nID, const CString& strPath) {
        qelt::UserAction action;
        action.kind = qelt::UserAction::Kind::Pick;
        action.controlId = nID;
        action.text = strPath;
        return action;
    }

    CBeamComInputDlg m_input;
    CBeamComOutputDlg m_result;
    CCaltReportDlg m_report;
    CContinuousBeam m_beam;
};
