#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/EditCmbList.h"
#include "mfc/GdiApi.h"
#include "Printers.h"

namespace {

void Fill(CStringArray& choices, std::initializer_list<const char*> texts) {
    for (const char* text : texts) choices.Add(text);
}

// Cell, column and row entries of one attribute: the cell's own wins over its column's, the
// column's over its row's.
TEST(EditCmbListModel, ACellTakesItsOwnThenItsColumnsThenItsRowsAttribute) {
    CEditCmbList list;
    list.SetColBKColor(2, RGB(255, 0, 0));
    list.SetRowBKColor(5, RGB(0, 255, 0));
    list.SetColCheck(4, 1);
    list.SetRowCheck(5, 0);
    list.setColModifyType(1, EDITCMB_LIST, nullptr, "");
    list.setRowModifyType(5, EDITCMB_EDIT, nullptr, "");
    struct Case {
        int col, row;
        COLORREF color;
        int check, type;
    };
    const std::vector<Case> before = {
        {2, 5, RGB(255, 0, 0), 0, EDITCMB_EDIT},
        {3, 5, RGB(0, 255, 0), 0, EDITCMB_EDIT},
        {2, 6, RGB(255, 0, 0), -1, EDITCMB_READONLY},
        {4, 5, RGB(0, 255, 0), 1, EDITCMB_EDIT},
        {1, 5, RGB(0, 255, 0), 0, EDITCMB_LIST},
        {7, 7, RGB(255, 255, 255), -1, EDITCMB_READONLY},
    };
    for (const Case& c : before) {
        SCOPED_TRACE("cell " + std::to_string(c.col) + "," + std::to_string(c.row));
        EXPECT_EQ(list.GetCellBKColor(c.col, c.row), c.color);
        EXPECT_EQ(list.GetCellCheck(c.col, c.row), c.check);
        EXPECT_EQ(list.GetCellModifyType(c.col, c.row), c.type);
    }
    list.SetCellBKColor(2, 5, RGB(0, 0, 255));
    list.SetCellCheck(4, 5, 7);
    list.SetCellModifyType(1, 5, EDITCMB_EDIT_BUTTON, nullptr, "...");
    EXPECT_EQ(list.GetCellBKColor(2, 5), RGB(0, 0, 255));
    EXPECT_EQ(list.GetCellCheck(4, 5), 7);
    EXPECT_EQ(list.GetCellModifyType(1, 5), EDITCMB_EDIT_BUTTON);
    EXPECT_EQ(list.GetCellModifyState(1, 5).m_strBtnCaption, CString("..."));
    EXPECT_EQ(list.GetColBKColor(2), RGB(255, 0, 0)) << "the column's own entry";
    EXPECT_EQ(list.GetRowBKColor(5), RGB(0, 255, 0));
    EXPECT_EQ(list.GetColModifyType(1), EDITCMB_LIST);
    EXPECT_EQ(list.GetRowModifyType(5), EDITCMB_EDIT);
}

// Cell (0, 7), row 7 and column 0 are three keys: 7, 7 − 100000 and −1.
TEST(EditCmbListModel, ACellOfColumnZeroIsNotItsRowNorItsColumn) {
    CEditCmbList list;
    list.SetCellBKColor(0, 7, RGB(1, 1, 1));
    list.SetRowBKColor(7, RGB(2, 2, 2));
    list.SetColBKColor(0, RGB(3, 3, 3));
    EXPECT_EQ(list.GetCellBKColor(0, 7), RGB(1, 1, 1));
    EXPECT_EQ(list.GetCellBKColor(1, 7), RGB(2, 2, 2));
    EXPECT_EQ(list.GetCellBKColor(0, 6), RGB(3, 3, 3));
}

TEST(EditCmbListModel, ChecksAreNoneUntilAnAttributeIsSet) {
    CEditCmbList list;
    list.SetCellModifyType(0, 0, EDITCMB_EDIT, nullptr, "");
    EXPECT_EQ(list.GetCellCheck(0, 0), -1);
    list.SetCellBKColor(3, 3, RGB(9, 9, 9));
    list.SetRowCheck(0, 1);
    EXPECT_EQ(list.GetCellCheck(0, 0), 1);
}

TEST(EditCmbListModel, ChoicesComeOnlyWithAComboKind) {
    CEditCmbList list;
    CStringArray choices;
    Fill(choices, {"均布", "集中"});
    list.SetCellModifyType(0, 0, EDITCMB_EDIT, &choices, "");
    list.SetCellModifyType(1, 0, EDITCMB_LIST, &choices, "");
    CStringArray got;
    Fill(got, {"left over"});
    EXPECT_EQ(list.GetCellModifyType(0, 0, got), EDITCMB_EDIT);
    EXPECT_EQ(got.GetSize(), 0);
    EXPECT_EQ(list.GetCellModifyType(1, 0, got), EDITCMB_LIST);
    ASSERT_EQ(got.GetSize(), 2);
    EXPECT_EQ(got[1], CString("集中"));
    EXPECT_EQ(list.GetCellModifyType(5, 5, got), EDITCMB_READONLY);
    EXPECT_EQ(got.GetSize(), 0);
}

TEST(EditCmbListModel, TheEditorDescriptionCopiesWhole) {
    CEditCmbArray first;
    first.m_nModifyType = EDITCMB_COMBO_BUTTON;
    first.m_strBtnCaption = "选择";
    first.m_strChoices.Add("C20");
    first.m_strChoices.Add("C25");
    CEditCmbArray copy(first);
    CEditCmbArray assigned;
    assigned.m_strChoices.Add("stale");
    assigned = first;
    first.m_strChoices[0] = "C30";
    for (const CEditCmbArray* each : {&copy, &assigned}) {
        EXPECT_EQ(each->m_nModifyType, EDITCMB_COMBO_BUTTON);
        EXPECT_EQ(each->m_strBtnCaption, CString("选择"));
        ASSERT_EQ(each->m_strChoices.GetSize(), 2);
        EXPECT_EQ(each->m_strChoices[0], CString("C20"));
    }
    EXPECT_EQ(CEditCmbArray().m_nModifyType, EDITCMB_READONLY);
}

TEST(EditCmbListModel, TheListKeepsItsOwnCopyOfABitmapAndOneACell) {
    CEditCmbList list;
    const DWORD red[4] = {0x00FF0000, 0x00FF0000, 0x00FF0000, 0x00FF0000};
    HBITMAP first = ::CreateBitmap(2, 2, 1, 32, red);
    HBITMAP second = ::CreateBitmap(3, 1, 1, 32, red);
    list.SetCellBitmap(1, 1, first);
    CBitmap* copy = list.GetCellBitmap(1, 1);
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(static_cast<HBITMAP>(*copy), first);
    ::DeleteObject(first);
    BITMAP info{};
    ASSERT_TRUE(copy->GetBitmap(&info));
    EXPECT_EQ(info.bmWidth, 2);
    list.SetCellBitmap(1, 1, second);
    ASSERT_NE(list.GetCellBitmap(1, 1), nullptr);
    ASSERT_TRUE(list.GetCellBitmap(1, 1)->GetBitmap(&info));
    EXPECT_EQ(info.bmWidth, 3) << "the second replaces the first";
    ::DeleteObject(second);
    EXPECT_EQ(list.GetCellBitmap(0, 1), nullptr);
}

TEST(EditCmbListModel, TabOrderTakesOnlyItsThreeValues) {
    CEditCmbList list;
    for (int order : {1, 2, -2, -1, 7, 0}) {
        const int before = list.GetTabOrder();
        list.SetTabOrder(order);
        EXPECT_EQ(list.GetTabOrder(), order >= -1 && order <= 1 ? order : before) << order;
    }
}

}  // namespace
