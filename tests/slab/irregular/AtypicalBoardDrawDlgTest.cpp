// The drawing panel driven as a person drives it: the pointer in the drawing area, entries typed on
// the command line and ended with Space, F8 and Esc; the shapes stored, the codes sent to the page
// and the prompts, against points and codes worked by hand.
#include <gtest/gtest.h>

#include <vector>

#include "BoardPanelFixture.h"
#include "SlabDrawingFixture.h"
#include "mfc/person/InteractionLog.h"
#include "mfc/person/UserScript.h"
#include "mfc/user/WindowClass.h"
#include "resources/IrregularSlabResource.h"
#include "slab/irregular/AtypicalBoardDrawDlg.h"

namespace {

using slabtest::P;

using slabtest::CCodeRecorder;
using slabtest::ExpectPoint;

class DrawPanelTest : public testing::Test {
protected:
    void SetUp() override
    {
        param.SetDefaultData();
        ASSERT_TRUE(page.CreateEx(0, nullptr, "page", WS_POPUP | WS_VISIBLE, CRect(0, 0, 900, 700), nullptr, 0));
        panel.m_pParam = &param;
        panel.SetParentWnd(&page);
        ASSERT_TRUE(panel.Create(IDD_BOARD_DRAW, &page));
        panel.ShowWindow(SW_SHOW);
        area = panel.GetDlgItem(IDC_BOARD_AREA);
        area->GetClientRect(&areaRect);
    }
    void TearDown() override
    {
        panel.DestroyWindow();
        page.DestroyWindow();
    }

    // The pointer at a point of the drawing area (its own pixels).
    void Move(int x, int y, UINT flags = 0) { area->SendMessage(WM_MOUSEMOVE, flags, MAKELPARAM(x, y)); }
    void Click(int x, int y) { area->SendMessage(WM_LBUTTONDOWN, 0x0001, MAKELPARAM(x, y)); }
    void RightClick() { area->SendMessage(WM_RBUTTONDOWN, 0x0002, MAKELPARAM(10, 10)); }
    // Text typed on the keyboard into the command line, ended with Space.
    void Type(const char* entry)
    {
        panel.m_editCmd.SetFocus();
        qelt::TypeText(CString(entry) + " ");
    }
    void Key(UINT key)
    {
        panel.m_editCmd.SetFocus();
        qelt::PressKey(static_cast<int>(key));
    }
    void Tool(UINT id) { panel.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)panel.GetDlgItem(id)->GetSafeHwnd()); }
    CString CommandLine() const
    {
        CString text;
        panel.m_editCmd.GetWindowText(text);
        return text;
    }
    CString History() const
    {
        CString text;
        panel.m_editHistory.GetWindowText(text);
        return text;
    }
    CBoardData& Data() { return param.m_BoardData; }

    CAtypicalBoardParam param;
    CCodeRecorder page;
    CAtypicalBoardDrawDlg panel;
    CWnd* area = nullptr;
    CRect areaRect;
};

TEST_F(DrawPanelTest, FirstPromptByWhatExists)
{
    EXPECT_EQ(CommandLine(), " 请指定板边的第一点: ");
    Data().m_HoleArray.Add(slabtest::Polyline(BOARD_HOLE, SEGMENT_HOLE_EDGE, {P(0, 0), P(10, 0), P(0, 10)}));
    panel.UpdatePrompt();
    EXPECT_EQ(CommandLine(), " 请指定板边的第一点/-F 参照点: ");
}

// An L-shaped outline typed point by point and ended with "c": a code 1 for every vertex and a 2
// for the finish.
TEST_F(DrawPanelTest, TypedOutlineEndedWithC)
{
    Move(100, 100);
    for (const char* entry : {"0,0", "12000,0", "12000,4000", "6000,4000", "6000,8000", "0,8000"}) Type(entry);
    EXPECT_EQ(CommandLine(), " 下一点/-F 参照点: ");
    Type("");
    const CBoardPolyline& outline = Data().m_BoardPoly;
    ASSERT_EQ(outline.GetCount(), 6);
    ExpectPoint(outline.GetPoint(3), 6000, 4000);
    ExpectPoint(outline.GetPoint(5), 0, 8000);
    EXPECT_EQ(Data().m_HasBoard, 1);
    EXPECT_EQ(page.codes, (std::vector<int>{1, 1, 1, 1, 1, 1, 2}));
    EXPECT_EQ(panel.m_nPickCount, 0);
    // The page brings the prompt up to date after the finish.
    panel.UpdatePrompt();
    EXPECT_EQ(CommandLine(), " 请指定板边的第一点/-F 参照点: ");
    EXPECT_GE(History().Find(" 下一点/-F 参照点: 0,8000 "), 0);
}

