// The reference-point dialog, run as a person runs it: the vertices listed, the vertex picked, and
// the refusal of an item that is no vertex.
#include <gtest/gtest.h>

#include "SlabDrawingFixture.h"
#include "mfc/person/InteractionLog.h"
#include "mfc/person/UserScript.h"
#include "resources/IrregularSlabResource.h"
#include "slab/irregular/RefPointDlg.h"

namespace {

using slabtest::P;
using slabtest::Polyline;

class RefPointDlgTest : public testing::Test {
protected:
    RefPointDlgTest()
    {
        // An outline of 12 vertices (i * 100, 0 or 500) and eleven holes.
        CBoardPolyline outline;
        for (int i = 0; i < 12; ++i)
            outline.AddPoint(P(i < 6 ? i * 100 : (11 - i) * 100, i < 6 ? 0 : 500), 0, 1, BOARD_OUTLINE, 0.0, 0.0);
        data.m_BoardPoly = outline;
        data.m_HasBoard = 1;
        for (int k = 0; k < 11; ++k)
            data.m_HoleArray.Add(Polyline(BOARD_HOLE, SEGMENT_HOLE_EDGE, {P(10 * k, 100), P(10 * k + 5, 100), P(10 * k, 105)}));
        qelt::InteractionLog::Instance().Clear();
    }

    // Runs the dialog under the script; the result and the point chosen.
    int Run(qelt::UserScript& script, AcGePoint3d& point)
    {
        qelt::ScopedUserScript scoped(script);
        CRefPointDlg dlg;
        dlg.SetBoard(&data);
        const int result = static_cast<int>(dlg.DoModal());
        point = dlg.GetPoint();
        return result;
    }

    static qelt::UserAction Pick(const char* path)
    {
        qelt::UserAction action;
        action.kind = qelt::UserAction::Kind::Pick;
        action.controlId = IDC_BOARD_REF_TREE;
        action.text = path;
        return action;
    }

    CBoardData data;
};

TEST_F(RefPointDlgTest, PicksTheTwelfthOutlineVertex)
{
    qelt::UserScript script;
    script.Add(Pick("板边/12 (0, 500) ")).Answer(IDOK);
    AcGePoint3d point;
    EXPECT_EQ(Run(script, point), IDOK);
    EXPECT_FALSE(script.Failed()) << script.Error();
    EXPECT_EQ(point, P(0, 500));
}

// The dialog stands over the drawing a little see-through: layered with an opacity of 254.
TEST_F(RefPointDlgTest, IsLayeredAlmostOpaque)
{
    qelt::UserScript script;
    BYTE alpha = 0;
    script.SetSnapHandler(
        [&alpha](HWND dialog, const std::string&) {
            ::GetLayeredWindowAttributes(dialog, nullptr, &alpha, nullptr);
            return std::string();
        },
        "");
    qelt::UserAction look;
    look.kind = qelt::UserAction::Kind::Snap;
    look.text = "ref";
    script.Add(look).Answer(IDCANCEL);
    AcGePoint3d point;
    Run(script, point);
    EXPECT_EQ(alpha, 254);
}

TEST_F(RefPointDlgTest, HoleNumbersOfTwoDigits)
{
    qelt::UserScript script;
    script.Add(Pick("洞口11/3 (100, 105) ")).Answer(IDOK);
    AcGePoint3d point;
    EXPECT_EQ(Run(script, point), IDOK);
    EXPECT_FALSE(script.Failed()) << script.Error();
    EXPECT_EQ(point, P(100, 105));
}

// The vertices of an outline being drawn follow the outline's, numbered from 1 again; picking one
// gives that vertex, not the outline's vertex of the same number.
TEST_F(RefPointDlgTest, VerticesOfTheOutlineBeingDrawn)
{
    data.m_WorkPoly.AddPoint(P(7000, 7000), 0, 1, BOARD_OUTLINE, 0.0, 0.0);
    data.m_WorkPoly.AddPoint(P(8000, 7000), 0, 1, BOARD_OUTLINE, 0.0, 0.0);
    qelt::UserScript script;
    script.Add(Pick("板边/2 (8000, 7000) ")).Answer(IDOK);
    AcGePoint3d point;
    EXPECT_EQ(Run(script, point), IDOK);
    EXPECT_FALSE(script.Failed()) << script.Error();
    EXPECT_EQ(point, P(8000, 7000));
}

// OK on the root item is refused with a message and the dialog stays open for the next choice.
TEST_F(RefPointDlgTest, RootItemIsRefused)
{
    qelt::UserScript script;
    script.Add(Pick("板边")).Answer(IDOK).Answer(IDOK).Add(Pick("板边/1 (0, 0) ")).Answer(IDOK);
    AcGePoint3d point(1, 1, 0);
    EXPECT_EQ(Run(script, point), IDOK);
    EXPECT_FALSE(script.Failed()) << script.Error();
    EXPECT_EQ(point, P(0, 0));
    bool refused = false;
    for (const qelt::InteractionEntry& entry : qelt::InteractionLog::Instance().Entries())
        refused |= entry.kind == "message box" && entry.text == "请选择参照点";
    EXPECT_TRUE(refused);
}

TEST_F(RefPointDlgTest, CancelKeepsNoPoint)
{
    qelt::UserScript script;
    script.Add(Pick("板边/3 (200, 0) ")).Answer(IDCANCEL);
    AcGePoint3d point;
    EXPECT_EQ(Run(script, point), IDCANCEL);
    EXPECT_EQ(point, P(0, 0));
}

}  // namespace
