// The plate stair's drawing page: the record built from the parameters, the ranges that keep its
// fields, the type's controls, and a session that writes the record and sends the drawing command.
#include <gtest/gtest.h>

#include <string>

#include "Printers.h"
#include "ReferencePicture.h"
#include "StairBoardSession.h"
#include "host/VuskMainInfo.h"
#include "host/YorFile.h"
#include "mfc/user/WindowManager.h"
#include "render/Render.h"
#include "stair/StairBoardPreview.h"

namespace {

class StairBoardDrawPage : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_frame.CreateEx(0, nullptr, "frame", WS_POPUP | WS_VISIBLE, CRect(0, 0, 900, 700), nullptr, 0));
        ASSERT_TRUE(m_page.Create(CStairBoardDrawDlg::IDD, &m_frame));
        m_page.ShowWindow(SW_SHOW);
    }
    void TearDown() override {
        m_page.DestroyWindow();
        m_frame.DestroyWindow();
    }

    void Show() {
        m_param.Calculate();
        m_page.SetData(&m_param);
    }
    // Text typed into an edit box, then the page collects.
    void Type(UINT nID, const char* pszText) {
        m_page.SetDlgItemText(nID, pszText);
        m_page.Redraw();
    }
    CString Text(UINT nID) {
        CString strText;
        m_page.GetDlgItem(nID)->GetWindowText(strText);
        return strText;
    }
    BOOL Enabled(UINT nID) { return m_page.GetDlgItem(nID)->IsWindowEnabled(); }

    CWnd m_frame;
    CStairBoardParam m_param;
    CStairBoardDrawDlg m_page;
};

struct GeometryCase {
    int kind;
    double L1, L2, L3;
    double b, l1, ln, l2, l3;
};

const GeometryCase kGeometry[] = {
    // The calculation's tread L1/(n − 1) with n = 10: 2800/9 = 311.11 and 2000/9 = 222.22; the
    // flight (n − 1)·b is L1 again; Ln adds the landings of the type.
    {1, 2800, 0, 0, 2800.0 / 9, 2800, 2800, 0, 0},
    {3, 2800, 300, 0, 2800.0 / 9, 2800, 3100, 300, 0},
    {5, 2000, 300, 400, 2000.0 / 9, 2000, 2700, 300, 400},
};

TEST_F(StairBoardDrawPage, RecordFollowsTheParameters) {
    for (const GeometryCase& c : kGeometry) {
        SCOPED_TRACE(c.kind);
        m_param.M_STAIR_KIND = c.kind;
        m_param.M_LN = c.L1;
        m_param.M_LR = c.L2;
        m_param.M_LL = c.L3;
        Show();
        const StairBoardDrawData& r = m_page.m_record;
        EXPECT_NEAR(r.m_dSizeB, c.b, 1e-9);
        EXPECT_NEAR(r.m_dSizeL1, c.l1, 1e-9);
        EXPECT_NEAR(r.m_dSizeL, c.ln, 1e-9);
        EXPECT_EQ(r.m_dSizeL2, c.l2);
        EXPECT_EQ(r.m_dSizeL3, c.l3);
        EXPECT_EQ(r.m_dSizeH, 150);
        EXPECT_EQ(r.m_nType, c.kind);
        EXPECT_EQ(r.m_nReinD1, m_param.m_nBarDia[0]);
        EXPECT_EQ(r.m_nReinN4, m_param.m_nBarSpace[3]);
        EXPECT_EQ(r.m_strReinLevel4, CString("HPB235"));
        EXPECT_EQ(Text(IDC_SBD_L1), CString(std::to_string(static_cast<int>(c.l1)).c_str()));
        EXPECT_EQ(Text(IDC_SBD_LN), CString(std::to_string(static_cast<int>(c.ln)).c_str()));
    }
}

// The tread 2000/9 shows to a tenth of a millimetre, as the report gives b (0.2222 m); collecting the
// page keeps the exact width while the text reads so, and the flight stays 9·b = 2000. A width typed
// in its place is taken: 250 gives a flight of 2250.
TEST_F(StairBoardDrawPage, TreadWidthShownToATenth) {
    Show();
    EXPECT_EQ(Text(IDC_SBD_B), CString("222.2"));
    m_page.Redraw();
    EXPECT_EQ(m_page.m_record.m_dSizeB, 2000.0 / 9);
    EXPECT_EQ(Text(IDC_SBD_B), CString("222.2"));
    EXPECT_EQ(Text(IDC_SBD_L1), CString("2000"));
    Type(IDC_SBD_B, "250");
    EXPECT_EQ(m_page.m_record.m_dSizeB, 250);
    EXPECT_EQ(Text(IDC_SBD_L1), CString("2250"));
}