// A typed point, offset or length beyond the slab's range (±10⁸ mm) is refused with a message and
// adds no vertex; one within it is taken.
TEST_F(DrawPanelTest, ATypedValueBeyondTheRangeIsRefused)
{
    Move(100, 100);
    Type("0,0");
    for (const char* entry : {"1000000000,0", "2147483647,0", "@0,100000001", "2147483647", "100000001<45"}) {
        SCOPED_TRACE(entry);
        qelt::InteractionLog::Instance().Clear();
        Type(entry);
        EXPECT_EQ(Data().m_WorkPoly.GetCount(), 1);
        ASSERT_EQ(qelt::InteractionLog::Instance().Entries().size(), 1u);
        EXPECT_EQ(qelt::InteractionLog::Instance().Entries()[0].text, "坐标或长度的输入值应在-100000000与100000000之间");
    }
    Type("100000000,0");
    EXPECT_EQ(Data().m_WorkPoly.GetCount(), 2);
}

// A rectangle outline and a circular hole by typed corners; codes 1, 7 and 3, 6.
TEST_F(DrawPanelTest, RectangleWithCircularHole)
{
    Move(100, 100);
    Tool(IDC_BOARD_RECT);
    Type("0,0");
    Type("6000,4000");
    param.m_nBoardType = BOARD_HOLE;
    param.m_nBoardLineType = SEGMENT_HOLE_EDGE;
    Tool(IDC_BOARD_CIRCLE);
    Type("2000,2000");
    Type("3000,2000");
    EXPECT_EQ(page.codes, (std::vector<int>{1, 7, 3, 6}));
    ASSERT_EQ(Data().m_BoardPoly.GetCount(), 4);
    ExpectPoint(Data().m_BoardPoly.GetPoint(1), 0, 4000);
    ASSERT_EQ(Data().m_HoleArray.GetSize(), 1);
    const CBoardPolyline& hole = Data().m_HoleArray[0];
    ASSERT_EQ(hole.GetCount(), 2);
    ExpectPoint(hole.GetPoint(1), 3000, 2000);
    EXPECT_EQ(hole.GetBulge(0), 1.0);
    EXPECT_EQ(hole.GetBulge(1), 1.0);
}

// The arc tool: start, end, then a point on the arc; from (0, 0) to (1000, 0) through (500, -500)
// is a counter-clockwise half circle (bulge 1). The tool is 直线 again after the arc.
TEST_F(DrawPanelTest, ArcEdgeThroughAPoint)
{
    Move(100, 100);
    Type("0,0");
    Tool(IDC_BOARD_ARC);
    Type("1000,0");
    EXPECT_EQ(panel.m_nMode, DRAW_ARC_THROUGH);
    EXPECT_EQ(CommandLine(), " 点取圆弧上任意一点/-F 参照点: ");
    Type("500,-500");
    EXPECT_EQ(panel.m_nMode, DRAW_LINE);
    EXPECT_EQ(panel.GetDrawType(), 0);
    Type("500,1000");
    RightClick();
    const CBoardPolyline& outline = Data().m_BoardPoly;
    ASSERT_EQ(outline.GetCount(), 3);
    EXPECT_NEAR(outline.GetBulge(0), 1.0, 1e-12);
    EXPECT_EQ(outline.GetBulge(1), 0.0);
    EXPECT_EQ(page.codes, (std::vector<int>{1, 1, 1, 2}));
}

// Ortho squares a click to the last point: steeper than 45 degrees goes vertical, exactly 45 and
// flatter go horizontal. The model point of a pixel is worked from the default fit: scale
// h / 10000, world (x, y) at pixel (x * h / 10000, (10000 - y) * h / 10000).
TEST_F(DrawPanelTest, OrthoSquaresClicks)
{
    const double k = areaRect.Height() / 10000.0;
    auto world = [&](int px, int py) { return P(px / k, 10000.0 - py / k); };
    Move(50, 150);
    Click(50, 150);
    Key(0x77);  // F8
    EXPECT_EQ(panel.m_bOrtho, 1);
    Click(90, 110);  // slope exactly 1 (in pixels, hence in the world)
    Click(100, 20);  // steep
    const CBoardPolyline& work = Data().m_WorkPoly;
    ASSERT_EQ(work.GetCount(), 3);
    ExpectPoint(work.GetPoint(1), world(90, 150).x, world(50, 150).y);
    ExpectPoint(work.GetPoint(2), world(90, 150).x, world(100, 20).y);
}

