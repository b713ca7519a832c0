// The grid beam's input page: the count lists that follow the support and the horizontal count,
// the picture of the chosen grid, the ratio warning, and a session in the work dialog.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Printers.h"
#include "beam/BeamWellBasicDlg.h"
#include "beam/BeamWellParam.h"
#include "framework/CaltWorkDlg.h"
#include "host/VuskMainInfo.h"
#include "host/VuskSave.h"
#include "mfc/stdctrl/ComboBox.h"
#include "mfc/person/InteractionLog.h"
#include "mfc/stdctrl/Static.h"
#include "mfc/person/UserScript.h"
#include "resources/BeamWellResource.h"
#include "resources/FrameworkResource.h"
#include "TempStore.h"

namespace {

class BeamWellBasicPage : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_frame.CreateEx(0, nullptr, "frame", WS_POPUP | WS_VISIBLE, CRect(0, 0, 900, 700), nullptr, 0));
        ASSERT_TRUE(m_page.Create(CBeamWellBasicDlg::IDD, &m_frame));
        m_page.ShowWindow(SW_SHOW);
        m_page.SetData(&m_param);
    }
    void TearDown() override {
        m_page.DestroyWindow();
        m_frame.DestroyWindow();
    }

    void Choose(UINT nID, const char* pszText) {
        CComboBox* pCombo = static_cast<CComboBox*>(m_page.GetDlgItem(nID));
        const int nItem = pCombo->FindStringExact(-1, pszText);
        ASSERT_GE(nItem, 0) << pszText;
        pCombo->SetCurSel(nItem);
        m_page.SendMessage(WM_COMMAND, MAKEWPARAM(nID, CBN_SELCHANGE), reinterpret_cast<LPARAM>(pCombo->GetSafeHwnd()));
    }
    std::string Items(UINT nID) {
        CComboBox* pCombo = static_cast<CComboBox*>(m_page.GetDlgItem(nID));
        std::string items;
        for (int i = 0; i < pCombo->GetCount(); ++i) {
            CString strItem;
            pCombo->GetLBText(i, strItem);
            items += (i ? " " : "") + std::string(strItem.Str());
        }
        return items;
    }
    CString Selected(UINT nID) { return m_page.GetComboBoxText(nID); }
    HBITMAP Shown() { return static_cast<CStatic*>(m_page.GetDlgItem(IDC_BW_PICTURE))->GetBitmap(); }

    CWnd m_frame;
    CBeamWellParam m_param;
    CBeamWellBasicDlg m_page;
};

TEST_F(BeamWellBasicPage, SupportDecidesTheHorizontalCounts) {
    EXPECT_EQ("2 3 4 5 6 7 8 9 10 11 12 13", Items(IDC_BW_NOX));
    Choose(IDC_BW_NOX, "7");
    Choose(IDC_BW_SUPPORT, "周边固定");
    EXPECT_EQ("2 3 4 5", Items(IDC_BW_NOX));
    EXPECT_EQ(CString("2"), Selected(IDC_BW_NOX));
    EXPECT_EQ("2", Items(IDC_BW_NOY));
    EXPECT_EQ(CString("2"), Selected(IDC_BW_NOY));
    EXPECT_EQ(2160, m_page.nPictureId);
    EXPECT_NE(nullptr, Shown());
}

TEST_F(BeamWellBasicPage, HorizontalCountOffersTheVerticalCountsThatHaveTables) {
    struct Case {
        const char* pszSupport;
        const char* pszHorizontal;
        const char* pszVertical;  // the list offered
        int nPictureId;           // with the first vertical count
    } cases[] = {
        {"周边简支", "2", "2", 2160},        {"周边简支", "3", "2 3", 13354},       {"周边简支", "4", "2 3 4", 13355},
        {"周边简支", "5", "2 3 4 5", 13356}, {"周边半固定", "5", "2 3 5", 13356},    {"周边固定", "5", "2 3 5", 13356},
        {"周边简支", "6", "4 5 6", 13362},   {"周边简支", "7", "4 5 6 7", 13363},   {"周边简支", "8", "5 6 7 8", 13367},
        {"周边简支", "9", "5 6 7 8 9", 13368}, {"周边简支", "10", "6 7 8 9", 13373}, {"周边简支", "11", "7 8 9", 13378},
        {"周边简支", "12", "7 8", 13379},    {"周边简支", "13", "8", 13353},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.pszHorizontal));
        Choose(IDC_BW_SUPPORT, c.pszSupport);
        Choose(IDC_BW_NOX, c.pszHorizontal);
        EXPECT_EQ(c.pszVertical, Items(IDC_BW_NOY));
        EXPECT_EQ(c.nPictureId, m_page.nPictureId);
    }
}

