// The slab page as the hub of its panels: which panel each title shows, what the codes of the
// drawing panel do to the edge and load panels, the editing mode chosen, and the input test's
// order of checks.
#include <gtest/gtest.h>

#include "SlabDrawingFixture.h"
#include "resources/IrregularSlabResource.h"
#include "slab/irregular/AtypicalBoardDlg.h"

namespace {

using slabtest::P;
using slabtest::Polyline;

class BoardPageTest : public testing::Test {
protected:
    void SetUp() override
    {
        param.SetDefaultData();
        ASSERT_TRUE(frame.CreateEx(0, nullptr, "frame", WS_POPUP | WS_VISIBLE, CRect(0, 0, 1200, 800), nullptr, 0));
    }
    void TearDown() override
    {
        if (page.GetSafeHwnd())
            page.DestroyWindow();
        frame.DestroyWindow();
    }
    void Open(const char* title)
    {
        page.m_strTitle = title;
        ASSERT_TRUE(page.Create(IDD_ATYPICAL_BOARD, &frame));
        page.ShowWindow(SW_SHOW);
    }
    LRESULT Code(int code) { return page.SendMessage(WM_BOARD_NOTIFY, code, 0); }
    BOOL Enabled(CWnd& panel, UINT id) { return panel.GetDlgItem(id)->IsWindowEnabled(); }

    CAtypicalBoardParam param;
    CWnd frame;
    CAtypicalBoardDlg page{&param};
};

TEST_F(BoardPageTest, EachTitleShowsItsPanelBesideTheDrawingPanel)
{
    const struct {
        const char* title;
        int page;
    } rows[] = {{"边界参数", 0}, {"荷载参数1", 1}, {"荷载参数2", 2}, {"计算参数", 3}, {"计算结果", 4}, {"其他", -1}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.title);
        CAtypicalBoardDlg one(&param);
        one.m_strTitle = row.title;
        ASSERT_TRUE(one.Create(IDD_ATYPICAL_BOARD, &frame));
        EXPECT_EQ(one.GetBoardPage(), row.page);
        CWnd* panels[] = {&one.m_dlgEdge, &one.m_dlgLoad, &one.m_dlgLineLoad, &one.m_dlgSettings, &one.m_dlgResult};
        for (int i = 0; i < 5; ++i) EXPECT_EQ(panels[i]->GetSafeHwnd() != NULL, i == row.page) << i;
        CRect draw;
        one.m_dlgDraw.GetWindowRect(&draw);
        one.ScreenToClient(&draw);
        EXPECT_EQ(draw.left, 0);
        EXPECT_EQ(draw.top, 10);
        if (row.page >= 0) {
            CRect beside;
            panels[row.page]->GetWindowRect(&beside);
            one.ScreenToClient(&beside);
            EXPECT_EQ(beside.left, draw.right + 10);
            EXPECT_EQ(beside.top, draw.top);
        }
        one.DestroyWindow();
    }
}

// While an outline is drawn the boxes and the node list are off; its finish switches to holes. A
// hole's finish gives the 板边 box back the state it had when the hole began.
TEST_F(BoardPageTest, EdgeCodesWhileDrawing)
{
    Open("边界参数");
    page.Refresh(0);
    CBoardDraw& view = page.m_dlgDraw.m_view;
    view.StartPolyline(P(0, 0));
    Code(BOARD_OUTLINE_POINT);
    EXPECT_FALSE(Enabled(page.m_dlgEdge, IDC_BOARD_OUTLINE_BOX));
    EXPECT_FALSE(page.m_dlgEdge.m_NodeList.IsWindowEnabled());
    view.AddVertex(P(4000, 0));
    Code(BOARD_OUTLINE_POINT);
    view.AddVertex(P(4000, 3000));
    Code(BOARD_OUTLINE_POINT);
    view.FinishPolyline();
    param.m_bModified = 0;
    Code(BOARD_OUTLINE_DONE);
    EXPECT_EQ(param.m_bModified, 1);
    EXPECT_EQ(page.m_dlgEdge.m_NodeList.GetItemCount(), 4);
    EXPECT_TRUE(page.m_dlgEdge.IsHoleMode());
    EXPECT_EQ(param.m_nBoardType, BOARD_HOLE);
    EXPECT_EQ(param.m_nBoardLineType, SEGMENT_HOLE_EDGE);
    const BOOL outlineBox = Enabled(page.m_dlgEdge, IDC_BOARD_OUTLINE_BOX);
    view.StartPolyline(P(1000, 1000));
    Code(BOARD_HOLE_POINT);
    view.FinishRectangle(P(2000, 2000));
    Code(BOARD_RECT_HOLE);
    EXPECT_EQ(Enabled(page.m_dlgEdge, IDC_BOARD_OUTLINE_BOX), outlineBox);
    EXPECT_TRUE(Enabled(page.m_dlgEdge, IDC_BOARD_HOLE_BOX));
    EXPECT_EQ(page.m_dlgEdge.m_HoleList.GetItemCount(), 5);
    EXPECT_EQ(page.m_nHolePoints, 0);
}