// A typed length goes from the last point towards the cursor; before any point it is refused.
TEST_F(DrawPanelTest, TypedLength)
{
    Move(100, 100);
    Type("150");
    EXPECT_GE(History().Find(" 请输入点: "), 0);
    EXPECT_EQ(Data().m_WorkPoly.GetCount(), 0);
    Type("1000,1000");
    const double k = areaRect.Height() / 10000.0;
    Move(200, static_cast<int>((10000 - 1000) * k));  // straight right of the first point in pixels
    Type("150");
    ASSERT_EQ(Data().m_WorkPoly.GetCount(), 2);
    const AcGePoint3d second = Data().m_WorkPoly.GetPoint(1);
    EXPECT_NEAR(second.distanceTo(P(1000, 1000)), 150.0, 1e-6);
    EXPECT_GT(second.x, 1140.0);
}

}  // namespace

namespace {

qelt::UserAction PickVertex(const char* path)
{
    qelt::UserAction action;
    action.kind = qelt::UserAction::Kind::Pick;
    action.controlId = IDC_BOARD_REF_TREE;
    action.text = path;
    return action;
}

// A typed point with a reference point is measured from it, with ortho off and on alike; a plain
// click leaves the reference point active, a typed point ends it.
TEST_F(DrawPanelTest, ReferencePointOffsetsTypedPoints)
{
    Data().m_BoardPoly = slabtest::Polyline(BOARD_OUTLINE, 1, {P(0, 0), P(6000, 0), P(6000, 4000)});
    Data().m_HasBoard = 1;
    for (int ortho : {0, 1}) {
        SCOPED_TRACE(ortho);
        panel.m_bOrtho = ortho;
        Data().m_HoleArray.RemoveAll();
        param.m_nBoardType = BOARD_HOLE;
        Move(100, 100);
        qelt::UserScript script;
        script.Add(PickVertex("板边/2 (6000, 0) ")).Answer(IDOK);
        {
            qelt::ScopedUserScript scoped(script);
            Type("f");
        }
        EXPECT_FALSE(script.Failed()) << script.Error();
        EXPECT_EQ(panel.m_bRefActive, 1);
        EXPECT_EQ(CommandLine(), " 再点取定位点: ");
        Type("500,0");
        EXPECT_EQ(panel.m_bRefActive, 0);
        ASSERT_EQ(Data().m_WorkPoly.GetCount(), 1);
        ExpectPoint(Data().m_WorkPoly.GetPoint(0), 6500, 0);
        // A relative entry without a reference point goes from the last point.
        Type("@0,300");
        ExpectPoint(Data().m_WorkPoly.GetPoint(1), 6500, 300);
        Type("@100<90");
        ExpectPoint(Data().m_WorkPoly.GetPoint(2), 6500, 400);
        RightClick();
        ASSERT_EQ(Data().m_HoleArray.GetSize(), 1);
        EXPECT_EQ(Data().m_HoleArray[0].GetCount(), 3);
    }
    // A plain click keeps the reference point.
    qelt::UserScript script;
    script.Add(PickVertex("板边/3 (6000, 4000) ")).Answer(IDOK);
    {
        qelt::ScopedUserScript scoped(script);
        Type("f");
    }
    Click(100, 100);
    EXPECT_EQ(panel.m_bRefActive, 1);
    // The right button first ends the reference point, then the shape.
    RightClick();
    EXPECT_EQ(panel.m_bRefActive, 0);
    EXPECT_EQ(panel.m_nPickCount, 1);
}

// Esc finishes the polyline in progress; the cancelled command line goes into the history with
// "*取消*" at the next refresh. Esc with nothing in progress only asks for a prompt (code 18).
TEST_F(DrawPanelTest, EscapeFinishesAndCancels)
{
    param.m_nBoardType = BOARD_PART_LOAD;
    param.m_nBoardLineType = LOAD_DEAD;
    panel.SetDrawMode(DRAW_PART);
    Move(100, 100);
    Type("0,0");
    Type("1000,0");
    Type("1000,1000");
    Key(VK_ESCAPE);
    EXPECT_EQ(page.codes, (std::vector<int>{10, 10, 10, 11}));
    ASSERT_EQ(Data().m_PartLoadArray.GetSize(), 1);
    EXPECT_EQ(Data().m_PartLoadArray[0].GetCount(), 3);
    panel.UpdatePrompt();
    EXPECT_GE(History().Find(" 下一点/-F 参照点: *取消*"), 0);
    Key(VK_ESCAPE);
    EXPECT_EQ(page.codes.back(), BOARD_PROMPT);
}

// Line and trapezoid loads: two clicks each, codes 12, 13 and 14, 15.
TEST_F(DrawPanelTest, LineAndTrapezoidLoads)
{
    Move(100, 100);
    param.m_nBoardType = BOARD_LINE_LOAD;
    param.m_nBoardLineType = LOAD_DEAD;
    panel.SetDrawMode(DRAW_LINE_LOAD);
    Type("0,500");
    Type("3000,500");
    param.m_nBoardType = BOARD_TRAP_LOAD;
    panel.SetDrawMode(DRAW_TRAP_LOAD);
    Type("0,800");
    Type("@3000,0");
    EXPECT_EQ(page.codes, (std::vector<int>{12, 13, 14, 15}));
    ASSERT_EQ(Data().m_LineLoadArray.GetSize(), 1);
    ASSERT_EQ(Data().m_TrapLoadArray.GetSize(), 1);
    ExpectPoint(Data().m_TrapLoadArray[0].GetPoint(1), 3000, 800);
    // A concentrated load: code 9, the count stays 0.
    param.m_nBoardType = BOARD_MASS_LOAD;
    panel.SetDrawMode(DRAW_MASS);
    Type("200,200");
    EXPECT_EQ(page.codes.back(), BOARD_MASS_PLACED);
    ASSERT_EQ(Data().m_MassLoadArray.GetSize(), 1);
    ExpectPoint(Data().m_MassLoadArray[0].GetMassPt(), 200, 200);
}

// A typed point before the pointer has been in the drawing area has no click to ride on: refused.
TEST_F(DrawPanelTest, TypedPointBeforeAnyPointerPositionIsRefused)
{
    Type("100,200");
    EXPECT_EQ(Data().m_WorkPoly.GetCount(), 0);
    EXPECT_GE(History().Find(" 请输入点: "), 0);
    EXPECT_EQ(page.codes, std::vector<int>{});
}

// 圆 and 矩形 are disabled from the second vertex of a polyline until the right button.
TEST_F(DrawPanelTest, CircleAndRectangleToolsWhileAPolylineGrows)
{
    Move(100, 100);
    Type("0,0");
    EXPECT_TRUE(panel.GetDlgItem(IDC_BOARD_CIRCLE)->IsWindowEnabled());
    Type("1000,0");
    EXPECT_FALSE(panel.GetDlgItem(IDC_BOARD_CIRCLE)->IsWindowEnabled());
    EXPECT_FALSE(panel.GetDlgItem(IDC_BOARD_RECT)->IsWindowEnabled());
    RightClick();
    EXPECT_TRUE(panel.GetDlgItem(IDC_BOARD_RECT)->IsWindowEnabled());
}

// On 计算参数 and 计算结果 clicks do nothing; only the picture list shows on 计算结果.
TEST_F(DrawPanelTest, ToolsByPage)
{
    panel.ShowTools(3);
    Move(100, 100);
    Click(100, 100);
    EXPECT_EQ(Data().m_WorkPoly.GetCount(), 0);
    EXPECT_FALSE(panel.GetDlgItem(IDC_BOARD_PICTURE)->IsWindowVisible());
    panel.ShowTools(4);
    EXPECT_TRUE(panel.GetDlgItem(IDC_BOARD_PICTURE)->IsWindowVisible());
    EXPECT_FALSE(panel.GetDlgItem(IDC_BOARD_CMD)->IsWindowVisible());
    EXPECT_FALSE(panel.GetDlgItem(IDC_BOARD_LINE)->IsWindowVisible());
    panel.ShowTools(0);
    EXPECT_TRUE(panel.GetDlgItem(IDC_BOARD_CMD)->IsWindowVisible());
    EXPECT_FALSE(panel.GetDlgItem(IDC_BOARD_PICTURE)->IsWindowVisible());
    Click(100, 100);
    EXPECT_EQ(Data().m_WorkPoly.GetCount(), 1);
}

// One wheel step in and one out about the same point restore the picture's scale.
TEST_F(DrawPanelTest, WheelZoomsAboutThePointer)
{
    const AcGePoint3d before = panel.m_view.WorldToDevice(P(5000, 5000));
    CPoint screen(120, 80);
    area->ClientToScreen(&screen);
    area->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKELPARAM(screen.x, screen.y));
    const AcGePoint3d zoomed = panel.m_view.WorldToDevice(P(5000, 5000));
    EXPECT_NEAR(zoomed.x, 120 + (before.x - 120) * 10.0 / 9.0, 1e-9);
    area->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), MAKELPARAM(screen.x, screen.y));
    const AcGePoint3d after = panel.m_view.WorldToDevice(P(5000, 5000));
    EXPECT_NEAR(after.x, before.x, 1e-9);
    EXPECT_NEAR(after.y, before.y, 1e-9);
}

}  // namespace
