// The point and local load panel: placed loads take the panel's default, the uniform loads and the
// self weight mark the slab modified, the load kind of a local load, and its menus.
#include <gtest/gtest.h>

#include "BoardPanelFixture.h"
#include "mfc/person/InteractionLog.h"
#include "SlabDrawingFixture.h"
#include "resources/IrregularSlabResource.h"
#include "slab/irregular/AtypicalBoardLoadDlg.h"

namespace {

using slabtest::P;
using slabtest::Polyline;

class LoadPanelTest : public slabtest::PanelTest<CAtypicalBoardLoadDlg, IDD_BOARD_LOAD> {
protected:
    void Leave(UINT id) { panel.SendMessage(WM_COMMAND, MAKEWPARAM(id, EN_KILLFOCUS), 0); }
    void ThreeLocalLoads()
    {
        for (int i = 0; i < 3; ++i)
            Data().m_PartLoadArray.Add(Polyline(BOARD_PART_LOAD, LOAD_DEAD, {P(1000 * i, 0), P(1000 * i + 500, 0), P(1000 * i, 500)}));
    }
};

// With 缺省值(KN) 25 a placed load shows 25 and holds 25.0, whatever value the view gave it.
TEST_F(LoadPanelTest, PlacedLoadTakesTheDefault)
{
    Open();
    panel.SetEditText(IDC_BOARD_MASS_DEFAULT, "25");
    Leave(IDC_BOARD_MASS_DEFAULT);
    param.m_nLoadType = LOAD_LIVE;
    view.AddMassLoad(P(300, 400), 10.0);
    panel.AddMassLoadRow();
    EXPECT_EQ(Data().m_MassLoadArray[0].GetLoadVal(), 25.0);
    EXPECT_EQ(slabtest::ListRow(panel.m_MassList, 0), (std::vector<CString>{"1", "活载", "300", "400", "25"}));
    // A cell edit moves it and tells the page.
    slabtest::EditCell(panel.m_MassList, 2, 0, "350");
    EXPECT_EQ(Data().m_MassLoadArray[0].GetMassPt().x, 350.0);
    EXPECT_EQ(page.codes.back(), BOARD_MODEL_CHANGED);
}

// Uniform loads mark the slab modified when they change; the local default does not; the self
// weight box marks it in both directions.
TEST_F(LoadPanelTest, WhatMarksTheSlabModified)
{
    Open();
    param.m_bModified = 0;
    Leave(IDC_BOARD_DEAD_LOAD);
    EXPECT_EQ(param.m_bModified, 0);
    panel.SetEditText(IDC_BOARD_DEAD_LOAD, "3.5");
    Leave(IDC_BOARD_DEAD_LOAD);
    EXPECT_EQ(param.m_param.m_EverLoadVal, 3.5);
    EXPECT_EQ(param.m_bModified, 1);
    param.m_bModified = 0;
    panel.SetEditText(IDC_BOARD_PART_DEFAULT, "7");
    Leave(IDC_BOARD_PART_DEFAULT);
    EXPECT_EQ(param.m_dLocalLoad, 7.0);
    EXPECT_EQ(param.m_bModified, 0);
    for (int checked : {0, 1}) {
        param.m_bModified = 0;
        panel.CheckDlgButton(IDC_BOARD_SELF_WEIGHT, checked);
        panel.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BOARD_SELF_WEIGHT, BN_CLICKED), 0);
        EXPECT_EQ(param.m_bIsAutoCalSelfH, checked);
        EXPECT_EQ(param.m_bModified, 1);
    }
}

// Loads are numbers within ±10000 and coordinates numbers: nan, inf, 1e308 and words are refused
// with the panel's message, and the slab keeps what it had (the cell shows it again).
TEST_F(LoadPanelTest, BadLoadsAreRefused)
{
    ThreeLocalLoads();
    Data().m_MassLoadArray.Add(CMassLoad(P(300, 400), LOAD_DEAD, 25.0));
    Open();
    const double part = Data().m_PartLoadArray[1].GetLoadVal(1);
    const CString partShown = panel.m_PartList.GetItemText(5, 7);
    for (const char* bad : {"nan", "inf", "1e308", "-20000", "abc"}) {
        SCOPED_TRACE(bad);
        qelt::InteractionLog::Instance().Clear();
        panel.SetEditText(IDC_BOARD_DEAD_LOAD, bad);
        Leave(IDC_BOARD_DEAD_LOAD);
        EXPECT_EQ(qelt::InteractionLog::Instance().Entries().size(), 1u);
        EXPECT_EQ(param.m_param.m_EverLoadVal, 4.0);
        panel.SetEditText(IDC_BOARD_DEAD_LOAD, "4");

        qelt::InteractionLog::Instance().Clear();
        slabtest::EditCell(panel.m_MassList, 4, 0, bad);
        slabtest::EditCell(panel.m_PartList, 7, 5, bad);
        EXPECT_EQ(qelt::InteractionLog::Instance().Entries().size(), 2u);
        EXPECT_EQ(Data().m_MassLoadArray[0].GetLoadVal(), 25.0);
        EXPECT_EQ(panel.m_MassList.GetItemText(0, 4), "25");
        EXPECT_EQ(Data().m_PartLoadArray[1].GetLoadVal(1), part);
        EXPECT_EQ(panel.m_PartList.GetItemText(5, 7), partShown);
    }
    qelt::InteractionLog::Instance().Clear();
    slabtest::EditCell(panel.m_MassList, 2, 0, "abc");
    EXPECT_EQ(qelt::InteractionLog::Instance().Entries().size(), 1u);
    EXPECT_EQ(Data().m_MassLoadArray[0].GetMassPt().x, 300.0);
    EXPECT_EQ(panel.m_MassList.GetItemText(0, 2), "300");
    slabtest::EditCell(panel.m_MassList, 4, 0, "-12.5");
    EXPECT_EQ(Data().m_MassLoadArray[0].GetLoadVal(), -12.5);
}

