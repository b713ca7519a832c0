// The embedded part's main page in a frame window, shown as the work dialog shows it: the type pages
// are created, the tree filled and the stored page selected. Helpers act on the controls as a person
// does (a typed text then the edit left, a list item chosen, a button clicked) and read them back.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "embed/PreComDlg.h"
#include "mfc/person/InteractionLog.h"
#include "resources/EmbedResource.h"
#include "TempStore.h"

class PreComPageFixture : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_frame.CreateEx(0, nullptr, "frame", WS_POPUP | WS_VISIBLE, CRect(0, 0, 700, 520), nullptr, 0));
        Open();
    }
    void TearDown() override {
        Close();
        m_frame.DestroyWindow();
    }

    void Open() {
        m_pPage = std::make_unique<CPreComDlg>();
        ASSERT_TRUE(m_pPage->Create(IDD_PRECOM, &m_frame));
        m_pPage->ShowWindow(SW_SHOW);
    }
    void Close() {
        if (!m_pPage) return;
        m_pPage->DestroyWindow();
        m_pPage.reset();
    }

    CPreComDlg& Page() { return *m_pPage; }
    CWnd* Sub(int nSub) { return m_pPage->GetPage(nSub); }

    // Selects the tree item with the text, as a click on it does.
    void Pick(LPCTSTR lpszText) {
        CTreeCtrl& tree = m_pPage->m_ctrlTree;
        for (HTREEITEM hItem = tree.GetRootItem(); hItem; hItem = Next(tree, hItem)) {
            if (tree.GetItemText(hItem) == lpszText) {
                tree.SelectItem(hItem);
                return;
            }
        }
        ADD_FAILURE() << "no tree item " << lpszText;
    }
    static HTREEITEM Next(CTreeCtrl& tree, HTREEITEM hItem) {
        if (HTREEITEM hChild = tree.GetChildItem(hItem)) return hChild;
        while (hItem) {
            if (HTREEITEM hSibling = tree.GetNextSiblingItem(hItem)) return hSibling;
            hItem = tree.GetParentItem(hItem);
        }
        return NULL;
    }

    // A load-case button clicked.
    void Click(UINT nID) {
        CButton* pButton = static_cast<CButton*>(m_pPage->GetDlgItem(nID));
        ASSERT_TRUE(pButton->IsWindowEnabled());
        m_pPage->CheckRadioButton(IDC_PRECOM_TENSION, IDC_PRECOM_PRESS_BEND_SHEAR, nID);
        m_pPage->SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), reinterpret_cast<LPARAM>(pButton->m_hWnd));
    }
    // Text typed into an edit of a window (the main page or a type page), then the edit left.
    static void Type(CWnd* pWnd, UINT nID, LPCTSTR lpszText) {
        CWnd* pEdit = pWnd->GetDlgItem(nID);
        ASSERT_TRUE(pEdit);
        pEdit->SetWindowText(lpszText);
        pWnd->SendMessage(WM_COMMAND, MAKEWPARAM(nID, EN_CHANGE), reinterpret_cast<LPARAM>(pEdit->m_hWnd));
        pWnd->SendMessage(WM_COMMAND, MAKEWPARAM(nID, EN_KILLFOCUS), reinterpret_cast<LPARAM>(pEdit->m_hWnd));
    }
    // The list item with the text chosen.
    static void Choose(CWnd* pWnd, UINT nID, LPCTSTR lpszText) {
        CComboBox* pCombo = static_cast<CComboBox*>(pWnd->GetDlgItem(nID));
        ASSERT_TRUE(pCombo);
        const int nIndex = pCombo->FindStringExact(-1, lpszText);
        ASSERT_GE(nIndex, 0) << lpszText;
        pCombo->SetCurSel(nIndex);
        pWnd->SendMessage(WM_COMMAND, MAKEWPARAM(nID, CBN_SELCHANGE), reinterpret_cast<LPARAM>(pCombo->m_hWnd));
    }
    static CString Text(CWnd* pWnd, UINT nID) {
        CString strText;
        pWnd->GetDlgItem(nID)->GetWindowText(strText);
        return strText;
    }
    static BOOL Enabled(CWnd* pWnd, UINT nID) { return pWnd->GetDlgItem(nID)->IsWindowEnabled(); }
    CString Shown(UINT nID) { return Text(m_pPage.get(), nID); }
    // The messages of the check-result prompts shown since the log was last cleared.
    static std::vector<CString> Prompts() {
        std::vector<CString> texts;
        for (const auto& entry : qelt::InteractionLog::Instance().Entries())
            if (entry.kind == "prompt") texts.push_back(entry.text);
        return texts;
    }

    TempStore m_store;
    CWnd m_frame;
    std::unique_ptr<CPreComDlg> m_pPage;
};