// A single clicked vertex finishes no outline: both boxes come back and outline mode stays.
TEST_F(BoardPageTest, AnOutlineOfOneVertexIsDrawnAgain)
{
    Open("边界参数");
    page.Refresh(0);
    page.m_dlgDraw.m_view.StartPolyline(P(0, 0));
    Code(BOARD_OUTLINE_POINT);
    page.m_dlgDraw.m_view.FinishPolyline();
    Code(BOARD_OUTLINE_DONE);
    EXPECT_TRUE(Enabled(page.m_dlgEdge, IDC_BOARD_OUTLINE_BOX));
    EXPECT_TRUE(Enabled(page.m_dlgEdge, IDC_BOARD_HOLE_BOX));
    EXPECT_FALSE(page.m_dlgEdge.IsHoleMode());
    EXPECT_EQ(page.m_dlgEdge.m_NodeList.GetItemCount(), 0);
}

// The load pages: their edit object and mode, a trapezoid load drawn with ortho on and off after.
TEST_F(BoardPageTest, LoadPagesSelectTheirEditObject)
{
    Open("荷载参数2");
    page.Refresh(0);
    EXPECT_EQ(param.m_nBoardType, BOARD_TRAP_LOAD);
    EXPECT_EQ(page.m_dlgDraw.GetDrawMode(), DRAW_TRAP_LOAD);
    EXPECT_EQ(param.m_nCurPage, 2);
    Code(BOARD_TRAP_FIRST);
    EXPECT_EQ(page.m_dlgDraw.m_bOrtho, 1);
    EXPECT_FALSE(page.m_dlgLineLoad.m_lstTrap.IsWindowEnabled());
    Code(BOARD_TRAP_DONE);
    EXPECT_EQ(page.m_dlgDraw.m_bOrtho, 0);
    EXPECT_TRUE(page.m_dlgLineLoad.m_lstTrap.IsWindowEnabled());
    page.m_dlgLineLoad.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BOARD_LINE_BOX, BN_CLICKED), 0);
    EXPECT_EQ(param.m_nBoardType, BOARD_LINE_LOAD);
    EXPECT_EQ(page.m_dlgDraw.GetDrawMode(), DRAW_LINE_LOAD);
}

// The input test stops at the first failure, in its order; loads outside warn, loads in a hole err.
TEST_F(BoardPageTest, InputTestInItsOrder)
{
    Open("边界参数");
    CStringArray warnings, errors;
    EXPECT_FALSE(page.CheckData(&param, warnings, errors));
    ASSERT_EQ(errors.GetSize(), 1);
    EXPECT_EQ(errors[0], "请输入板边信息");

    CBoardData& data = param.m_BoardData;
    data.m_BoardPoly = Polyline(BOARD_OUTLINE, 1, {P(0, 0), P(6000, 0), P(6000, 6000), P(0, 6000)});
    data.m_HasBoard = 1;
    data.m_MassLoadArray.Add(CMassLoad(P(9000, 1000), LOAD_DEAD, 10.0));
    warnings.RemoveAll(), errors.RemoveAll();
    EXPECT_FALSE(page.CheckData(&param, warnings, errors));
    ASSERT_EQ(warnings.GetSize(), 1);
    EXPECT_EQ(warnings[0], "荷载应在板边的范围内");
    EXPECT_EQ(errors.GetSize(), 0);

    data.m_MassLoadArray[0].SetMassPt(P(1500, 1500));
    data.m_HoleArray.Add(Polyline(BOARD_HOLE, SEGMENT_HOLE_EDGE, {P(1000, 1000), P(2000, 1000), P(2000, 2000), P(1000, 2000)}));
    warnings.RemoveAll(), errors.RemoveAll();
    EXPECT_FALSE(page.CheckData(&param, warnings, errors));
    ASSERT_EQ(errors.GetSize(), 1);
    EXPECT_EQ(errors[0], "荷载应在洞口的范围外");

    data.m_MassLoadArray.RemoveAll();
    warnings.RemoveAll(), errors.RemoveAll();
    EXPECT_TRUE(page.CheckData(&param, warnings, errors));
}

}  // namespace
