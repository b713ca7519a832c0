#include <gtest/gtest.h>

#include "ExpectedMisuses.h"
#include "Printers.h"
#include "host/CheckEditValue.h"
#include "host/VuskDlg.h"
#include "host/VuskMainInfo.h"
#include "mfc/person/InteractionLog.h"
#include "resources/HostResource.h"

namespace {

TEST(CheckEditValue, OutOfRangeIsToldAndPutBack) {
    struct Case {
        const char* text;
        double lower, upper;
        bool accepted;
        const char* message;
        const char* shown;
    } cases[] = {
        {"50", 0, 100, true, nullptr, "50"},
        {" 100 ", 0, 100, true, nullptr, " 100 "},
        {"150", 0, 100, false, "输入值应在0与100之间", "100"},
        {"-5", 0, 100, false, "输入值应在0与100之间", "0"},
        {"abc", 0, 100, false, "输入值应在0与100之间", "0"},
        {"", 0.000001, 1000000, false, "输入值应在0.000001与1000000之间", "0.000001"},
    };
    CVuskDlg page(IDD_HOST_CONTROLS);
    ASSERT_TRUE(page.Create(IDD_HOST_CONTROLS));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        qelt::InteractionLog::Instance().Clear();
        page.SetEditText(IDC_HOST_EDIT, c.text);
        EXPECT_EQ(CheckEditValue(&page, IDC_HOST_EDIT, c.lower, c.upper, 0) != FALSE, c.accepted);
        EXPECT_EQ(page.GetEditText(IDC_HOST_EDIT), c.shown);
        const auto& entries = qelt::InteractionLog::Instance().Entries();
        if (c.accepted) {
            EXPECT_TRUE(entries.empty());
            continue;
        }
        ASSERT_EQ(entries.size(), 1u);
        EXPECT_EQ(entries[0].caption, "QELT构件计算提示您");
        EXPECT_EQ(entries[0].text, c.message);
        EXPECT_EQ(CWnd::GetFocus(), page.GetDlgItem(IDC_HOST_EDIT));
    }
}

TEST(CheckEditValue, SkippedWhileTheHostSaysSo) {
    CVuskDlg page(IDD_HOST_CONTROLS);
    ASSERT_TRUE(page.Create(IDD_HOST_CONTROLS));
    page.SetEditText(IDC_HOST_EDIT, "abc");
    qelt::InteractionLog::Instance().Clear();
    g_VuskMainInfo.m_bSkipEditCheck = 1;
    EXPECT_TRUE(CheckEditValue(&page, IDC_HOST_EDIT, 0, 100, 0));
    g_VuskMainInfo.m_bSkipEditCheck = 0;
    EXPECT_EQ(page.GetEditText(IDC_HOST_EDIT), "abc");
    EXPECT_TRUE(qelt::InteractionLog::Instance().Entries().empty());

    qelt::test::ExpectedMisuses misuses;
    EXPECT_FALSE(CheckEditValue(&page, 9999, 0, 100, 0));
    EXPECT_FALSE(CheckEditValue(nullptr, IDC_HOST_EDIT, 0, 100, 0));
    EXPECT_EQ(misuses.Count(), 2);
}

}  // namespace
