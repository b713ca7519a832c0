// The embedded part's main page: the anchor-type tree with the load cases it enables, the
// capacities in the N, M and V statics (worked by hand from the formulas), the drawing options and
// "绘图", which stores every value and sends the drawing command.
#include <gtest/gtest.h>

#include "Printers.h"
#include "PreComPageFixture.h"
#include "host/VuskMainInfo.h"
#include "host/YorFile.h"

namespace {

using PreComDlg = PreComPageFixture;

const UINT kCases[] = {IDC_PRECOM_TENSION, IDC_PRECOM_SHEAR, IDC_PRECOM_BEND_SHEAR, IDC_PRECOM_TENSION_BEND_SHEAR,
                       IDC_PRECOM_PRESS_BEND_SHEAR};

TEST_F(PreComDlg, FirstStartShowsTheStraightBarsInTension) {
    EXPECT_EQ(Page().m_nSubSelect, 3);
    EXPECT_TRUE(Sub(3)->GetStyle() & WS_VISIBLE);
    EXPECT_TRUE(Page().IsDlgButtonChecked(IDC_PRECOM_TENSION));
    // 0.0008·210·4·0.85·50.27, αb = 0.6 + 0.25·8/8 at y/t = 45/8 below 8.
    EXPECT_EQ(Shown(IDC_PRECOM_N), CString("28.71"));
    EXPECT_EQ(Shown(IDC_PRECOM_M), CString("--"));
    EXPECT_EQ(Shown(IDC_PRECOM_V), CString("--"));
    EXPECT_EQ(Shown(IDC_PRECOM_SCALE), CString("5"));
    EXPECT_EQ(Shown(IDC_PRECOM_NAME), CString("M-1"));
    for (UINT nID : {IDC_PRECOM_PLAN, IDC_PRECOM_SIDE, IDC_PRECOM_DIM}) EXPECT_TRUE(Page().IsDlgButtonChecked(nID));
}

struct TypeCase {
    const char* pszItem;
    int nSub;
    unsigned nEnabled;  // bit per load case
    int nChecked;       // -1: none
    const char *pszN, *pszM, *pszV;
};

const TypeCase kTypes[] = {
    {"构造-钢板锚板", 1, 0, -1, "--", "--", "--"},
    {"构造-角钢锚板", 2, 0, -1, "--", "--", "--"},
    {"直锚筋", 3, 0x1F, 0, "28.71", "--", "--"},
    // L30x3: N1 = 0.168·4·175 = 117.60 governs.
    {"角钢锚筋", 4, 0x0B, 0, "117.60", "-", "-"},
    // 0.001·(0.9·0.7·4·50.27·210 + 0.72·50.27·210).
    {"直锚筋+弯折锚筋", 5, 0x02, 1, "--", "--", "34.20"},
    // 0.001·(0.7·210·4·50.27 + 0.7·200·9.6).
    {"直锚筋+抗剪钢板", 6, 0x02, 1, "--", "--", "30.90"},
    {"直锚筋+端板", 7, 0x09, 0, "28.71", "--", "--"},
    {"吊环", 8, 0x01, 0, "5.03", "--", "--"},
};

TEST_F(PreComDlg, EachTypeEnablesItsLoadCasesAndShowsItsCapacity) {
    for (const TypeCase& c : kTypes) {
        SCOPED_TRACE(c.pszItem);
        Pick(c.pszItem);
        EXPECT_EQ(Page().m_nSubSelect, c.nSub);
        for (int nSub = 1; nSub <= 8; ++nSub) EXPECT_EQ((Sub(nSub)->GetStyle() & WS_VISIBLE) != 0, nSub == c.nSub);
        for (int nCase = 0; nCase < 5; ++nCase) {
            EXPECT_EQ(Enabled(&Page(), kCases[nCase]), (c.nEnabled >> nCase) & 1) << nCase;
            EXPECT_EQ(Page().IsDlgButtonChecked(kCases[nCase]) != 0, nCase == c.nChecked) << nCase;
        }
        EXPECT_EQ(Shown(IDC_PRECOM_N), CString(c.pszN));
        EXPECT_EQ(Shown(IDC_PRECOM_M), CString(c.pszM));
        EXPECT_EQ(Shown(IDC_PRECOM_V), CString(c.pszV));
        EXPECT_EQ(Enabled(&Page(), IDC_PRECOM_PLAN), c.nSub != 8);
        EXPECT_EQ(Enabled(&Page(), IDC_PRECOM_SIDE), c.nSub != 8);
        EXPECT_TRUE(Enabled(&Page(), IDOK));
    }
}

TEST_F(PreComDlg, TheGroupItemDisablesDrawingAndKeepsTheType) {
    Pick("角钢锚筋");
    Pick("构造预埋件 ");
    EXPECT_EQ(Page().m_nSubSelect, 4);
    for (UINT nID : {static_cast<UINT>(IDOK), static_cast<UINT>(IDC_PRECOM_SCALE), static_cast<UINT>(IDC_PRECOM_NAME)})
        EXPECT_FALSE(Enabled(&Page(), nID));
    for (UINT nID : kCases) EXPECT_FALSE(Enabled(&Page(), nID));
}

TEST_F(PreComDlg, StraightBarsByLoadCase) {
    // The defaults (N = V = M = 1). Compression-bending-shear takes no moment, its disabled M box shows
    // 0: Vc = 0.3·1 + 1.0·29.556 = 29.86 by the kc method (10.9.1-3 gives as much), Mc = 0.045·(0.4 +
    // 28.71/2) = 0.66 by 10.9.1-4.
    struct Row {
        UINT nCase;
        const char *pszN, *pszM, *pszV;
        const char* pszRule;
        const char* pszMBox;
    } rows[] = {
        {IDC_PRECOM_SHEAR, "--", "--", "29.56", "", "1.000"},
        {IDC_PRECOM_BEND_SHEAR, "--", "--", "26.56", "", "1.000"},
        {IDC_PRECOM_TENSION_BEND_SHEAR, "0.63", "0.63", "0.63", "", "1.000"},
        {IDC_PRECOM_PRESS_BEND_SHEAR, "--", "0.66", "29.86", "V由kc公式控制,不超过式(10.9.1-3)", "0.000"},
        {IDC_PRECOM_TENSION, "28.71", "--", "--", "", "1.000"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nCase);
        Click(row.nCase);
        EXPECT_EQ(Shown(IDC_PRECOM_N), CString(row.pszN));
        EXPECT_EQ(Shown(IDC_PRECOM_M), CString(row.pszM));
        EXPECT_EQ(Shown(IDC_PRECOM_V), CString(row.pszV));
        EXPECT_EQ(Text(Sub(3), IDC_P3_VC_RULE), CString(row.pszRule));
        EXPECT_EQ(Text(Sub(3), IDC_P3_M), CString(row.pszMBox));
        EXPECT_EQ(Enabled(Sub(3), IDC_P3_E), row.nCase == IDC_PRECOM_BEND_SHEAR);
        EXPECT_EQ(Enabled(Sub(3), IDC_P3_M), row.nCase == IDC_PRECOM_TENSION_BEND_SHEAR);
        EXPECT_EQ(Enabled(Sub(3), IDC_P3_N),
                  row.nCase == IDC_PRECOM_TENSION_BEND_SHEAR || row.nCase == IDC_PRECOM_PRESS_BEND_SHEAR);
    }
}

// A moment typed in tension-bending-shear is kept for it but changes nothing in compression-bending-
// shear, whose M box shows 0 (the defaults' Vc 29.86 and Mc 0.66), and comes back with the case.
TEST_F(PreComDlg, CompressionIgnoresTheMomentOfTensionBendingShear) {
    Click(IDC_PRECOM_TENSION_BEND_SHEAR);
    Type(Sub(3), IDC_P3_M, "5");
    EXPECT_EQ(Page().m_record.m_Sub3.m_dForceM, 5);
    Click(IDC_PRECOM_PRESS_BEND_SHEAR);
    EXPECT_EQ(Text(Sub(3), IDC_P3_M), CString("0.000"));
    EXPECT_EQ(Shown(IDC_PRECOM_M), CString("0.66"));
    EXPECT_EQ(Shown(IDC_PRECOM_V), CString("29.86"));
    Type(Sub(3), IDC_P3_V, "2");  // a reading in compression leaves the moment alone
    EXPECT_EQ(Page().m_record.m_Sub3.m_dForceM, 5);
    Click(IDC_PRECOM_TENSION_BEND_SHEAR);
    EXPECT_EQ(Text(Sub(3), IDC_P3_M), CString("5.000"));
    EXPECT_TRUE(Enabled(Sub(3), IDC_P3_M));
}

TEST_F(PreComDlg, DrawingOptionsFallBackToTheStoredOnes) {
    struct Row {
        UINT nID;
        const char* pszTyped;
        const char* pszShown;
    } rows[] = {
        {IDC_PRECOM_SCALE, "0", "5"}, {IDC_PRECOM_SCALE, "abc", "5"}, {IDC_PRECOM_SCALE, "20", "20"},
        {IDC_PRECOM_SCALE, "-3", "20"}, {IDC_PRECOM_NAME, "   ", "M-1"}, {IDC_PRECOM_NAME, " M-7 ", " M-7 "},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszTyped);
        Type(&Page(), row.nID, row.pszTyped);
        EXPECT_EQ(Shown(row.nID), CString(row.pszShown));
    }
    EXPECT_EQ(Page().m_record.m_nDraw, 20);
    EXPECT_EQ(Page().m_record.m_strName, CString("M-7"));
}

