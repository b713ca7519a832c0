// The settings panel (its grid of settings and the mesh preview through the analysis server) and
// the result panel (rows by edge, the area of other bars and the refusal of bars of no size).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "BoardPanelFixture.h"
#include "SlabDrawingFixture.h"
#include "mfc/person/InteractionLog.h"
#include "plateserver/PlateServer.h"
#include "resources/IrregularSlabResource.h"
#include "slab/irregular/AtypicalBoardCalParamDlg.h"
#include "slab/irregular/AtypicalBoardResultDlg.h"
#include "slab/irregular/BoardInputRanges.h"

namespace {

using slabtest::P;
using slabtest::Polyline;

class PanelPageTest : public testing::Test {
protected:
    void SetUp() override
    {
        param.SetDefaultData();
        RegisterPlateServer();
        qelt::InteractionLog::Instance().Clear();
        ASSERT_TRUE(page.CreateEx(0, nullptr, "page", WS_POPUP | WS_VISIBLE, CRect(0, 0, 900, 700), nullptr, 0));
    }
    void TearDown() override
    {
        RegisterPlateServer();
        page.DestroyWindow();
    }
    template <class TPanel>
    void Open(TPanel& panel, UINT id)
    {
        panel.m_pParam = &param;
        panel.SetParentWnd(&page);
        ASSERT_TRUE(panel.Create(id, &page));
        panel.ShowWindow(SW_SHOW);
    }
    void Square()
    {
        param.m_BoardData.m_BoardPoly = Polyline(BOARD_OUTLINE, 1, {P(0, 0), P(4000, 0), P(4000, 4000), P(0, 4000)});
        param.m_BoardData.m_HasBoard = 1;
    }

