#include <gtest/gtest.h>

#include "ExpectedMisuses.h"
#include "Printers.h"
#include "host/Problem.h"
#include "host/VuskInstance.h"
#include "host/VuskMainInfo.h"
#include "host/VuskWorkDlg.h"
#include "resources/HostResource.h"

namespace {

// Notes how it was made and, when asked, ends at once.
class CProbeDlg : public CVuskWorkDlg {
public:
    CProbeDlg() : CVuskWorkDlg(IDD_HOST_WORK) {}

    BOOL OnInitDialog() override {
        CVuskWorkDlg::OnInitDialog();
        m_dwStyle = GetStyle();
        m_hParent = ::GetParent(m_hWnd);
        m_bFrameEnabled = g_VuskMainInfo.m_hMainWnd && ::IsWindowEnabled(g_VuskMainInfo.m_hMainWnd);
        if (m_nEndWith) EndDialog(m_nEndWith);
        return TRUE;
    }
    BOOL DestroyWindow() override {
        ++m_nDestroyed;
        return CVuskWorkDlg::DestroyWindow();
    }

    int m_nEndWith = 0;
    DWORD m_dwStyle = 0;
    HWND m_hParent = NULL;
    BOOL m_bFrameEnabled = FALSE;
    int m_nDestroyed = 0;
};

class WorkDialog : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_frame.Create(IDD_HOST_FRAME));
        m_savedFrame = g_VuskMainInfo.m_hMainWnd;
        m_savedMode = g_VuskMainInfo.GetCaltDlgType();
        g_VuskMainInfo.m_hMainWnd = m_frame.m_hWnd;
    }
    void TearDown() override {
        g_VuskMainInfo.m_hMainWnd = m_savedFrame;
        g_VuskMainInfo.SetCaltDlgType(m_savedMode);
    }

    CDialog m_frame{IDD_HOST_FRAME};
    HWND m_savedFrame = NULL;
    int m_savedMode = 1;
};

TEST_F(WorkDialog, PopupInModesOtherThanZero) {
    for (int mode : {1, 2}) {
        g_VuskMainInfo.SetCaltDlgType(mode);
        CProbeDlg dlg;
        EXPECT_EQ(dlg.Show(IDD_HOST_WORK), IDCANCEL) << "closed as with its close box when nobody acts";
        EXPECT_EQ(dlg.m_dwStyle & (WS_CHILD | WS_POPUP | WS_CAPTION | WS_SYSMENU),
                  static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_SYSMENU));
        EXPECT_FALSE(dlg.m_bFrameEnabled) << "a popup is modal to the frame";
        EXPECT_EQ(dlg.m_hWnd, nullptr);
        EXPECT_TRUE(m_frame.IsWindowEnabled());
    }
}

TEST_F(WorkDialog, ChildOfTheFrameInModeZero) {
    g_VuskMainInfo.SetCaltDlgType(0);
    CProbeDlg dlg;
    EXPECT_EQ(dlg.Show(IDD_HOST_WORK), IDCANCEL);
    EXPECT_TRUE(dlg.m_dwStyle & WS_CHILD);
    EXPECT_EQ(dlg.m_hParent, m_frame.m_hWnd);
    EXPECT_TRUE(dlg.m_bFrameEnabled);
    EXPECT_EQ(dlg.m_nDestroyed, 1) << "the host destroys a dialog of its frame";
    EXPECT_EQ(dlg.m_hWnd, nullptr);

    // Ended while it opens: the result stands and no loop runs.
    CProbeDlg early;
    early.m_nEndWith = IDOK;
    EXPECT_EQ(early.Show(IDD_HOST_WORK), IDOK);
    EXPECT_EQ(early.m_hWnd, nullptr);
}

TEST_F(WorkDialog, WithoutAFrameItRunsAsAPopup) {
    g_VuskMainInfo.m_hMainWnd = NULL;
    for (int mode : {0, 1}) {
        g_VuskMainInfo.SetCaltDlgType(mode);
        int problems = qelt::host::ProblemCount();
        CProbeDlg dlg;
        EXPECT_EQ(dlg.Show(IDD_HOST_WORK), IDCANCEL) << mode;
        EXPECT_TRUE(dlg.m_dwStyle & WS_POPUP) << mode;
        EXPECT_EQ(qelt::host::ProblemCount(), problems + (mode == 0 ? 1 : 0)) << "mode 0 needs a frame";
    }
}

TEST_F(WorkDialog, MissingTemplateGivesMinusOne) {
    for (int mode : {0, 1}) {
        g_VuskMainInfo.SetCaltDlgType(mode);
        CProbeDlg dlg;
        qelt::test::ExpectedMisuses misuses;
        EXPECT_EQ(dlg.Show(4242), -1);
        EXPECT_EQ(dlg.m_hWnd, nullptr);
        EXPECT_EQ(misuses.Count(), 1);
    }
}

TEST(VuskInstance, ResourceHandleIsSwappedAndRestored) {
    HINSTANCE saved = CVuskInsTance::GetResourceHandle();
    HINSTANCE module = reinterpret_cast<HINSTANCE>(0x1000);
    CVuskInsTance::SetResourceHandle(module);
    EXPECT_EQ(CVuskInsTance::GetResourceHandle(), module);
    CVuskInsTance::SetResourceHandle(saved);
    EXPECT_EQ(CVuskInsTance::GetResourceHandle(), saved);
}

}  // namespace
