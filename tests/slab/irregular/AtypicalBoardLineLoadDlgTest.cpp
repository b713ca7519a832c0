// The line and trapezoid load panel: a drawn trapezoid load spans the slab on its line, its
// distance and length cells move it, line loads keep their width, rows renumber on deletion.
#include <gtest/gtest.h>

#include "BoardPanelFixture.h"
#include "mfc/person/InteractionLog.h"
#include "SlabDrawingFixture.h"
#include "resources/IrregularSlabResource.h"
#include "slab/irregular/AtypicalBoardLineLoadDlg.h"

namespace {

using slabtest::P;
using slabtest::ExpectPoint;
using slabtest::Polyline;

class LineLoadPanelTest : public slabtest::PanelTest<CAtypicalBoardLineLoadDlg, IDD_BOARD_LINE_LOAD> {
protected:
    void SetUp() override
    {
        PanelTest::SetUp();
        param.m_dTrapLoadP1 = 3.0;
        param.m_dTrapLoadP2 = 6.0;
    }
    // A slab from x = 1000 to 7000, y = 0 to 4000.
    void Slab()
    {
        Data().m_BoardPoly = Polyline(BOARD_OUTLINE, 1, {P(1000, 0), P(7000, 0), P(7000, 4000), P(1000, 4000)});
        Data().m_HasBoard = 1;
    }
    void DrawTrapezoid(AcGePoint3d a, AcGePoint3d b)
    {
        param.m_nBoardType = BOARD_TRAP_LOAD;
        param.m_nBoardLineType = LOAD_DEAD;
        view.StartPolyline(a);
        view.FinishTwoPointLoad(b);
        panel.AddDrawnTrapLoad();
    }
    const CBoardPolyline& Trap(int i) { return Data().m_TrapLoadArray[i]; }
};

TEST_F(LineLoadPanelTest, DrawnTrapezoidSpansTheSlab)
{
    Slab();
    Open();
    DrawTrapezoid(P(2000, 1500), P(3000, 1500));
    ExpectPoint(Trap(0).GetPoint(0), 1000, 1500);
    ExpectPoint(Trap(0).GetPoint(1), 7000, 1500);
    EXPECT_EQ(Trap(0).GetLoadWidth(), -1.0);
    EXPECT_EQ(slabtest::ListRow(panel.m_lstTrap, 0), (std::vector<CString>{"1", "恒载", "X向", "0", "满布", "3", "6"}));
}

// Off both axes the load has no direction and is extended along y: from (2000, 1000) to (2600,
// 3000) the line meets y = 0 at x = 1700 and y = 4000 at x = 2900.
TEST_F(LineLoadPanelTest, SlopedTrapezoidIsExtendedAlongY)
{
    Slab();
    Open();
    DrawTrapezoid(P(2000, 1000), P(2600, 3000));
    EXPECT_EQ(Trap(0).m_strXorY, "");
    ExpectPoint(Trap(0).GetPoint(0), 1700, 0);
    ExpectPoint(Trap(0).GetPoint(1), 2900, 4000);
}

// 底边距离 500 from the start crossing at x = 1000 moves the load to 1500 keeping its length;
// 分布长度 2000 places the far end 2000 along and frees 底边距离; 满布 restores the whole width.
TEST_F(LineLoadPanelTest, DistanceAndLengthCells)
{
    Slab();
    Open();
    DrawTrapezoid(P(2000, 1500), P(3000, 1500));
    slabtest::TypeInComboCell(panel.m_lstTrap, 4, 0, "2000.7");
    ExpectPoint(Trap(0).GetPoint(1), 3000, 1500);
    EXPECT_EQ(Trap(0).GetLoadWidth(), 2000.0);
    EXPECT_EQ(panel.m_lstTrap.GetCellModifyType(3, 0), 0);
    slabtest::EditCell(panel.m_lstTrap, 3, 0, "500");
    ExpectPoint(Trap(0).GetPoint(0), 1500, 1500);
    ExpectPoint(Trap(0).GetPoint(1), 3500, 1500);
    slabtest::ChooseCell(panel.m_lstTrap, 4, 0, "满布");
    ExpectPoint(Trap(0).GetPoint(0), 1000, 1500);
    ExpectPoint(Trap(0).GetPoint(1), 7000, 1500);
    EXPECT_EQ(panel.m_lstTrap.GetItemText(0, 3), "0");
    EXPECT_EQ(panel.m_lstTrap.GetCellModifyType(3, 0), -1);
    EXPECT_EQ(page.codes, (std::vector<int>{16, 16, 16}));
}

// Without both crossings (no outline here) a drawn load keeps its extent and is not 满布: its
// distances count from its own start, never from the origin.
TEST_F(LineLoadPanelTest, TrapezoidWithoutCrossingsKeepsItsExtent)
{
    Open();
    DrawTrapezoid(P(2000, 1500), P(3000, 1500));
    ExpectPoint(Trap(0).GetPoint(0), 2000, 1500);
    ExpectPoint(Trap(0).GetPoint(1), 3000, 1500);
    EXPECT_EQ(Trap(0).GetLoadWidth(), 1000.0);
    EXPECT_EQ(slabtest::ListRow(panel.m_lstTrap, 0), (std::vector<CString>{"1", "恒载", "X向", "0", "1000", "3", "6"}));
    slabtest::EditCell(panel.m_lstTrap, 3, 0, "200");
    ExpectPoint(Trap(0).GetPoint(0), 2200, 1500);
    ExpectPoint(Trap(0).GetPoint(1), 3200, 1500);
    slabtest::ChooseCell(panel.m_lstTrap, 4, 0, "满布");
    ExpectPoint(Trap(0).GetPoint(0), 2000, 1500);
    ExpectPoint(Trap(0).GetPoint(1), 3000, 1500);
}

// A drawn line load holds its length as width; X2 edited rewrites the width; deleting the second
// of three renumbers the third.
TEST_F(LineLoadPanelTest, LineLoads)
{
    param.m_nLineOrTrap = 1;
    Open();
    EXPECT_EQ(panel.m_bLineLoad, 1);
    EXPECT_EQ(panel.GetLoadTarget(), 2);
    param.m_nBoardType = BOARD_LINE_LOAD;
    param.m_nBoardLineType = LOAD_LIVE;
    param.m_nLoadType = LOAD_LIVE;
    for (int i = 0; i < 3; ++i) {
        view.StartPolyline(P(0, 1000 * i));
        view.FinishTwoPointLoad(P(3000, 1000 * i + 4000));
        EXPECT_EQ(panel.AddDrawnLineLoad(), 1);
    }
    EXPECT_EQ(Data().m_LineLoadArray[0].GetLoadWidth(), 5000.0);
    EXPECT_EQ(slabtest::ListRow(panel.m_lstLine, 0),
              (std::vector<CString>{"1", "活载", "0", "0", "3000", "4000", "10", "10", "5000"}));
    slabtest::EditCell(panel.m_lstLine, 4, 0, "0");
    EXPECT_EQ(Data().m_LineLoadArray[0].GetLoadWidth(), 4000.0);
    EXPECT_EQ(panel.m_lstLine.GetItemText(0, 8), "4000");
    EXPECT_TRUE(slabtest::ChooseMenu(panel, panel.m_lstLine, 1, "删除荷载"));
    ASSERT_EQ(Data().m_LineLoadArray.GetSize(), 2);
    ASSERT_EQ(panel.m_lstLine.GetItemCount(), 2);
    EXPECT_EQ(panel.m_lstLine.GetItemText(1, 0), "2");
    EXPECT_EQ(panel.m_lstLine.GetItemText(1, 3), "2000");
    // A value that is no number within ±10000, or a coordinate that is no number, is refused and
    // the row shows the load as it is.
    const std::vector<CString> kept = slabtest::ListRow(panel.m_lstLine, 0);
    for (const auto& [column, bad] : {std::pair{6, "nan"}, {7, "1e308"}, {2, "abc"}}) {
        qelt::InteractionLog::Instance().Clear();
        slabtest::EditCell(panel.m_lstLine, column, 0, bad);
        EXPECT_EQ(qelt::InteractionLog::Instance().Entries().size(), 1u) << bad;
        EXPECT_EQ(slabtest::ListRow(panel.m_lstLine, 0), kept) << bad;
    }
    EXPECT_EQ(Data().m_LineLoadArray[0].GetLoadVal(0), 10.0);
}

// P1 and P2 of a trapezoid load are numbers within ±10000.
TEST_F(LineLoadPanelTest, TrapezoidValuesAreNumbers)
{
    Slab();
    Open();
    DrawTrapezoid(P(2000, 1500), P(3000, 1500));
    const std::vector<CString> kept = slabtest::ListRow(panel.m_lstTrap, 0);
    for (const char* bad : {"inf", "-2e4", "x"}) {
        qelt::InteractionLog::Instance().Clear();
        slabtest::EditCell(panel.m_lstTrap, 5, 0, bad);
        EXPECT_EQ(qelt::InteractionLog::Instance().Entries().size(), 1u) << bad;
        EXPECT_EQ(slabtest::ListRow(panel.m_lstTrap, 0), kept) << bad;
    }
    slabtest::EditCell(panel.m_lstTrap, 6, 0, "7.5");
    EXPECT_EQ(Trap(0).GetLoadVal(1), 7.5);
}

}  // namespace