TEST_F(StairBoardDrawPage, FieldsStayWithinTheirRanges) {
    Show();
    const struct {
        UINT nID;
        const char* typed;
        const char* kept;
    } kCases[] = {
        {IDC_SBD_SCALE, "0", "30"},     {IDC_SBD_SCALE, "-5", "30"},   {IDC_SBD_SCALE, "50", "50"},
        {IDC_SBD_SPACE1, "50", "100"},  {IDC_SBD_SPACE1, "51", "51"},  {IDC_SBD_SPACE1, "500", "51"},
        {IDC_SBD_SPACE1, "499", "499"}, {IDC_SBD_C1, "2000", "350"},   {IDC_SBD_C1, "1999", "1999"},
        {IDC_SBD_N, "3", "10"},         {IDC_SBD_N, "30", "10"},
    };
    for (const auto& c : kCases) {
        Type(c.nID, c.typed);
        EXPECT_EQ(Text(c.nID), CString(c.kept)) << c.nID << " " << c.typed;
    }
    EXPECT_EQ(m_page.m_record.m_dScale, 50);
    EXPECT_EQ(m_page.m_record.m_nReinN1, 499);
    EXPECT_EQ(m_page.m_record.m_dSizeC1, 1999);
}

TEST_F(StairBoardDrawPage, TypeEnablesItsControlsAndBarFiveFollowsBarOne) {
    Show();
    EXPECT_FALSE(Enabled(IDC_SBD_DIA5));
    EXPECT_FALSE(Enabled(IDC_SBD_L2));
    EXPECT_TRUE(Enabled(IDC_SBD_B2));
    m_page.SendMessage(WM_USER + 100, 1, 0);  // B
    EXPECT_FALSE(Enabled(IDC_SBD_B2));
    EXPECT_FALSE(Enabled(IDC_SBD_C2));
    m_page.SendMessage(WM_USER + 100, 2, 0);  // C
    EXPECT_TRUE(Enabled(IDC_SBD_DIA5));
    EXPECT_TRUE(Enabled(IDC_SBD_L2));
    EXPECT_FALSE(Enabled(IDC_SBD_DIA6));
    m_page.SetComboBoxText(IDC_SBD_DIA5, 16);
    m_page.Redraw();
    EXPECT_EQ(m_page.m_record.m_nReinD5, 16);
    m_page.SendMessage(WM_USER + 100, 3, 0);  // D: bar 5 as bar 1
    EXPECT_EQ(m_page.m_record.m_nType, 4);
    EXPECT_FALSE(Enabled(IDC_SBD_DIA5));
    EXPECT_TRUE(Enabled(IDC_SBD_SPACE5));
    EXPECT_EQ(m_page.m_record.m_nReinD5, m_page.m_record.m_nReinD1);
    m_page.SendMessage(WM_USER + 100, 4, 0);  // E
    EXPECT_TRUE(Enabled(IDC_SBD_DIA6));
    EXPECT_TRUE(Enabled(IDC_SBD_GRADE6));
}

TEST_F(StairBoardDrawPage, MirrorTogglesWithEveryClick) {
    Show();
    for (int bMirror : {1, 0}) {
        m_page.CheckDlgButton(IDC_SBD_MIRROR, bMirror ? BST_CHECKED : BST_UNCHECKED);
        m_page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SBD_MIRROR, BN_CLICKED),
                           reinterpret_cast<LPARAM>(m_page.GetDlgItem(IDC_SBD_MIRROR)->GetSafeHwnd()));
        EXPECT_EQ(m_page.m_record.m_bMirror, bMirror);
        EXPECT_EQ(m_page.IsDlgButtonChecked(IDC_SBD_MIRROR), bMirror ? BST_CHECKED : BST_UNCHECKED);
    }
}

