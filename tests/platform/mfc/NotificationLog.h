// A dialog of the test resources that records what its controls tell it: each WM_COMMAND
// notification and each WM_NOTIFY, as (control id, code), in the order they came.
#pragma once

#include <utility>
#include <vector>

#include "mfc/Afx.h"

namespace qelt::test {

using Notifications = std::vector<std::pair<int, int>>;

class CNotificationLogDlg : public CDialog {
public:
    explicit CNotificationLogDlg(UINT nIDTemplate) : CDialog(nIDTemplate) {}

    Notifications m_log;
    // What every WM_NOTIFY is answered (nonzero vetoes a change announced before it is made).
    LRESULT m_answer = 0;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (lParam) m_log.emplace_back(LOWORD(wParam), HIWORD(wParam));
        return CDialog::OnCommand(wParam, lParam);
    }
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) override {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        m_log.emplace_back(static_cast<int>(header->idFrom), static_cast<int>(header->code));
        *pResult = m_answer;
        return TRUE;
    }
};

}  // namespace qelt::test