    CAtypicalBoardParam param;
    slabtest::CCodeRecorder page;
};

// One row's texts: one its range takes, and some it refuses (out of range, no number, not a whole
// number where it takes one, not a listed text).
struct GridRow {
    int row;
    const char* good;
    std::vector<const char*> bad;
};

const GridRow kGridRows[] = {
    {0, "1.35", {"1.6", "nan", "-1"}},  {1, "1.3", {"0.5", "inf", "abc"}}, {2, "0.5", {"1.1", "-0.1"}},
    {3, "1.1", {"1.3", "0"}},           {4, "20", {"5", "60"}},            {5, "C60", {"C99", "c25"}},
    {6, "RRB400", {"HRB500"}},          {7, "1.2", {"0.5", "2"}},          {8, "0.9", {"3"}},
    {9, "12", {"4", "40"}},             {10, "250", {"90", "350"}},        {11, "0.3", {"0.1", "1.5"}},
    {12, "光面钢筋", {"钢筋"}},         {13, "35", {"10", "120"}},         {14, "0.2", {"0", "0.5"}},
    {15, "1.5", {"0", "2.5"}},          {16, "0.5", {"1.2", "-0.5"}},      {17, "1.2", {"0.2", "1e308"}},
    {18, "0.8", {"1.6"}},               {19, "2", {"12.5", "4", "0"}},     {20, "300", {"20", "1e9"}},
    {21, "45", {"200", "nan"}},         {22, "20", {"0", "51", "2.5"}},
};

// Every row takes what its range allows and refuses the rest with its message, keeping its setting
// and showing it again; only a value taken marks the slab modified. 自动计算 in row 11 stores 0 and
// shows "0.00" when the grid is filled again.
TEST_F(PanelPageTest, SettingsGrid)
{
    CAtypicalBoardCalParamDlg panel;
    Open(panel, IDD_BOARD_SETTINGS);
    ASSERT_EQ(panel.m_grid.GetItemCount(), 23);
    EXPECT_EQ(panel.m_grid.GetItemText(22, 0), "等值线条数");
    auto type = [&](int row, const char* text) {
        if (*kBoardSettingRows[row].choices)
            slabtest::TypeInComboCell(panel.m_grid, 1, row, text);
        else
            slabtest::EditCell(panel.m_grid, 1, row, text);
    };
    for (const GridRow& r : kGridRows) {
        SCOPED_TRACE(r.row);
        for (const char* bad : r.bad) {
            SCOPED_TRACE(bad);
            qelt::InteractionLog::Instance().Clear();
            param.m_bModified = 0;
            const CBoardSetting kept = param.m_param;
            type(r.row, bad);
            EXPECT_EQ(qelt::InteractionLog::Instance().Entries().size(), 1u);
            EXPECT_EQ(FormatSettingRow(param.m_param, r.row), FormatSettingRow(kept, r.row));
            EXPECT_EQ(panel.m_grid.GetItemText(r.row, 1), FormatSettingRow(kept, r.row));
            EXPECT_EQ(param.m_bModified, 0);
        }
        qelt::InteractionLog::Instance().Clear();
        type(r.row, r.good);
        EXPECT_TRUE(qelt::InteractionLog::Instance().Entries().empty());
        EXPECT_EQ(param.m_bModified, 1);
        const CString shown = FormatSettingRow(param.m_param, r.row);
        if (kBoardSettingRows[r.row].text)
            EXPECT_EQ(shown, r.good);
        else
            EXPECT_DOUBLE_EQ(std::atof(shown), std::atof(r.good));
    }
    // The messages say what a row takes.
    const std::pair<int, const char*> messages[] = {
        {0, "永久荷载分项系数γG的输入值应在0.9与1.5之间"},
        {11, "受拉纵筋最小配筋率应为自动计算,或在0.15与1之间"},
        {12, "受拉纵筋钢筋类别应为光面钢筋、带肋钢筋之一"},
        {19, "剖分线准则应为1到3之间的整数"},
    };
    for (const auto& [row, message] : messages) {
        qelt::InteractionLog::Instance().Clear();
        type(row, "abc");
        ASSERT_EQ(qelt::InteractionLog::Instance().Entries().size(), 1u);
        EXPECT_EQ(qelt::InteractionLog::Instance().Entries()[0].text, message);
    }
    slabtest::ChooseCell(panel.m_grid, 1, 11, "自动计算");
    EXPECT_EQ(param.m_param.m_dColuReinMinRate, 0.0);
    panel.ShowSettings();
    EXPECT_EQ(panel.m_grid.GetItemText(11, 1), "0.00");
    panel.DestroyWindow();
}

// A setting, a load or the thickness out of its range that reached the slab another way (a damaged
// store) is refused by the calculation with the same message, before anything is sent.
TEST_F(PanelPageTest, CalculationChecksTheSettingsItIsGiven)
{
    Square();
    const std::pair<void (*)(CAtypicalBoardParam&), const char*> cases[] = {
        {[](CAtypicalBoardParam& p) { p.m_param.m_dReinMaxDis = 80.0; }, "板分布钢筋最大间距(mm)的输入值应在100与300之间"},
        {[](CAtypicalBoardParam& p) { p.m_param.m_nBoardWidth = -100.0; }, "板厚(mm)的输入值应在1与1000之间"},
        {[](CAtypicalBoardParam& p) { p.m_param.m_EverLoadVal = std::nan(""); }, "均布荷载的输入值应在-10000与10000之间"},
        {[](CAtypicalBoardParam& p) { p.m_BoardData.m_MassLoadArray.Add(CMassLoad(P(1000, 1000), LOAD_DEAD, 1e308)); },
         "荷载值的输入值应在-10000与10000之间"},
    };
    for (const auto& [change, message] : cases) {
        SCOPED_TRACE(message);
        CAtypicalBoardParam bad;
        bad.SetDefaultData();
        bad.m_BoardData = param.m_BoardData;
        change(bad);
        bad.m_bModified = 1;
        qelt::InteractionLog::Instance().Clear();
        EXPECT_EQ(bad.Calculate(), 0);
        ASSERT_EQ(qelt::InteractionLog::Instance().Entries().size(), 1u);
        EXPECT_EQ(qelt::InteractionLog::Instance().Entries()[0].text, message);
    }
}

// 预览网格图 brings the mesh lines (kind 0) back, keeps the model's input, and asks the page for the
// mesh picture and a redraw; without a server the lines are empty and the engineer is told.
TEST_F(PanelPageTest, MeshPreview)
{
    Square();
    CAtypicalBoardCalParamDlg panel;
    Open(panel, IDD_BOARD_SETTINGS);
    panel.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BOARD_PREVIEW_MESH, BN_CLICKED), 0);
    EXPECT_EQ(page.codes, (std::vector<int>{BOARD_SHOW_MESH, BOARD_MODEL_CHANGED}));
    const CBoardData& data = param.m_BoardData;
    ASSERT_GT(data.m_ResultLines.GetSize(), 4);
    EXPECT_EQ(data.m_ResultLines[0].GetKind(), 0);
    EXPECT_EQ(data.m_BoardPoly.GetCount(), 4);
    EXPECT_EQ(data.m_ResultTexts.GetSize(), 0);

    RevokePlateServer();
    panel.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BOARD_PREVIEW_MESH, BN_CLICKED), 0);
    EXPECT_EQ(data.m_ResultLines.GetSize(), 0);
    EXPECT_FALSE(qelt::InteractionLog::Instance().Entries().empty());
    panel.DestroyWindow();
}

