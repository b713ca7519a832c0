#include <gtest/gtest.h>

#include <cmath>

#include "Printers.h"
#include "TestCommand.h"
#include "host/VuskMainInfo.h"
#include "resources/FrameworkTestResource.h"

namespace {

TEST(CaltPageKind, FromTheTabTitle)
{
    const struct {
        const char* title;
        int kind;
    } cases[] = {
        {"基本参数", CALT_PAGE_INPUT}, {"计算结果", CALT_PAGE_RESULT}, {"计算书", CALT_PAGE_REPORT},
        {"绘图预览", CALT_PAGE_PREVIEW}, {"计算参数", CALT_PAGE_INPUT}, {"边界参数", CALT_PAGE_INPUT},
        {"荷载参数1", CALT_PAGE_INPUT}, {"", CALT_PAGE_INPUT}, {"计算书 ", CALT_PAGE_INPUT},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(CString(c.title));
        EXPECT_EQ(c.kind, CaltPageKindOfTitle(c.title));
    }
}

// A page on its own, outside any work dialog, under the host's frame.
class PageRangeCheck : public ::testing::Test {
protected:
    void SetUp() override
    {
        qelt::InteractionLog::Instance().Clear();
        ASSERT_TRUE(page.Create(IDD_TEST_SIZE, &frame.wnd));
        page.ShowWindow(SW_SHOW);
    }
    void TearDown() override
    {
        page.DestroyWindow();
        g_VuskMainInfo.m_bSkipEditCheck = 0;
    }

    BOOL Check(int nID, LPCTSTR lpszText, double& dValue, int nDecimals)
    {
        page.GetDlgItem(nID)->SetWindowText(lpszText);
        return page.CheckEditDouble(nID, dValue, 1000, 10, nDecimals);
    }

    CTestFrame frame;
    CTestSizePage page;
};

TEST_F(PageRangeCheck, RefusedTextGetsTheOldValueBackWithinTheBounds)
{
    const struct {
        const char* text;
        double oldValue;
        int decimals;
        const char* shown;
        double value;
    } cases[] = {
        {"abc", 5000, 2, "1000.00", 1000},   // above the upper bound
        {"abc", 3, 0, "10", 10},             // below the lower bound
        {"abc", 250.456, 1, "250.5", 250.456},
        {"1e5", 250.25, -1, "250.25", 250.25},
        {"", NAN, -1, "1000", 1000},         // an old value that is not a number
        {"9.99", 500, -1, "500", 500},       // just outside
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        double dValue = c.oldValue;
        EXPECT_FALSE(Check(IDC_TEST_WIDTH, c.text, dValue, c.decimals));
        EXPECT_EQ(CString(c.shown), ControlText(page, IDC_TEST_WIDTH));
        EXPECT_DOUBLE_EQ(c.value, dValue);
    }
}

TEST_F(PageRangeCheck, RefusalTellsTheBoundsLowerFirstAndSelectsTheBox)
{
    double dValue = 20;
    page.GetDlgItem(IDC_TEST_WIDTH)->SetWindowText("-1");
    EXPECT_FALSE(page.CheckEditDouble(IDC_TEST_WIDTH, dValue, 10000, 0.000001, -1));

    std::vector<qelt::InteractionEntry> prompts = PromptsShown();
    ASSERT_EQ(1u, prompts.size());
    EXPECT_EQ(CString("请输入一个在0.000001与10000之间的实数"), prompts[0].text);
    EXPECT_EQ(std::vector<CString>{"确定(&O)"}, prompts[0].buttons);

    CEdit* pEdit = static_cast<CEdit*>(page.GetDlgItem(IDC_TEST_WIDTH));
    EXPECT_EQ(pEdit, CWnd::GetFocus());
    int nStart = -1, nEnd = -1;
    pEdit->GetSel(nStart, nEnd);
    EXPECT_EQ(0, nStart);
    EXPECT_EQ(2, nEnd);
}

TEST_F(PageRangeCheck, AcceptedNumberIsTaken)
{
    double dValue = 20;
    EXPECT_TRUE(Check(IDC_TEST_WIDTH, " 300 ", dValue, -1));
    EXPECT_DOUBLE_EQ(300, dValue);
    EXPECT_TRUE(Check(IDC_TEST_WIDTH, "1000", dValue, -1));
    EXPECT_DOUBLE_EQ(1000, dValue);
    EXPECT_TRUE(PromptsShown().empty());
}

TEST_F(PageRangeCheck, BoxesThatAreNotTestedLeaveTheValue)
{
    double dValue = 20;
    EXPECT_TRUE(Check(IDC_TEST_DISABLED, "abc", dValue, -1));
    EXPECT_TRUE(Check(IDC_TEST_HIDDEN, "abc", dValue, -1));
    g_VuskMainInfo.m_bSkipEditCheck = 1;
    EXPECT_TRUE(Check(IDC_TEST_WIDTH, "abc", dValue, -1));
    EXPECT_TRUE(Check(IDC_TEST_WIDTH, "300", dValue, -1));
    EXPECT_DOUBLE_EQ(20, dValue);
    EXPECT_EQ(CString("300"), ControlText(page, IDC_TEST_WIDTH));
    EXPECT_TRUE(PromptsShown().empty());
}

TEST_F(PageRangeCheck, OutsideAWorkDialogThePageHasNoParametersAndCalculatesNothing)
{
    EXPECT_EQ(NULL, page.GetParam());
    EXPECT_EQ(0, page.Calculate());
    EXPECT_TRUE(page.CheckInput(TRUE));
    EXPECT_EQ(1, page.GetDlgMode());
}

}  // namespace
