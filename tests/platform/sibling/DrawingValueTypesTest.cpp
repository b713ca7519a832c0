#include <gtest/gtest.h>

#include <climits>

#include "ExpectedMisuses.h"
#include "GdiCanvas.h"
#include "sibling/GraphTrans.h"

namespace {

TEST(DrawingValueTypes, FloatPoint) {
    CFloatPoint a(1.5, -2), b(0.5, 4);
    EXPECT_EQ((a + b).x, 2.0);
    EXPECT_EQ((a - b).y, -6.0);
    a += b;
    EXPECT_FALSE(a != CFloatPoint(2, 2));
    a -= b;
    EXPECT_TRUE(a != CFloatPoint(1.5, -2.0000001));
    CFloatPoint c;
    const CFloatPoint copy = (c = b);  // assignment yields a copy of the result
    EXPECT_FALSE(copy != b);
    EXPECT_FALSE(c != b);
    c.Set(3, 4);
    EXPECT_FALSE(CFloatPoint(CIntPoint(3, 4)) != c);
}

TEST(DrawingValueTypes, IntPoint) {
    const CIntPoint p(-3, 3);
    EXPECT_EQ((p / 2).x, -1);  // toward zero
    EXPECT_EQ((p / 2).y, 1);
    EXPECT_EQ((p * 3).x, -9);
    EXPECT_EQ((p + CIntPoint(1, 1)).y, 4);
    EXPECT_EQ((p - CIntPoint(1, 1)).x, -4);
    const CIntPoint truncated(CFloatPoint(-1.7, 2.9));
    EXPECT_EQ(truncated.x, -1);
    EXPECT_EQ(truncated.y, 2);
    const CIntPoint huge(CFloatPoint(1e300, -1e300));
    EXPECT_EQ(huge.x, INT_MAX);
    EXPECT_EQ(huge.y, INT_MIN);

    qelt::test::ExpectedMisuses misuses;
    const CIntPoint zero = p / 0;
    EXPECT_EQ(zero.x, 0);
    EXPECT_EQ(zero.y, 0);
    EXPECT_EQ(misuses.Count(), 1);
}

TEST(DrawingValueTypes, FloatRect) {
    EXPECT_EQ(CFloatRect(5, 0, 1, 0).Width(), 4.0);
    EXPECT_EQ(CFloatRect(0, 7, 0, 2).Height(), 5.0);

    // Union takes top as the larger y.
    CFloatRect r(0, 10, 5, 0);
    r.Union(CFloatPoint(7, 12));
    EXPECT_EQ(r.left, 0.0);
    EXPECT_EQ(r.top, 12.0);
    EXPECT_EQ(r.right, 7.0);
    EXPECT_EQ(r.bottom, 0.0);

    // The two-point form puts the smaller y into top.
    const CFloatRect two(CFloatPoint(4, 9), CFloatPoint(1, 3));
    EXPECT_EQ(two.left, 1.0);
    EXPECT_EQ(two.top, 3.0);
    EXPECT_EQ(two.right, 4.0);
    EXPECT_EQ(two.bottom, 9.0);
    CFloatRect copy;
    copy = two;
    EXPECT_EQ(copy.bottom, 9.0);
}

TEST(DrawingValueTypes, Transform) {
    CgraphTrans graph;
    graph.setScale(2);
    graph.setBasePt(CIntPoint(10, 20));
    EXPECT_EQ(graph.getScale(), 2.0);
    // 3.4 truncates to 3 and -3.4 to -3 before the base is added.
    const CIntPoint d = graph.FPtoIP(CFloatPoint(1.7, -1.7));
    EXPECT_EQ(d.x, 13);
    EXPECT_EQ(d.y, 17);
    const CFloatPoint w = graph.IPtoFP(CIntPoint(14, 16));
    EXPECT_EQ(w.x, 2.0);
    EXPECT_EQ(w.y, -2.0);

    // Edges converted one by one, not normalised.
    const CRect device = graph.FRtoIR(CFloatRect(0, 5, 2.9, -1));
    EXPECT_EQ(device, CRect(10, 30, 15, 18));
    // A device rectangle whose top is below its bottom comes back with top < bottom.
    const CFloatRect world = graph.IRtoFR(CRect(10, 40, 20, 20));
    EXPECT_EQ(world.top, 0.0);
    EXPECT_EQ(world.bottom, 10.0);
    EXPECT_LT(world.top, world.bottom);
}

TEST(DrawingValueTypes, EmptyGraph) {
    CgraphTrans graph;
    EXPECT_TRUE(graph.isEmpty());
    EXPECT_EQ(graph.ExportPic(), nullptr);
    EXPECT_EQ(graph.GetWorldRect().Width(), 0.0);
    EXPECT_EQ(graph.getBasePt().x, 0);
    EXPECT_EQ(graph.getScale(), 1.0);
    graph.SetBkColor(RGB(1, 2, 3));
    EXPECT_EQ(graph.GetBkColor(), RGB(1, 2, 3));
}

// Copies share one bitmap, which goes when the last copy goes: never released twice, never leaked.
TEST(DrawingValueTypes, CopiesShareTheBufferBitmap) {
    CBitmap source;
    source.CreateBitmap(4, 4, 1, 32, nullptr);
    HBITMAP shared = nullptr;
    {
        CgraphTrans original(&source);
        shared = original.ExportPic();
        ASSERT_NE(shared, nullptr);
        EXPECT_NE(shared, static_cast<HBITMAP>(source.m_hObject));  // the graph draws on a copy
        {
            CgraphTrans copy(original);
            EXPECT_EQ(copy.ExportPic(), shared);
            CgraphTrans assigned;
            assigned = copy;
            EXPECT_EQ(assigned.ExportPic(), shared);
            EXPECT_EQ(assigned.GetPicBoxRect(), CRect(0, 0, 4, 4));
            const CFloatPoint centre = assigned.GetCenter();
            EXPECT_EQ(centre.x, 2.0);
        }
        EXPECT_EQ(GetObjectType(shared), static_cast<DWORD>(OBJ_BITMAP));  // still alive for the original

        // Assigning another graph lets go of the old buffer (the original still holds it).
        CBitmap other;
        other.CreateBitmap(2, 2, 1, 32, nullptr);
        CgraphTrans replaced(&other);
        const HBITMAP old = replaced.ExportPic();
        replaced = original;
        EXPECT_EQ(GetObjectType(old), 0u);
        EXPECT_EQ(replaced.ExportPic(), shared);
    }
    EXPECT_EQ(GetObjectType(shared), 0u);  // released once, with the last copy
}

}  // namespace
