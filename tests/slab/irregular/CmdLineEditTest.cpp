// The command line: what an entry typed after the prompt and ended with Space is taken for, and the
// caret that stays behind the prompt.
#include <gtest/gtest.h>

#include "slab/irregular/CmdLineEdit.h"

namespace {

const char* const kPrompt = " next point/-F ref: ";

class CmdLineTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(frame.CreateEx(0, nullptr, "frame", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 100), nullptr, 0));
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, CRect(0, 0, 380, 20), &frame, 688));
        edit.SetWindowText(kPrompt);
        edit.SetFocus();
        const int end = CString(kPrompt).GetLength();
        edit.SetSel(end, end);
    }
    void TearDown() override { frame.DestroyWindow(); }

    // Types the entry character by character, then a Space.
    void Enter(const char* entry)
    {
        for (const char* c = entry; *c; ++c) edit.SendMessage(WM_CHAR, static_cast<unsigned char>(*c), 0);
        edit.SendMessage(WM_CHAR, ' ', 0);
    }

    CWnd frame;
    CCmdLineEdit edit;
};

struct EntryRow {
    const char* entry;
    const char* keyWord;
    double a, b;  // the number or x, y or length, angle
};

const EntryRow kEntries[] = {
    {"", "c", 0, 0},
    {" ", "ErrKey", 0, 0},
    {"250", "NumInput", 250, 0},
    {"0", "NumInput", 0, 0},
    {"00", "ErrKey", 0, 0},
    {"12abc", "NumInput", 12, 0},
    {"-150", "NumInput", -150, 0},
    {"100,200", "CoordInput", 100, 200},
    {"100,0", "CoordInput", 100, 0},
    {"100, 0", "ErrKey", 0, 0},
    {"100,200,300", "ErrKey", 0, 0},
    {"100.9,200", "CoordInput", 100, 200},
    {",200", "ErrKey", 0, 0},
    {"@1000<45", "AngleInput", 1000, 45},
    {"@1000<0", "AngleInput", 1000, 0},
    {"@1.5e3<-30.5", "AngleInput", 1500, -30.5},
    {"@0<45", "ErrKey", 0, 0},
    {"@1e999<45", "ErrKey", 0, 0},
    {"@nan<45", "ErrKey", 0, 0},
    {"@500,-300", "OppCoord", 500, -300},
    {"f", "f", 0, 0},
    {"f1", "f", 0, 0},
    {"fabc", "f", 0, 0},
    {"F", "ErrKey", 0, 0},
    {"-F", "ErrKey", 0, 0},
};

void PrintTo(const EntryRow& row, std::ostream* os) { *os << "\"" << row.entry << "\""; }

class CmdLineEntries : public CmdLineTest, public testing::WithParamInterface<EntryRow> {};

TEST_P(CmdLineEntries, KeyWordAndValues)
{
    const EntryRow& row = GetParam();
    Enter(row.entry);
    EXPECT_EQ(edit.m_strKeyWord, row.keyWord);
    const CString key = row.keyWord;
    if (key == "NumInput") {
        EXPECT_EQ(edit.m_nNumber, row.a);
    }
    if (key == "CoordInput" || key == "OppCoord") {
        EXPECT_EQ(edit.m_ptInput.x, row.a);
        EXPECT_EQ(edit.m_ptInput.y, row.b);
        EXPECT_EQ(edit.m_ptInput.z, 0.0);
    }
    if (key == "AngleInput") {
        EXPECT_DOUBLE_EQ(edit.m_dLength, row.a);
        EXPECT_DOUBLE_EQ(edit.m_dAngle, row.b);
    }
}

INSTANTIATE_TEST_SUITE_P(Entries, CmdLineEntries, testing::ValuesIn(kEntries));

TEST_F(CmdLineTest, TypingSetsOtherUntilTheSpace)
{
    edit.SendMessage(WM_CHAR, '2', 0);
    EXPECT_EQ(edit.m_strKeyWord, "other");
    CString text;
    edit.GetWindowText(text);
    EXPECT_EQ(text, CString(kPrompt) + "2");
}

// Home, a click on the prompt or a selection over it leave the caret at the end of the prompt.
TEST_F(CmdLineTest, CaretStaysBehindThePrompt)
{
    const int limit = CString(kPrompt).GetLength();
    edit.SendMessage(WM_CHAR, '7', 0);
    int start = 0, end = 0;
    edit.SendMessage(WM_KEYDOWN, VK_HOME, 0);
    edit.GetSel(start, end);
    EXPECT_EQ(start, limit);
    EXPECT_EQ(end, limit);
    edit.SetSel(0, limit + 1);
    edit.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(2, 5));
    edit.GetSel(start, end);
    EXPECT_EQ(start, limit);
    edit.SetSel(2, 2);
    EXPECT_EQ(edit.KeepCaretAfterPrompt(), limit - 2);
    edit.GetSel(start, end);
    EXPECT_EQ(start, limit);
    EXPECT_EQ(end, limit);
}

}  // namespace