// The preview picture (bitmap 2098): a flight on its two stair beams with bars ① to ④, compared with
// the reference looked at; the page's static 624 shows it.
TEST_F(StairBoardDrawPage, PreviewPictureIsDrawn) {
    CBitmap bitmap;
    ASSERT_TRUE(CreateStairBoardPreview(bitmap));
    EXPECT_TRUE(qelt::test::MatchesReferencePicture(qelt::render::BitmapToPng(static_cast<HBITMAP>(bitmap)),
                                                    std::string(QELT_PICTURES) + "/stair-board-preview.png"));
    const HBITMAP shown = reinterpret_cast<HBITMAP>(m_page.GetDlgItem(IDC_SBD_PREVIEW)->SendMessage(STM_GETIMAGE, IMAGE_BITMAP));
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(qelt::render::BitmapToPng(shown), qelt::render::BitmapToPng(static_cast<HBITMAP>(bitmap)));
}

// With Ctrl held as the page opens, the preview gets its hint; without, the page has no tooltip.
TEST(StairBoardDrawPageHint, CtrlHeldGivesThePreviewItsHint) {
    for (bool bCtrl : {true, false}) {
        CWnd frame;
        ASSERT_TRUE(frame.CreateEx(0, nullptr, "frame", WS_POPUP | WS_VISIBLE, CRect(0, 0, 900, 700), nullptr, 0));
        CStairBoardDrawDlg page;
        qelt::HoldKey(VK_CONTROL, bCtrl);
        ASSERT_TRUE(page.Create(CStairBoardDrawDlg::IDD, &frame));
        qelt::HoldKey(VK_CONTROL, false);
        EXPECT_EQ(page.m_ctrlTip.m_hWnd != nullptr, bCtrl);
        if (bCtrl) {
            EXPECT_EQ(page.m_ctrlTip.GetToolCount(), 1);
            CString strTip;
            page.m_ctrlTip.GetText(strTip, page.GetDlgItem(IDC_SBD_PREVIEW));
            EXPECT_EQ(strTip, CString("鼠标单击可放大预览"));
            EXPECT_TRUE(page.m_ctrlTip.IsActive());
        }
        page.DestroyWindow();
        frame.DestroyWindow();
    }
}

using StairBoardDrawSession = StairBoardSession;

// "绘图" stores the 35 fields under "StairBoardDraw" and sends "VUSKBSHLT\n" once.
TEST_F(StairBoardDrawSession, DrawingWritesTheRecordAndSendsTheCommand) {
    const size_t nSent = g_VuskMainInfo.GetAcadCommands().size();
    qelt::UserScript script;
    script.Tab("绘图预览").Set(IDC_SBD_SCALE, "50").Set(IDC_SBD_NAME, "LT-9").Check(IDC_SBD_MIRROR, true)
        .Click(IDC_SBD_DRAW).Close();
    Run(script);
    const auto& commands = g_VuskMainInfo.GetAcadCommands();
    ASSERT_EQ(commands.size(), nSent + 1);
    const CVuskAcadCommand& command = commands.back();
    EXPECT_EQ(command.strCommand, CString("VUSKBSHLT\n"));
    ASSERT_EQ(command.parameters.size(), 35u);
    EXPECT_EQ(command.parameters.front().key, "StairBoardDraw/m_bMirror");
    EXPECT_EQ(command.parameters.back().key, "StairBoardDraw/m_nType");
    for (const auto& parameter : command.parameters) EXPECT_EQ(parameter.key.rfind("StairBoardDraw/m_", 0), 0u);

    double dScale = 0;
    int nMirror = 0, nDia = 0, nSpace = 0;
    CString strName;
    EXPECT_TRUE(CYorFile::GetValue("StairBoardDraw/m_dScale", dScale, 0));
    EXPECT_TRUE(CYorFile::GetValue("StairBoardDraw/m_bMirror", nMirror, 0));
    EXPECT_TRUE(CYorFile::GetValue("StairBoardDraw/m_strNum", strName, ""));
    EXPECT_TRUE(CYorFile::GetValue("StairBoardDraw/m_nReinD1", nDia, 0));
    EXPECT_TRUE(CYorFile::GetValue("StairBoardDraw/m_nReinN4", nSpace, 0));
    EXPECT_EQ(dScale, 50);
    EXPECT_EQ(nMirror, 1);
    EXPECT_EQ(strName, CString("LT-9"));
    EXPECT_EQ(nDia, 10);
    EXPECT_EQ(nSpace, 200);
}

}  // namespace
