#include <gtest/gtest.h>

#include "mfc/base/Geometry.h"

TEST(CRect, Operations) {
    CRect r(10, 20, 0, 5);
    r.NormalizeRect();
    EXPECT_EQ(r, CRect(0, 5, 10, 20));
    EXPECT_EQ(r.Width(), 10);
    EXPECT_EQ(r.Height(), 15);
    EXPECT_TRUE(r.PtInRect(CPoint(0, 5)));
    EXPECT_FALSE(r.PtInRect(CPoint(10, 5)));  // right edge is outside
    r.InflateRect(2, 3);
    EXPECT_EQ(r, CRect(-2, 2, 12, 23));
    r.OffsetRect(2, -2);
    EXPECT_EQ(r, CRect(0, 0, 14, 21));
    r.DeflateRect(1, 2, 3, 4);
    EXPECT_EQ(r, CRect(1, 2, 11, 17));

    CRect u;
    EXPECT_TRUE(u.UnionRect(CRect(0, 0, 5, 5), CRect(10, 10, 20, 30)));
    EXPECT_EQ(u, CRect(0, 0, 20, 30));
    EXPECT_TRUE(u.UnionRect(CRect(), CRect(1, 1, 2, 2)));  // an empty one is ignored
    EXPECT_EQ(u, CRect(1, 1, 2, 2));
    CRect i;
    EXPECT_FALSE(i.IntersectRect(CRect(0, 0, 5, 5), CRect(5, 0, 9, 9)));
    EXPECT_TRUE(i.IsRectNull());
    EXPECT_EQ(CRect(0, 0, 10, 10) & CRect(5, 5, 20, 20), CRect(5, 5, 10, 10));
    EXPECT_EQ(CRect(0, 0, 4, 6).CenterPoint(), CPoint(2, 3));
    EXPECT_EQ(CPoint(5, 7) - CPoint(2, 3), CSize(3, 4));
}
