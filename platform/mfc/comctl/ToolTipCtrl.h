// CToolTipCtrl and the "tooltips_class32" window class: the list of tools (a window, or a
// rectangle of a window under an id) with their tip texts. Nothing is ever shown: Activate and
// RelayEvent are recorded, and the tools can be read back (GetToolCount, EnumTools, GetText).
// A text given by string id is loaded from the resources when the tool is added or updated.
// TTM_GETTOOLINFO and TTM_ENUMTOOLS give a tool's fields but leave lpszText alone (the record says
// nothing of the buffer's size); TTM_GETTEXT copies into a buffer of wParam bytes (80 when 0).
#pragma once

#include <vector>

#include "mfc/user/Wnd.h"
#include "win/CommCtrl.h"

class CToolTipCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    // A popup owned by the parent window.
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);

    // A tool is a window (nIDTool 0: the window itself, as a tool of its parent) or a rectangle
    // of the window under an id.
    BOOL AddTool(CWnd* pWnd, LPCTSTR lpszText = LPSTR_TEXTCALLBACK, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
    BOOL AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
    void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
    void UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    BOOL GetToolInfo(TOOLINFO& ToolInfo, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    int GetToolCount() const;
    BOOL EnumTools(UINT nTool, LPTOOLINFO lpToolInfo) const;

    void Activate(BOOL bActivate);
    BOOL IsActive() const;
    void RelayEvent(LPMSG lpMsg);
    // The messages relayed, oldest first (the latest 1000).
    std::vector<MSG> GetRelayedEvents() const;
};
