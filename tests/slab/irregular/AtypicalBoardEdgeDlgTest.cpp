// The edge panel: its lists built from the model and grown while shapes are drawn, cell edits,
// menus, the mode boxes and the thickness, against rows and lengths worked by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "BoardPanelFixture.h"
#include "mfc/person/InteractionLog.h"
#include "SlabDrawingFixture.h"
#include "resources/IrregularSlabResource.h"
#include "slab/irregular/AtypicalBoardEdgeDlg.h"

namespace {

using slabtest::P;
using slabtest::ExpectPoint;
using slabtest::Polyline;

using slabtest::CCodeRecorder;
using slabtest::ChooseCell;
using slabtest::EditCell;

class EdgePanelTest : public slabtest::PanelTest<CAtypicalBoardEdgeDlg, IDD_BOARD_EDGE> {
protected:
    void Rectangle()
    {
        Data().m_BoardPoly = Polyline(BOARD_OUTLINE, 1, {P(0, 0), P(6000, 0), P(6000, 4000), P(0, 4000)});
        Data().m_HasBoard = 1;
    }
    CString Cell(CEditCmbList& list, int row, int column) { return list.GetItemText(row, column); }
    std::vector<CString> Row(CEditCmbList& list, int row) { return slabtest::ListRow(list, row); }
    void Menu(CEditCmbList& list, int row, const char* item) { menuTaken = slabtest::ChooseMenu(panel, list, row, item); }

    bool menuTaken = false;
};

// With an outline the panel opens in hole mode: 洞口 checked, 板边 and the edge list disabled. The
// rectangle takes five rows: the grey first row and the closing row both show vertex 0.
TEST_F(EdgePanelTest, OpensOnAnOutlineInHoleMode)
{
    Rectangle();
    Data().m_BoardPoly.SetHasColu(2, 1);
    Data().m_HoleArray.Add(Polyline(BOARD_HOLE, SEGMENT_HOLE_EDGE, {P(1000, 1000), P(2000, 1000), P(1000, 2000)}));
    Open();
    panel.RefreshLists();  // as the page's SetData does
    EXPECT_EQ(panel.m_bHole, 1);
    EXPECT_FALSE(panel.GetDlgItem(IDC_BOARD_OUTLINE_BOX)->IsWindowEnabled());
    EXPECT_FALSE(panel.m_EdgeTypeCombo.IsWindowEnabled());
    ASSERT_EQ(panel.m_NodeList.GetItemCount(), 5);
    EXPECT_EQ(Row(panel.m_NodeList, 0), (std::vector<CString>{"1", "0", "0", "否", "--", "--", "--"}));
    EXPECT_EQ(Row(panel.m_NodeList, 2), (std::vector<CString>{"3", "6000", "4000", "是", "4000", "0", "固支"}));
    EXPECT_EQ(Row(panel.m_NodeList, 3), (std::vector<CString>{"4", "0", "4000", "否", "6000", "0", "固支"}));
    EXPECT_EQ(Row(panel.m_NodeList, 4), (std::vector<CString>{"1", "0", "0", "否", "4000", "0", "固支"}));
    EXPECT_EQ(panel.m_NodeList.GetRowBKColor(0), 0xC0C0C0u);
    ASSERT_EQ(panel.m_HoleList.GetItemCount(), 4);
    // The closing segment from (1000, 2000) to (1000, 1000).
    EXPECT_EQ(Row(panel.m_HoleList, 3), (std::vector<CString>{"1", "1", "1000", "1000", "1000", "0", "自由"}));
}

// A stored thickness of 120.7 mm shows as 120; leaving the box stores 120 and marks the change.
TEST_F(EdgePanelTest, ThicknessInWholeMillimetres)
{
    param.m_param.m_nBoardWidth = 120.7;
    Open();
    EXPECT_EQ(panel.GetEditText(IDC_BOARD_THICKNESS), "120");
    param.m_bModified = 0;
    panel.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BOARD_THICKNESS, EN_KILLFOCUS), 0);
    EXPECT_EQ(param.m_param.m_nBoardWidth, 120.0);
    EXPECT_EQ(param.m_bModified, 1);
}

