// The beam stair's drawing page: the record's checks with their numbered messages, the record taken
// from the parameters with and without schemes, the bar rule of the shapes, the slides of the views,
// refused scales, and "绘图" that stores the 40 fields and sends the command, or asks first.
#include <gtest/gtest.h>

#include "BeamStairSession.h"
#include "Printers.h"
#include "host/Help.h"
#include "host/VuskApp.h"
#include "host/VuskMainInfo.h"
#include "host/YorFile.h"

namespace {

// F1 (WM_HELP, from a control of the page) and the help command 57670 reach the class library's help
// command with the page's help context, HID_BASE_RESOURCE + 31, which the host's application takes to
// the host's help.
TEST(BeamStairDrawPageHelp, F1AndTheHelpCommandReachTheHost) {
    CVuskApp app;
    CWnd frame;
    ASSERT_TRUE(frame.CreateEx(0, nullptr, "frame", WS_POPUP | WS_VISIBLE, CRect(0, 0, 900, 700), nullptr, 0));
    CBeamStairDrawDlg page;
    ASSERT_TRUE(page.Create(CBeamStairDrawDlg::IDD, &frame));
    qelt::host::ClearHelpRequests();
    CWnd* pEdit = page.GetDlgItem(IDC_BSD_ELEV);
    pEdit->SetFocus();
    HELPINFO info = {sizeof(HELPINFO), HELPINFO_WINDOW, IDC_BSD_ELEV, pEdit->m_hWnd, 0, {0, 0}};
    EXPECT_TRUE(pEdit->SendMessage(WM_HELP, 0, reinterpret_cast<LPARAM>(&info)));
    page.SendMessage(WM_COMMAND, ID_HELP, 0);
    const auto& requests = qelt::host::HelpRequests();
    ASSERT_EQ(requests.size(), 2u);
    for (const auto& request : requests) {
        EXPECT_EQ(request.product, "Qelt");
        EXPECT_EQ(request.topic, "0x2001F");
        EXPECT_EQ(request.flag, HELP_CONTEXT);
    }
    EXPECT_EQ(HID_BASE_RESOURCE + CBeamStairDrawDlg::IDD, 0x2001FUL);
    page.DestroyWindow();
    frame.DestroyWindow();
}

TEST(BeamStairDrawData, FailuresAreNumberedInTheirOrder) {
    struct Case {
        const char* name;
        void (*edit)(BeamStairDrawData&);
        const char* text;
    } cases[] = {
        {"defaults", [](BeamStairDrawData&) {}, ""},
        {"n 19", [](BeamStairDrawData& r) { r.m_nSizeN = 19; }, "1.3=<n<=18。\n\n"},
        {"t = h3", [](BeamStairDrawData& r) { r.m_dSizeT = 300; }, "1.40<t<h3。\n\n"},
        {"t 40", [](BeamStairDrawData& r) { r.m_dSizeT = 40; }, ""},
        {"two", [](BeamStairDrawData& r) { r.m_dSizeW = 800; r.m_nSizeN = 2; }, "1.w>=850。\n\n2.3=<n<=18。\n\n"},
        {"b", [](BeamStairDrawData& r) { r.m_dSizeB = 350.5; }, "1.180=<b<=350。\n\n"},
        // 5 bars of 14 in 200: s = 20.
        {"bar 1", [](BeamStairDrawData& r) { r.m_nReinN1 = 5; }, "1.钢筋1间距应大于25及d, 请增加b3或减少钢筋根数。\n\n"},
        // 3 bars of 22: s = 42 passes 30 and 33.
        {"bar 2", [](BeamStairDrawData& r) { r.m_nReinN2 = 3; r.m_nReinD2 = 22; }, ""},
        {"one bar", [](BeamStairDrawData& r) { r.m_nReinN5 = 1; }, "1.钢筋5不能小于2根。\n\n"},
        // Shape A: h1 at least 300/cos α + 150 = 485.41, h2 at least 335.41.
        {"h1", [](BeamStairDrawData& r) { r.m_dSizeH1 = 400; }, "1.h1>=h3/cos(a)+h, 即大于485.41。\n\n"},
        {"h2 of D", [](BeamStairDrawData& r) { r.m_nType = 3; r.m_dSizeH2 = 299; }, "1.h2>=h3, 即大于300。\n\n"},
    };
    for (const Case& c : cases) {
        BeamStairDrawData r;
        c.edit(r);
        EXPECT_EQ(CBeamStairDrawDlg::DrawDataFailures(r), CString(c.text)) << c.name;
    }
}

TEST(BeamStairDrawData, SlideNamesByViewAndMirror) {
    EXPECT_EQ(CBeamStairDrawDlg::DrawSlideName(0, 0, FALSE), "BEAMSTAIRDRAW_A");
    EXPECT_EQ(CBeamStairDrawDlg::DrawSlideName(3, 0, TRUE), "BEAMSTAIRDRAW_RD");
    EXPECT_EQ(CBeamStairDrawDlg::DrawSlideName(1, 1, FALSE), "BEAMSTAIRDRAW_B1");
    EXPECT_EQ(CBeamStairDrawDlg::DrawSlideName(2, 2, TRUE), "BEAMSTAIRDRAW_RC2");
}

using BeamStairDrawSession = BeamStairSession;

// After a calculation the bars show the chosen schemes, with the beam's grade on bars 1, 2, 4, 5 and
// HPB235 on the stirrups and slab bars; a record that passes is drawn without a question.
TEST_F(BeamStairDrawSession, RecordTakesTheChosenSchemes) {
    qelt::UserScript script;
    script.Choose(IDC_BS_STEEL, "HRB335").Tab("绘图预览").Click(IDOK).Close();
    Run(script);
    EXPECT_TRUE(Texts("message box").empty());
    const BeamStairDrawData& r = m_draw.m_record;
    EXPECT_EQ(r.m_nReinD1, m_param.shpbar1_Dia);
    EXPECT_EQ(r.m_nReinN1, m_param.shpbar1_Int);
    EXPECT_EQ(r.m_nReinD3, m_param.shpbar3_Dia);
    EXPECT_EQ(r.m_nReinN6, m_param.shpbar6_Int);
    EXPECT_EQ(r.m_dSizeW, 1800);
    EXPECT_EQ(r.m_nSizeN, 12);
    CString strGrade1, strGrade3;
    EXPECT_TRUE(CYorFile::GetValue("BeamStairDraw/m_strReinLevel1", strGrade1, ""));
    EXPECT_TRUE(CYorFile::GetValue("BeamStairDraw/m_strReinLevel3", strGrade3, ""));
    EXPECT_EQ(strGrade1, "HRB335");
    EXPECT_EQ(strGrade3, "HPB235");
}

// "绘图" with a failing record asks; "否" stores nothing, "是" stores the 40 fields and sends the command.
TEST_F(BeamStairDrawSession, DrawingAsksThenStoresAndSends) {
    const size_t nSent = g_VuskMainInfo.GetAcadCommands().size();
    qelt::UserScript refused;
    refused.Tab("绘图预览").Set(IDC_BSD_N, "19").Click(IDOK).Answer(IDNO).Close();
    Run(refused);
    EXPECT_EQ(g_VuskMainInfo.GetAcadCommands().size(), nSent);
    const std::vector<CString> boxes = Texts("message box");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_GE(boxes[0].Find("1.3=<n<=18。\n\n\n是否直接绘图?"), 0);

    qelt::InteractionLog::Instance().Clear();
    qelt::UserScript accepted;
    accepted.Tab("绘图预览")
        .Set(IDC_BSD_N, "19")
        .Set(IDC_BSD_SCALE, "0")
        .Set(IDC_BSD_NAME, "LT-7")
        .Check(IDC_BSD_MIRROR, true)
        .Click(IDOK)
        .Answer(IDYES)
        .Close();
    Run(accepted);
    const auto& commands = g_VuskMainInfo.GetAcadCommands();
    ASSERT_EQ(commands.size(), nSent + 1);
    const CVuskAcadCommand& command = commands.back();
    EXPECT_EQ(command.strCommand, CString("VUSKLSHLT\n"));
    ASSERT_EQ(command.parameters.size(), 40u);
    EXPECT_EQ(command.parameters.front().key, "BeamStairDraw/m_dSizeB");
    EXPECT_EQ(command.parameters.back().key, "BeamStairDraw/m_bMirror");
    double dScale = 0;
    int nSteps = 0, nMirror = 0;
    CString strName;
    EXPECT_TRUE(CYorFile::GetValue("BeamStairDraw/m_dScale", dScale, 0));
    EXPECT_TRUE(CYorFile::GetValue("BeamStairDraw/m_nSizeN", nSteps, 0));
    EXPECT_TRUE(CYorFile::GetValue("BeamStairDraw/m_bMirror", nMirror, 0));
    EXPECT_TRUE(CYorFile::GetValue("BeamStairDraw/m_strNum", strName, ""));
    EXPECT_EQ(dScale, 30);  // 0 refused: the last accepted scale
    EXPECT_EQ(nSteps, 19);
    EXPECT_EQ(nMirror, 1);
    EXPECT_EQ(strName, "LT-7");
}

// Shape C: bar 4 needs more than 100 mm of platform beyond the bend (b 300, h 150, h3 300: 371 mm).
TEST_F(BeamStairDrawSession, BarRuleOfTheShapes) {
    struct Case {
        int shape;
        const char* l2;
        bool bar4, bar5;
    } cases[] = {{2, "800", true, true}, {2, "450", false, true}, {0, NULL, false, false}, {1, NULL, false, false}};
    for (const Case& c : cases) {
        CBeamStairParam stored;
        stored.nStairType = c.shape;
        if (c.l2) stored.l2 = std::atof(c.l2);
        stored.WriteParam("CBeamStairParam/");
        qelt::UserScript script;
        script.Tab("绘图预览").Row(IDC_BSD_SELECTOR, c.shape);
        // A disabled control refuses the action, which the script reports.
        script.Set(IDC_BSD_NUM4, "2");
        qelt::InteractionLog::Instance().Clear();
        CCaltWorkDlg work;
        work.AddPage(&m_input, "基本参数", IDD_BEAM_STAIR_INPUT);
        work.AddPage(&m_draw, "绘图预览", IDD_BEAM_STAIR_DRAW);
        work.SetParam(&m_param);
        qelt::ScopedUserScript installed(script);
        work.Show(IDD_CALT_WORK);
        EXPECT_EQ(!script.Failed(), c.bar4) << c.shape << " " << (c.l2 ? c.l2 : "");
    }
}

}  // namespace
