#include <gtest/gtest.h>

#include <cstring>

#include "ExpectedMisuses.h"
#include "GdiCanvas.h"

namespace {

TEST(GdiObjects, DescribeThemselves) {
    CPen pen(PS_DASH, 3, RGB(1, 2, 3));
    LOGPEN lp{};
    EXPECT_EQ(pen.GetLogPen(&lp), static_cast<int>(sizeof(lp)));
    EXPECT_EQ(lp.lopnStyle, static_cast<UINT>(PS_DASH));
    EXPECT_EQ(lp.lopnWidth.x, 3);
    EXPECT_EQ(lp.lopnColor, RGB(1, 2, 3));

    CBrush hatch(HS_DIAGCROSS, RGB(4, 5, 6));
    LOGBRUSH lb{};
    hatch.GetLogBrush(&lb);
    EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_HATCHED));
    EXPECT_EQ(lb.lbHatch, static_cast<ULONG_PTR>(HS_DIAGCROSS));
    EXPECT_EQ(hatch.GetObjectType(), static_cast<UINT>(OBJ_BRUSH));

    LOGFONT lf{};
    lf.lfHeight = 15, lf.lfWidth = 12, lf.lfItalic = 1, lf.lfEscapement = 900;
    std::strcpy(lf.lfFaceName, "宋体");
    CFont font;
    font.CreateFontIndirect(&lf);
    LOGFONT back{};
    font.GetLogFont(&back);
    EXPECT_EQ(0, std::memcmp(&lf, &back, sizeof(lf)));
    EXPECT_EQ(GetObject(font, 0, nullptr), static_cast<int>(sizeof(LOGFONT)));
}

TEST(GdiObjects, HandlesAndTheirObjects) {
    CPen pen(PS_SOLID, 1, 0);
    EXPECT_EQ(CPen::FromHandle(pen), &pen);
    EXPECT_TRUE(CGdiObject::FromHandle(pen)->IsKindOf(RUNTIME_CLASS(CPen)));

    // A handle nobody attached gets a temporary object of its kind.
    HBRUSH raw = CreateSolidBrush(RGB(9, 9, 9));
    CGdiObject* temporary = CGdiObject::FromHandle(raw);
    EXPECT_TRUE(temporary->IsKindOf(RUNTIME_CLASS(CBrush)));
    EXPECT_EQ(CGdiObject::FromHandle(raw), temporary);
    // Attaching takes the handle over; the object deletes it.
    {
        CBrush owner;
        EXPECT_TRUE(owner.Attach(raw));
        EXPECT_EQ(CBrush::FromHandle(raw), &owner);
        CBrush second;
        qelt::test::ExpectedMisuses misuses;
        EXPECT_FALSE(second.Attach(raw));
        EXPECT_EQ(misuses.Count(), 1);
    }
    EXPECT_EQ(GetObjectType(raw), 0u);

    HPEN detached;
    {
        CPen keeper(PS_SOLID, 1, 0);
        detached = static_cast<HPEN>(keeper.Detach());
    }
    EXPECT_EQ(GetObjectType(detached), static_cast<DWORD>(OBJ_PEN));  // detached, not deleted
    EXPECT_TRUE(DeleteObject(detached));
}

TEST(GdiObjects, SelectionReturnsThePreviousObject) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CPen a(PS_SOLID, 1, 0), b(PS_SOLID, 2, 0);
    CPen* stock = dc.SelectObject(&a);
    EXPECT_EQ(stock->m_hObject, GetStockObject(BLACK_PEN));
    EXPECT_EQ(dc.SelectObject(&b), &a);
    EXPECT_EQ(dc.SelectObject(stock), &b);
    EXPECT_EQ(dc.SelectStockObject(NULL_BRUSH)->m_hObject, GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(NULL_BRUSH));
    EXPECT_EQ(dc.GetCurrentFont()->m_hObject, GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(CDC::FromHandle(dc.m_hDC), &dc);
}

TEST(GdiObjects, SystemColoursAndStockObjects) {
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(255, 255, 255));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(240, 240, 240));
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), RGB(51, 153, 255));
    LOGBRUSH lb{};
    GetObject(GetSysColorBrush(COLOR_BTNFACE), sizeof(lb), &lb);
    EXPECT_EQ(lb.lbColor, RGB(240, 240, 240));
    EXPECT_EQ(GetSysColorBrush(COLOR_BTNFACE), GetSysColorBrush(COLOR_BTNFACE));
    GetObject(GetStockObject(LTGRAY_BRUSH), sizeof(lb), &lb);
    EXPECT_EQ(lb.lbColor, RGB(192, 192, 192));
    GetObject(GetStockObject(NULL_BRUSH), sizeof(lb), &lb);
    EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_NULL));
    LOGFONT lf{};
    GetObject(GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    EXPECT_STREQ(lf.lfFaceName, "宋体");
    EXPECT_EQ(GetStockObject(99), nullptr);
}

}  // namespace
