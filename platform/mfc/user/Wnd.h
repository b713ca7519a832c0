// CWnd: the C++ object of a window. It carries the window's handle and its message map; the
// window itself (text, styles, rectangle, children, control state) is the window manager's
// (mfc/user/WinUserApi.h), so several objects never disagree about one window.
//
// Messages sent to a window that has a permanent object go through WindowProc: the message map,
// most derived class first, then DefWindowProc, which runs the window class's own behaviour and
// then the platform's default handling. WM_COMMAND and WM_NOTIFY from a control are first
// reflected to the control's own object (ON_CONTROL_REFLECT, ON_NOTIFY_REFLECT, OnChildNotify)
// and then looked up in the parent's map.
#pragma once

#include "mfc/base/CmdTarget.h"
#include "mfc/base/Geometry.h"
#include "mfc/base/String.h"
#include "mfc/user/WinUserApi.h"

class CDataExchange;
class CScrollBar;

class CDC;
class CFont;

// Registers a window class unless one of that name is registered already; TRUE when it is there.
BOOL AfxRegisterClass(WNDCLASS* lpWndClass);

// The class library's help: the help command, the message that asks a window for its help context
// (lParam: a context found so far, or 0; nonzero result: the window has given the help), and the
// base of a dialog's context (HID_BASE_RESOURCE + its template id).
#define ID_HELP 0xE146
#define WM_COMMANDHELP 0x0365
#define HID_BASE_RESOURCE 0x00020000UL

class CWnd : public CCmdTarget {
    DECLARE_DYNAMIC(CWnd)
public:
    CWnd();
    ~CWnd() override;

    HWND m_hWnd;

    // The z-order places of SetWindowPos.
    static const CWnd wndTop;
    static const CWnd wndBottom;
    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return GetSafeHwnd(); }

    // The permanent object of the window, else an object of the class that the window's class
    // names (kept until the window is destroyed); null for a handle that names no window.
    static CWnd* FromHandle(HWND hWnd);
    static CWnd* FromHandlePermanent(HWND hWnd);

    // Creation. className null means a plain window ("AfxWnd").
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID, void* pContext = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                          const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
    virtual BOOL DestroyWindow();

    // Makes this object the permanent object of an existing window.
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();

    // Relations.
    CWnd* GetParent() const;
    CWnd* GetTopLevelParent() const;
    CWnd* GetWindow(UINT nCmd) const;
    CWnd* GetDlgItem(int nID) const;
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int nID);
    BOOL IsChild(const CWnd* pWnd) const;
    CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
    CWnd* GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
    BOOL IsWindow() const { return ::IsWindow(m_hWnd); }

    // Messages.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    static const MSG* GetCurrentMessage();

    // Text.
    void SetWindowText(LPCTSTR lpszString);
    int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const;

    // Controls of a dialog, by id.
    void SetDlgItemText(int nID, LPCTSTR lpszString);
    int GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const;
    int GetDlgItemText(int nID, CString& rString) const;
    void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
    UINT GetDlgItemInt(int nID, BOOL* lpTrans = nullptr, BOOL bSigned = TRUE) const;
    void CheckDlgButton(int nIDButton, UINT nCheck);
    UINT IsDlgButtonChecked(int nIDButton) const;
    void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
    int GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton);

    // Styles.
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL SetLayeredWindowAttributes(COLORREF crKey, BYTE bAlpha, DWORD dwFlags);

    // Placement.
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void GetWindowRect(LPRECT lpRect) const;
    void GetClientRect(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(LPRECT lpRect) const;
    // Centres the window over pAlternateOwner, else its owner (parent for a child), else the screen.
    void CenterWindow(CWnd* pAlternateOwner = nullptr);

    // State.
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    CWnd* SetFocus();
    static CWnd* GetFocus();
    void SetRedraw(BOOL bRedraw = TRUE);
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    HICON GetIcon(BOOL bBigIcon) const;
    // The window keeps the font's handle (WM_SETFONT); the font object stays the caller's.
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    CFont* GetFont() const;

    // Painting: the invalid part of the client area is painted through WM_PAINT.
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void ValidateRect(LPCRECT lpRect);
    void UpdateWindow();
    BOOL RedrawWindow(LPCRECT lpRectUpdate = nullptr, UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    BOOL GetUpdateRect(LPRECT lpRect, BOOL bErase = FALSE);
    // Device contexts of the window (mfc/user/WindowDC.h): a temporary CDC, given back with ReleaseDC.
    CDC* GetDC();
    CDC* GetWindowDC();
    int ReleaseDC(CDC* pDC);

    // A message box owned by this window, answered by the user script (mfc/user/MessageBox.h).
    int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = nullptr, UINT nType = MB_OK);

    // Data exchange: DoDataExchange in the loading (FALSE) or saving-and-validating (TRUE)
    // direction; FALSE when a field was refused (the person was told, the field has the focus).
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // Modal loop (used by CDialog::DoModal and the host's work dialog): dispatches posted
    // messages, repaints, and lets the user script act while nothing else is pending, until
    // EndModalLoop. Returns the result given to EndModalLoop.
    int RunModalLoop();
    virtual void EndModalLoop(int nResult);
    BOOL ContinueModal() const { return m_bContinueModal; }

    // The message pipeline.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // A notification of this control that its parent received (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM,
    // WM_MEASUREITEM, WM_HSCROLL, WM_VSCROLL); TRUE when this object handled it.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual void PreSubclassWindow();
    virtual void PostNcDestroy();
    virtual void DoDataExchange(CDataExchange* pDX);

    // Sends the message being handled to the default processing.
    LRESULT Default();

protected:
    // Looks up the map entries of reflected notifications (ON_CONTROL_REFLECT, ON_NOTIFY_REFLECT).
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Hands the message being handled to the permanent object of child hWndChild.
    static BOOL ReflectLastMsg(HWND hWndChild, LRESULT* pResult = nullptr);

    // Handlers of window messages (map them with ON_WM_…); each base does the default processing.
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnNcDestroy();
    afx_msg void OnClose();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    // The help command (ID_HELP): the windows from the focus (when it lies in this window, else from
    // this window) outward are asked for their help context (WM_COMMANDHELP) until one gives help.
    afx_msg void OnHelp();
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    // Any WM_CTLCOLOR… (nCtlColor: CTLCOLOR_EDIT …); the base lets the control's own object answer
    // a reflected one, else the default colours.
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

    BOOL m_bContinueModal = FALSE;
    int m_nModalResult = -1;

    DECLARE_MESSAGE_MAP()

private:
    explicit CWnd(HWND place);  // the z-order places
    // Reports a call on an object without a window; true when there is one.
    bool HasWindow(const char* caller) const;
};