TEST_F(BeamWellBasicPage, VerticalCountChangesThePicture) {
    Choose(IDC_BW_NOX, "12");
    Choose(IDC_BW_NOY, "8");
    EXPECT_EQ(13384, m_page.nPictureId);
    Choose(IDC_BW_NOX, "9");
    Choose(IDC_BW_NOY, "9");
    EXPECT_EQ(13385, m_page.nPictureId);
}

TEST_F(BeamWellBasicPage, ShowsAndTakesTheStoredGrid) {
    m_param.strAbutType = "周边半固定";
    m_param.nNox = 5;
    m_param.nNoy = 3;
    m_param.dDistA = 4200;
    m_param.dDistB = 3600;
    m_param.dLoad = 7.25;
    m_param.strNumber = "JZL-7";
    m_page.SetData(&m_param);
    EXPECT_EQ("2 3 4 5", Items(IDC_BW_NOX));
    EXPECT_EQ(CString("3"), Selected(IDC_BW_NOY));
    EXPECT_EQ(13359, m_page.nPictureId);
    CBeamWellParam taken;
    m_page.GetData(&taken);
    EXPECT_EQ(CString("周边半固定"), taken.strAbutType);
    EXPECT_EQ(5, taken.nNox);
    EXPECT_EQ(3, taken.nNoy);
    EXPECT_EQ(4200, taken.dDistA);
    EXPECT_EQ(3600, taken.dDistB);
    EXPECT_EQ(7.25, taken.dLoad);
    EXPECT_EQ(CString("JZL-7"), taken.strNumber);
    EXPECT_EQ(13359, taken.nPictureId);
}

TEST_F(BeamWellBasicPage, RatioOutsideTheTableIsAWarning) {
    struct Case {
        int nNox, nNoy;
        double a, b;
        BOOL bAccepted;
    } cases[] = {
        {4, 2, 1000, 1500, TRUE},  {6, 6, 1000, 1500, FALSE}, {2, 2, 1000, 1600, TRUE}, {2, 2, 1000, 590, FALSE},
        {6, 6, 1000, 800, TRUE},   {6, 6, 1000, 1200, TRUE},  {2, 2, 1000, 1700, FALSE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nNox << " x " << c.nNoy << ", b = " << c.b);
        m_param.nNox = c.nNox;
        m_param.nNoy = c.nNoy;
        m_param.dDistA = c.a;
        m_param.dDistB = c.b;
        CStringArray arrWarnings, arrErrors;
        EXPECT_EQ(c.bAccepted, m_page.CheckData(&m_param, arrWarnings, arrErrors));
        EXPECT_EQ(0, arrErrors.GetSize());
        ASSERT_EQ(c.bAccepted ? 0 : 1, arrWarnings.GetSize());
        if (!c.bAccepted) {
            EXPECT_EQ(CString("跨度比b/a不合理,会导致查表失败!"), arrWarnings[0]);
        }
    }
}

class BeamWellSession : public testing::Test {
protected:
    void SetUp() override { qelt::InteractionLog::Instance().Clear(); }

    void Run(qelt::UserScript& script) {
        CBeamWellBasicDlg page;
        CCaltWorkDlg work;
        work.m_nDlgType = 1;
        work.AddPage(&page, "基本参数", CBeamWellBasicDlg::IDD);
        work.SetParam(&m_param);
        qelt::ScopedUserScript installed(script);
        work.Show(IDD_CALT_WORK);
        EXPECT_FALSE(script.Failed()) << script.Error();
    }

    TempStore m_store;
    CBeamWellParam m_param;
};