// A thickness that is not positive (or past a metre) is refused with the panel's message; the
// stored one stays.
TEST_F(EdgePanelTest, ThicknessIsPositive)
{
    Open();
    for (const char* bad : {"-100", "0", "5000"}) {
        SCOPED_TRACE(bad);
        qelt::InteractionLog::Instance().Clear();
        param.m_bModified = 0;
        panel.SetEditText(IDC_BOARD_THICKNESS, bad);
        panel.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BOARD_THICKNESS, EN_KILLFOCUS), 0);
        EXPECT_EQ(qelt::InteractionLog::Instance().Entries().size(), 1u);
        EXPECT_EQ(param.m_param.m_nBoardWidth, 100.0);
        EXPECT_EQ(param.m_bModified, 0);
    }
}

// 固支 chosen as the default edge, then a triangle drawn: every segment is fixed and says so.
TEST_F(EdgePanelTest, DrawnOutlineGrowsTheNodeList)
{
    Open();
    EXPECT_EQ(panel.m_bOutline, 1);
    panel.m_EdgeTypeCombo.SetCurSel(1);
    panel.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BOARD_EDGE_TYPE, CBN_SELCHANGE), 0);
    EXPECT_EQ(param.m_nBoardLineType, 1);
    view.StartPolyline(P(0, 0));
    panel.AddOutlinePointRow();
    view.AddVertex(P(4000, 0));
    panel.AddOutlinePointRow();
    view.AddVertex(P(4000, 3000));
    panel.AddOutlinePointRow();
    view.FinishPolyline();
    EXPECT_EQ(panel.FinishOutline(), 1);
    ASSERT_EQ(panel.m_NodeList.GetItemCount(), 4);
    EXPECT_EQ(Row(panel.m_NodeList, 1), (std::vector<CString>{"2", "4000", "0", "否", "4000", "0", "固支"}));
    EXPECT_EQ(Row(panel.m_NodeList, 3), (std::vector<CString>{"1", "0", "0", "否", "5000", "0", "固支"}));
}

// A circle outline: three rows, the two after the first with half the circumference (pi * 1000)
// and the radius; a rectangle: five rows with chord heights "0".
TEST_F(EdgePanelTest, CircleAndRectangleOutlines)
{
    Open();
    view.StartPolyline(P(0, 0));
    panel.AddOutlinePointRow();
    view.FinishCircle(P(2000, 0));
    EXPECT_EQ(panel.AddCircleOutline(), 1);
    ASSERT_EQ(panel.m_NodeList.GetItemCount(), 3);
    EXPECT_EQ(Row(panel.m_NodeList, 1), (std::vector<CString>{"2", "2000", "0", "否", "3142", "1000", "简支"}));
    EXPECT_EQ(Row(panel.m_NodeList, 2), (std::vector<CString>{"1", "0", "0", "否", "3142", "1000", "简支"}));
}

TEST_F(EdgePanelTest, RectangleOutline)
{
    Open();
    view.StartPolyline(P(0, 0));
    panel.AddOutlinePointRow();
    view.FinishRectangle(P(1000, 500));
    EXPECT_EQ(panel.AddRectOutline(), 1);
    ASSERT_EQ(panel.m_NodeList.GetItemCount(), 5);
    EXPECT_EQ(Row(panel.m_NodeList, 1), (std::vector<CString>{"2", "0", "500", "否", "500", "0", "简支"}));
    EXPECT_EQ(Row(panel.m_NodeList, 4), (std::vector<CString>{"1", "0", "0", "否", "1000", "0", "简支"}));
}

// Moving vertex 0 through the closing row: the closing row's length, the length on the row of
// vertex 1 and the first row's coordinates follow. (0, 4000) to (1000, 0) is sqrt(17) * 1000.
TEST_F(EdgePanelTest, EditingTheClosingRow)
{
    Rectangle();
    Open();
    page.codes.clear();
    EditCell(panel.m_NodeList, 1, 4, "1000");
    ExpectPoint(Data().m_BoardPoly.GetPoint(0), 1000, 0);
    EXPECT_EQ(Cell(panel.m_NodeList, 4, 4), "4123");
    EXPECT_EQ(Cell(panel.m_NodeList, 1, 4), "5000");
    EXPECT_EQ(Row(panel.m_NodeList, 0), (std::vector<CString>{"1", "1000", "0", "否", "--", "--", "--"}));
    EXPECT_EQ(page.codes, std::vector<int>{BOARD_MODEL_CHANGED});
}