// Before a calculation only the two direction rows, with "***"; after one a row per edge named by
// its vertices; diameter 10 at spacing 200 is 10² π / 4 · 1000 / 200 = 392.70 mm²/m; a spacing of 0
// or a word is refused and the row's own spacing comes back.
TEST_F(PanelPageTest, ResultRows)
{
    Square();
    CAtypicalBoardResultDlg panel;
    Open(panel, IDD_BOARD_RESULTS);
    panel.SetRows(CArray<BoardReinResult, const BoardReinResult&>());
    ASSERT_EQ(panel.m_table.GetItemCount(), 2);
    EXPECT_EQ(slabtest::ListRow(panel.m_table, 1), (std::vector<CString>{"Y向正筋", "***", "***", "***", "***", "***", "***", "***"}));

    param.m_bModified = 1;
    ASSERT_EQ(param.Calculate(), 1);
    CArray<BoardReinResult, const BoardReinResult&> rows;
    rows.Copy(param.m_ReinResults);
    rows[0].m_dDiameter = 10.0;
    panel.SetRows(rows);
    ASSERT_EQ(panel.m_table.GetItemCount(), 6);
    EXPECT_EQ(panel.m_table.GetItemText(2, 0), "1-2");
    EXPECT_EQ(panel.m_table.GetItemText(5, 0), "4-1");
    slabtest::TypeInComboCell(panel.m_table, 4, 0, "200");
    EXPECT_EQ(panel.m_table.GetItemText(0, 5), "392.70");
    const double crack = std::atof(panel.m_table.GetItemText(0, 7));
    EXPECT_GT(crack, 0.0);
    EXPECT_EQ(page.codes, std::vector<int>{BOARD_MODEL_CHANGED});
    const CString shown = panel.m_table.GetItemText(0, 5);
    // A refused value comes back as the row's own, and the person is told why.
    for (const char* bad : {"0", "abc"}) {
        qelt::InteractionLog::Instance().Clear();
        slabtest::TypeInComboCell(panel.m_table, 4, 0, bad);
        CString own;
        own.Format("%.0f", rows[0].m_dSpace);
        EXPECT_EQ(panel.m_table.GetItemText(0, 4), own);
        EXPECT_EQ(panel.m_table.GetItemText(0, 5), shown);
        ASSERT_EQ(qelt::InteractionLog::Instance().Entries().size(), 1u);
        EXPECT_EQ(qelt::InteractionLog::Instance().Entries()[0].text, "钢筋直径和间距应为大于0的数,已恢复原值");
    }
    // A row without a scheme takes no bars.
    rows[1].m_dDiameter = 0.0;
    panel.SetRows(rows);
    qelt::InteractionLog::Instance().Clear();
    slabtest::TypeInComboCell(panel.m_table, 4, 1, "200");
    EXPECT_EQ(panel.m_table.GetItemText(1, 3), "无配筋方案");
    ASSERT_EQ(qelt::InteractionLog::Instance().Entries().size(), 1u);
    EXPECT_EQ(qelt::InteractionLog::Instance().Entries()[0].text, "该行没有配筋方案,不能改配钢筋,已恢复原值");
    panel.DestroyWindow();
}

}  // namespace