// 活载 on a local load's first row makes the load and all its segments live.
TEST_F(LoadPanelTest, LoadKindOnTheFirstRow)
{
    ThreeLocalLoads();
    Open();
    ASSERT_EQ(panel.m_PartList.GetItemCount(), 12);
    EXPECT_EQ(slabtest::ListRow(panel.m_PartList, 4), (std::vector<CString>{"2", "恒载", "1", "1000", "0", "--", "--", "--"}));
    EXPECT_EQ(slabtest::ListRow(panel.m_PartList, 5), (std::vector<CString>{"2", "", "2", "1500", "0", "500", "0", "2"}));
    slabtest::ChooseCell(panel.m_PartList, 1, 4, "活载");
    const CBoardPolyline& load = Data().m_PartLoadArray[1];
    EXPECT_EQ(load.GetLoadType(), LOAD_LIVE);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(load.GetLineType(i), LOAD_LIVE);
    EXPECT_EQ(Data().m_PartLoadArray[0].GetLoadType(), LOAD_DEAD);
    // The value of a corner, and of corner 1 through the closing row.
    slabtest::EditCell(panel.m_PartList, 7, 7, "4.5");
    EXPECT_EQ(Data().m_PartLoadArray[1].GetLoadVal(0), 4.5);
}

// 删除荷载 on the second of three local loads renumbers the third; 删除角点 on a load of three
// corners deletes it whole.
TEST_F(LoadPanelTest, LocalLoadMenus)
{
    ThreeLocalLoads();
    Open();
    EXPECT_TRUE(slabtest::ChooseMenu(panel, panel.m_PartList, 5, "删除荷载"));
    ASSERT_EQ(Data().m_PartLoadArray.GetSize(), 2);
    ASSERT_EQ(panel.m_PartList.GetItemCount(), 8);
    EXPECT_EQ(panel.m_PartList.GetItemText(4, 0), "2");
    EXPECT_EQ(panel.m_PartList.GetItemText(4, 3), "2000");
    EXPECT_TRUE(slabtest::ChooseMenu(panel, panel.m_PartList, 1, "删除角点"));
    ASSERT_EQ(Data().m_PartLoadArray.GetSize(), 1);
    EXPECT_EQ(panel.m_PartList.GetItemText(0, 0), "1");
    EXPECT_EQ(panel.m_PartList.GetItemText(0, 3), "2000");
    EXPECT_EQ(panel.m_PartList.GetRowBKColor(0), 0xC0C0C0u);
    EXPECT_EQ(page.codes, (std::vector<int>{BOARD_MODEL_CHANGED, BOARD_MODEL_CHANGED}));
}

// A drawn local load grows its rows and gets its closing row at the finish; the concentrated
// list's 删除荷载 renumbers the rows after it.
TEST_F(LoadPanelTest, DrawnLocalLoadAndDeletedPointLoad)
{
    Open();
    param.m_nBoardType = BOARD_PART_LOAD;
    param.m_nBoardLineType = LOAD_DEAD;
    view.StartPolyline(P(0, 0));
    panel.AddPartPointRow();
    view.AddVertex(P(600, 0));
    panel.AddPartPointRow();
    view.AddVertex(P(600, 800));
    panel.AddPartPointRow();
    view.FinishPolyline();
    EXPECT_EQ(panel.FinishPartLoad(), 1);
    ASSERT_EQ(panel.m_PartList.GetItemCount(), 4);
    EXPECT_EQ(slabtest::ListRow(panel.m_PartList, 3), (std::vector<CString>{"1", "", "1", "0", "0", "1000", "0", "10"}));

    for (int i = 0; i < 3; ++i) {
        view.AddMassLoad(P(100 * i, 0), 1.0);
        panel.AddMassLoadRow();
    }
    EXPECT_TRUE(slabtest::ChooseMenu(panel, panel.m_MassList, 0, "删除荷载"));
    ASSERT_EQ(Data().m_MassLoadArray.GetSize(), 2);
    EXPECT_EQ(slabtest::ListRow(panel.m_MassList, 0), (std::vector<CString>{"1", "恒载", "100", "0", "10"}));
    EXPECT_EQ(panel.m_MassList.GetItemText(1, 0), "2");
}

}  // namespace