// A negative chord height makes a clockwise arc: bulge 2h / c = -1000 / 6000; the length shown is
// the arc's, positive. Corner column and support by their lists.
TEST_F(EdgePanelTest, ChordHeightColumnAndSupportCells)
{
    Rectangle();
    Open();
    EditCell(panel.m_NodeList, 5, 1, "-500");
    EXPECT_NEAR(Data().m_BoardPoly.GetBulge(0), -1000.0 / 6000.0, 1e-12);
    EXPECT_EQ(Cell(panel.m_NodeList, 1, 5), "-500");
    // Arc of chord 6000 and height 500: radius 9250, angle 2 asin(3000 / 9250).
    const double radius = 9250.0, arc = 2 * radius * std::asin(3000.0 / radius);
    EXPECT_EQ(Cell(panel.m_NodeList, 1, 4), FormatWhole(arc));
    ChooseCell(panel.m_NodeList, 3, 2, "是");
    EXPECT_EQ(Data().m_BoardPoly.GetHasColu(2), 1);
    ChooseCell(panel.m_NodeList, 6, 2, "自由");
    EXPECT_EQ(Data().m_BoardPoly.GetLineType(1), 2);
}

// A hole's support is chosen on any of its rows, the grey first row too; every row of the hole
// shows it, the other hole keeps its own, and a vertex inserted later shows it as well.
TEST_F(EdgePanelTest, AHoleTakesTheSupportChosenOnAnyOfItsRows)
{
    Rectangle();
    Data().m_HoleArray.Add(Polyline(BOARD_HOLE, SEGMENT_HOLE_EDGE, {P(1000, 1000), P(2000, 1000), P(1000, 2000)}));
    Data().m_HoleArray.Add(Polyline(BOARD_HOLE, SEGMENT_HOLE_EDGE, {P(3000, 1000), P(4000, 1000), P(3000, 2000)}));
    Open();
    panel.RefreshLists();
    const struct {
        int row;
        const char* text;
        int support;
    } cases[] = {{0, "简支", EDGE_SIMPLE}, {2, "固支", EDGE_FIXED}, {3, "自由", EDGE_FREE}, {1, "简支", EDGE_SIMPLE}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        page.codes.clear();
        ChooseCell(panel.m_HoleList, CBoardHoleList::COL_SUPPORT, c.row, c.text);
        EXPECT_EQ(Data().m_HoleArray[0].m_nHoleSupport, c.support);
        EXPECT_EQ(Data().m_HoleArray[1].m_nHoleSupport, EDGE_FREE);
        for (int row = 0; row < 4; ++row) EXPECT_EQ(Cell(panel.m_HoleList, row, CBoardHoleList::COL_SUPPORT), CString(c.text));
        EXPECT_EQ(Cell(panel.m_HoleList, 4, CBoardHoleList::COL_SUPPORT), "自由");
        EXPECT_EQ(page.codes, std::vector<int>{BOARD_MODEL_CHANGED});
    }
    Menu(panel.m_HoleList, 2, "插入节点");
    ASSERT_EQ(Data().m_HoleArray[0].GetCount(), 4);
    for (int row = 0; row < 5; ++row) EXPECT_EQ(Cell(panel.m_HoleList, row, CBoardHoleList::COL_SUPPORT), "简支");
}