TEST_F(PreComDlg, OneViewStaysWanted) {
    Page().CheckDlgButton(IDC_PRECOM_PLAN, BST_UNCHECKED);
    Page().SendMessage(WM_COMMAND, MAKEWPARAM(IDC_PRECOM_PLAN, BN_CLICKED), 0);
    EXPECT_EQ(Page().m_record.m_bIsLeft, 0);
    Page().CheckDlgButton(IDC_PRECOM_SIDE, BST_UNCHECKED);
    Page().SendMessage(WM_COMMAND, MAKEWPARAM(IDC_PRECOM_SIDE, BN_CLICKED), 0);
    EXPECT_TRUE(Page().IsDlgButtonChecked(IDC_PRECOM_SIDE));
    EXPECT_EQ(Page().m_record.m_bIsRight, 1);
}

TEST_F(PreComDlg, DrawingStoresEveryValueAndSendsTheCommand) {
    Pick("直锚筋+端板");
    Type(&Page(), IDC_PRECOM_NAME, "M-9");
    qelt::host::TakeDrawingKeysWritten();
    const size_t nSent = g_VuskMainInfo.GetAcadCommands().size();
    Page().SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ASSERT_EQ(g_VuskMainInfo.GetAcadCommands().size(), nSent + 1);
    EXPECT_EQ(g_VuskMainInfo.GetAcadCommands().back().strCommand, CString("VuskYMJ\n"));
    EXPECT_EQ(g_VuskMainInfo.GetAcadCommands().back().parameters.size(), 100u);
    int nSub = 0;
    CYorFile::GetValue("CPreComPreCom/m_nSubSelect", nSub, 0);
    EXPECT_EQ(nSub, 7);
    CString strName;
    CYorFile::GetValue("CPreComPreCom/m_strName", strName, "");
    EXPECT_EQ(strName, CString("M-9"));

    // Opened again, the page shows the type last drawn.
    Close();
    Open();
    EXPECT_EQ(Page().m_nSubSelect, 7);
    EXPECT_TRUE(Sub(7)->GetStyle() & WS_VISIBLE);
    EXPECT_EQ(Shown(IDC_PRECOM_NAME), CString("M-9"));
}

TEST_F(PreComDlg, AStoredZeroLoadShowsNoNonFiniteCapacity) {
    Close();
    CYorFile::SetValue("CPreComD_mSub3/m_dForceN", 0.0);
    CYorFile::SetValue("CPreComD_mSub3/m_dForceM", 0.0);
    Open();
    Page().m_record.m_Sub3.m_dForceN = 0;
    Page().m_record.m_Sub3.m_dForceM = 0;
    Click(IDC_PRECOM_TENSION_BEND_SHEAR);
    for (UINT nID : {IDC_PRECOM_N, IDC_PRECOM_M, IDC_PRECOM_V}) {
        const CString strShown = Shown(nID);
        EXPECT_EQ(strShown.Find("nan"), -1) << strShown;
        EXPECT_EQ(strShown.Find("inf"), -1) << strShown;
        EXPECT_EQ(strShown.Find("-"), -1) << strShown;
    }
}

}  // namespace