// A 2 × 2 grid of 4 m × 3 m panels under 5 kN/m², fixed: A1 ±0.1754·180, B1 ±0.0746·240.
TEST_F(BeamWellSession, CalculatesTheGridThatThePersonGivesAndStoresIt) {
    qelt::UserScript script;
    script.Choose(IDC_BW_SUPPORT, "周边固定")
        .Set(IDC_BW_DISTA, "4000")
        .Set(IDC_BW_DISTB, "3000")
        .Set(IDC_BW_LOAD, "5")
        .Set(IDC_BW_NUMBER, "JZL-2")
        .Click(IDC_WORK_CALCULATE)
        .Close();
    Run(script);
    EXPECT_NEAR(31.572, m_param.beamForce[BW_A1].dPositive, 1e-9);
    EXPECT_NEAR(-17.904, m_param.beamForce[BW_B1].dNegative, 1e-9);
    struct Stored {
        const char* pszKey;
        double dValue;
    } stored[] = {{"CBeamWellParam//dDistA", 4000}, {"CBeamWellParam//dLoad", 5},
                  {"CBeamWellParam//dA1N", -31.572}, {"CBeamWellParam//dB1V", 23.952}};
    for (const Stored& s : stored) {
        double dValue = 0;
        EXPECT_TRUE(CVuskSave::GetValue(s.pszKey, dValue, 0.0)) << s.pszKey;
        EXPECT_NEAR(s.dValue, dValue, 1e-9) << s.pszKey;
    }
    CString strText;
    EXPECT_TRUE(CVuskSave::GetValue("CBeamWellParam//strAbutType", strText, ""));
    EXPECT_EQ(CString("周边固定"), strText);
    EXPECT_TRUE(CVuskSave::GetValue("CBeamWellParam//strNumber", strText, ""));
    EXPECT_EQ(CString("JZL-2"), strText);
    EXPECT_GT(m_param.wordC.GetRowCount(), 0);
}

// The counts chosen by the person: a fixed 3 × 3 grid of 5 m × 4 m panels under 5 kN/m² shares
// each crossing as P/(1 + r³); its A beams carry X·b/3 at the crossings and 2X·b/3 at the edges.
TEST_F(BeamWellSession, CalculatesTheCountsThatThePersonChooses) {
    qelt::UserScript script;
    script.Choose(IDC_BW_SUPPORT, "周边固定")
        .Choose(IDC_BW_NOX, "3")
        .Choose(IDC_BW_NOY, "3")
        .Set(IDC_BW_DISTA, "5000")
        .Set(IDC_BW_DISTB, "4000")
        .Set(IDC_BW_LOAD, "5")
        .Click(IDC_WORK_CALCULATE)
        .Close();
    Run(script);
    EXPECT_EQ(3, m_param.nNox);
    EXPECT_EQ(3, m_param.nNoy);
    EXPECT_NEAR(88.2, m_param.beamForce[BW_A1].dPositive, 1e-9);
    EXPECT_NEAR(-176.36, m_param.beamForce[BW_A1].dNegative, 1e-9);
    EXPECT_NEAR(56.45, m_param.beamForce[BW_B1].dPositive, 1e-9);
}

// A stored grid comes back with its results.
TEST_F(BeamWellSession, ReadsTheStoredGrid) {
    CBeamWellParam stored;
    stored.nNox = 13;
    stored.nNoy = 8;
    stored.beamForce[BW_B4].dNegative = -1.5;
    stored.beamForce[BW_B4].dShear = 2.5;
    ASSERT_TRUE(stored.WriteParam("CBeamWellParam/"));
    CBeamWellParam read;
    ASSERT_TRUE(read.ReadParam("CBeamWellParam/"));
    EXPECT_EQ(13, read.nNox);
    EXPECT_EQ(8, read.nNoy);
    EXPECT_EQ(-1.5, read.beamForce[BW_B4].dNegative);
    EXPECT_EQ(2.5, read.beamForce[BW_B4].dShear);
    double dValue = 0;
    EXPECT_TRUE(CVuskSave::GetValue("CBeamWellParam//dB4V", dValue, 0.0));
    EXPECT_EQ(2.5, dValue);
}

}  // namespace