// 删除节点 on a triangle deletes the whole outline, frees 板边 and keeps the holes; on a larger
// outline it removes one vertex. A menu over the grey first row is not shown.
TEST_F(EdgePanelTest, NodeMenu)
{
    Rectangle();
    Data().m_HoleArray.Add(Polyline(BOARD_HOLE, SEGMENT_HOLE_EDGE, {P(1000, 1000), P(2000, 1000), P(1000, 2000)}));
    Open();
    Menu(panel.m_NodeList, 0, "删除节点");
    EXPECT_FALSE(menuTaken);
    Menu(panel.m_NodeList, 2, "删除节点");
    EXPECT_TRUE(menuTaken);
    ASSERT_EQ(Data().m_BoardPoly.GetCount(), 3);
    ASSERT_EQ(panel.m_NodeList.GetItemCount(), 4);
    EXPECT_EQ(Row(panel.m_NodeList, 2), (std::vector<CString>{"3", "0", "4000", "否", "7211", "0", "固支"}));
    page.codes.clear();
    Menu(panel.m_NodeList, 1, "删除节点");
    EXPECT_EQ(Data().m_HasBoard, 0);
    EXPECT_EQ(Data().m_BoardPoly.GetCount(), 0);
    EXPECT_EQ(panel.m_NodeList.GetItemCount(), 0);
    EXPECT_EQ(Data().m_HoleArray.GetSize(), 1);
    EXPECT_TRUE(panel.GetDlgItem(IDC_BOARD_OUTLINE_BOX)->IsWindowEnabled());
    EXPECT_EQ(panel.m_bOutline, 1);
    EXPECT_EQ(page.codes, (std::vector<int>{BOARD_MODEL_CHANGED, BOARD_EDIT_OBJECT}));
}

// 插入节点 on the closing row appends a copy of vertex 0 as the last vertex, numbered k + 1.
TEST_F(EdgePanelTest, InsertAtTheClosingRow)
{
    Rectangle();
    Open();
    Menu(panel.m_NodeList, 4, "插入节点");
    ASSERT_EQ(Data().m_BoardPoly.GetCount(), 5);
    ExpectPoint(Data().m_BoardPoly.GetPoint(4), 0, 0);
    ASSERT_EQ(panel.m_NodeList.GetItemCount(), 6);
    EXPECT_EQ(Cell(panel.m_NodeList, 4, 0), "5");
    EXPECT_EQ(Cell(panel.m_NodeList, 5, 0), "1");
    EXPECT_EQ(Cell(panel.m_NodeList, 5, 4), "0");
}

// Holes: a hole that bounds nothing is dropped with its row on the finish; 删除洞口 renumbers the
// holes after it and asks for a prompt; node numbers count within each hole.
TEST_F(EdgePanelTest, HoleListAndItsMenu)
{
    Rectangle();
    Data().m_HoleArray.Add(Polyline(BOARD_HOLE, SEGMENT_HOLE_EDGE, {P(500, 500), P(900, 500), P(500, 900)}));
    Data().m_HoleArray.Add(Polyline(BOARD_HOLE, SEGMENT_HOLE_EDGE, {P(3000, 1000), P(4000, 1000), P(4000, 2000), P(3000, 2000)}));
    Open();
    param.m_nBoardType = BOARD_HOLE;
    param.m_nBoardLineType = SEGMENT_HOLE_EDGE;
    view.StartPolyline(P(2000, 3000));
    panel.AddHolePointRow();
    view.AddVertex(P(2500, 3000));
    panel.AddHolePointRow();
    view.FinishPolyline();
    EXPECT_EQ(panel.FinishHole(), 0);
    EXPECT_EQ(Data().m_HoleArray.GetSize(), 2);
    ASSERT_EQ(panel.m_HoleList.GetItemCount(), 9);

    page.codes.clear();
    Menu(panel.m_HoleList, 2, "删除洞口");
    EXPECT_EQ(page.codes, (std::vector<int>{BOARD_MODEL_CHANGED, BOARD_PROMPT}));
    ASSERT_EQ(Data().m_HoleArray.GetSize(), 1);
    ASSERT_EQ(panel.m_HoleList.GetItemCount(), 5);
    EXPECT_EQ(Row(panel.m_HoleList, 0), (std::vector<CString>{"1", "1", "3000", "1000", "--", "--", "自由"}));
    EXPECT_EQ(panel.m_HoleList.GetRowBKColor(0), 0xC0C0C0u);

    // Vertex 3 of the square goes: (4000, 1000) to (3000, 2000) is 1414 long.
    Menu(panel.m_HoleList, 2, "删除节点");
    ASSERT_EQ(Data().m_HoleArray[0].GetCount(), 3);
    EXPECT_EQ(Row(panel.m_HoleList, 2), (std::vector<CString>{"1", "3", "3000", "2000", "1414", "0", "自由"}));
    EXPECT_EQ(Cell(panel.m_HoleList, 3, 1), "1");
    EXPECT_EQ(panel.m_HoleList.GetItemCount(), 4);
}

}  // namespace
