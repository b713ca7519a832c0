// Fixtures of the member-check pages' tests (flexural and other members): a page on a window of its
// own, whose handlers run as the controls' notifications arrive, and a person's session with a page
// in the work dialog, driven by a user script.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "framework/CaltWorkDlg.h"
#include "host/SubStatic.h"
#include "host/VuskMainInfo.h"
#include "mfc/stdctrl/ComboBox.h"
#include "mfc/person/InteractionLog.h"
#include "mfc/person/UserScript.h"
#include "resources/FlexuralResource.h"
#include "resources/FrameworkResource.h"
#include "TempStore.h"

template <class TPage, class TParam>
class MemberPageTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_frame.CreateEx(0, nullptr, "frame", WS_POPUP | WS_VISIBLE, CRect(0, 0, 900, 700), nullptr, 0));
        ASSERT_TRUE(m_page.Create(TPage::IDD, &m_frame));
        m_page.ShowWindow(SW_SHOW);
        qelt::InteractionLog::Instance().Clear();
    }
    void TearDown() override {
        m_page.DestroyWindow();
        m_frame.DestroyWindow();
    }

    BOOL Enabled(UINT nID) { return m_page.GetDlgItem(nID)->IsWindowEnabled(); }
    BOOL Visible(UINT nID) { return m_page.GetDlgItem(nID)->IsWindowVisible(); }
    CString Text(UINT nID) {
        CString strText;
        m_page.GetDlgItem(nID)->GetWindowText(strText);
        return strText;
    }
    int Slide() { return static_cast<CSubStatic*>(m_page.GetDlgItem(IDC_MEMBER_SLIDE))->GetCurSel(); }
    // A choice in a list as a person makes it: the item selected, then the notification.
    void Choose(UINT nID, const char* pszText) {
        CComboBox* pCombo = static_cast<CComboBox*>(m_page.GetDlgItem(nID));
        pCombo->SetCurSel(pCombo->FindStringExact(-1, pszText));
        m_page.SendMessage(WM_COMMAND, MAKEWPARAM(nID, CBN_SELCHANGE), reinterpret_cast<LPARAM>(pCombo->GetSafeHwnd()));
    }
    void Click(UINT nID) {
        m_page.SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                           reinterpret_cast<LPARAM>(m_page.GetDlgItem(nID)->GetSafeHwnd()));
    }
    // Text typed into an edit box, which is then left.
    void Type(UINT nID, const char* pszText) {
        CWnd* pEdit = m_page.GetDlgItem(nID);
        pEdit->SetWindowText(pszText);
        m_page.SendMessage(WM_COMMAND, MAKEWPARAM(nID, EN_KILLFOCUS), reinterpret_cast<LPARAM>(pEdit->GetSafeHwnd()));
    }
    // The page's input test of the object as the page shows it.
    BOOL Check(TParam& param, CStringArray& arrWarnings, CStringArray& arrErrors) {
        m_page.SetData(&param);
        m_page.GetData(&param);
        return m_page.CheckData(&param, arrWarnings, arrErrors);
    }

    CWnd m_frame;
    TParam m_param;
    TPage m_page;
};

template <class TPage, class TParam>
class MemberSessionTest : public testing::Test {
protected:
    void SetUp() override { qelt::InteractionLog::Instance().Clear(); }

    // Runs the work dialog with the page in the given mode under the script; the object keeps
    // what the session left in it.
    void Run(qelt::UserScript& script, int nMode = 1) {
        g_VuskMainInfo.SetCaltDlgType(nMode);
        TPage page;
        CCaltWorkDlg work;
        work.m_nDlgType = nMode;
        work.AddPage(&page, "基本参数", TPage::IDD);
        work.SetParam(&m_param);
        qelt::ScopedUserScript installed(script);
        work.Show(IDD_CALT_WORK);
        g_VuskMainInfo.SetCaltDlgType(1);
        EXPECT_FALSE(script.Failed()) << script.Error();
    }

    std::vector<CString> Texts(const char* pszKind) {
        std::vector<CString> texts;
        for (const auto& entry : qelt::InteractionLog::Instance().Entries())
            if (entry.kind == pszKind) texts.push_back(entry.text);
        return texts;
    }

    TempStore m_store;
    TParam m_param;
};

// The findings of an input test, as the test's tables give them.
struct CheckFindings {
    std::vector<const char*> errors;
    std::vector<const char*> warnings;
};

inline void ExpectFindings(BOOL bResult, const CStringArray& arrWarnings, const CStringArray& arrErrors,
                           const CheckFindings& expected) {
    EXPECT_EQ(bResult, expected.errors.empty() && expected.warnings.empty());
    ASSERT_EQ(arrErrors.GetSize(), static_cast<int>(expected.errors.size()));
    for (int i = 0; i < arrErrors.GetSize(); i++) EXPECT_EQ(arrErrors[i], CString(expected.errors[i]));
    ASSERT_EQ(arrWarnings.GetSize(), static_cast<int>(expected.warnings.size()));
    for (int i = 0; i < arrWarnings.GetSize(); i++) EXPECT_EQ(arrWarnings[i], CString(expected.warnings[i]));
}
