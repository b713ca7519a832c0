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

// 自动计算 in row 11 stores 0 and shows "0.00" when the grid is filled again; 12.5 in row 19 stores
// 12; every edit marks the slab modified.
TEST_F(PanelPageTest, SettingsGrid)
{
    CAtypicalBoardCalParamDlg panel;
    Open(panel, IDD_BOARD_SETTINGS);
    ASSERT_EQ(panel.m_grid.GetItemCount(), 23);
    EXPECT_EQ(panel.m_grid.GetItemText(22, 0), "等值线条数");
    param.m_bModified = 0;
    slabtest::ChooseCell(panel.m_grid, 1, 11, "自动计算");
    EXPECT_EQ(param.m_param.m_dColuReinMinRate, 0.0);
    EXPECT_EQ(param.m_bModified, 1);
    slabtest::TypeInComboCell(panel.m_grid, 1, 19, "12.5");
    EXPECT_EQ(param.m_param.m_nPouFenXianType, 12);
    slabtest::TypeInComboCell(panel.m_grid, 1, 5, "C35");
    EXPECT_EQ(param.m_param.m_strBoardGrade, "C35");
    panel.ShowSettings();
    EXPECT_EQ(panel.m_grid.GetItemText(11, 1), "0.00");
    EXPECT_EQ(panel.m_grid.GetItemText(19, 1), "12");
    panel.DestroyWindow();
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
    for (const char* bad : {"0", "abc"}) {
        slabtest::TypeInComboCell(panel.m_table, 4, 0, bad);
        CString own;
        own.Format("%.0f", rows[0].m_dSpace);
        EXPECT_EQ(panel.m_table.GetItemText(0, 4), own);
        EXPECT_EQ(panel.m_table.GetItemText(0, 5), shown);
    }
    panel.DestroyWindow();
}

}  // namespace
