// The window manager's functions, under the platform's names. They act on window handles; the
// class library's CWnd members are built on them. A handle that names no window gets a misuse
// diagnostic and the platform's failure result (0, FALSE or NULL).
#pragma once

#include "mfc/base/String.h"
#include "win/Windows.h"

// Messages. SendMessage runs the window's handlers at once and returns their result; PostMessage
// queues the message for the running modal loop.
LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
// The window class's behaviour for the message, then the default processing.
LRESULT CallWindowClass(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
// The default processing every window class falls back to.
LRESULT DefWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Relations.
BOOL IsWindow(HWND hWnd);
BOOL DestroyWindow(HWND hWnd);
HWND GetParent(HWND hWnd);
HWND GetWindow(HWND hWnd, UINT cmd);
BOOL IsChild(HWND hWndParent, HWND hWnd);
HWND GetDlgItem(HWND hDlg, int nIDDlgItem);
int GetDlgCtrlID(HWND hWnd);
LONG GetWindowLong(HWND hWnd, int nIndex);
LONG SetWindowLong(HWND hWnd, int nIndex, LONG dwNewLong);
int GetClassName(HWND hWnd, LPTSTR lpClassName, int nMaxCount);

// Window classes registered by a program: a window of such a class behaves as a plain window
// (everything goes to the default processing); the record is kept for GetClassInfo. 0 for a
// record without a class name.
WORD RegisterClass(const WNDCLASS* lpWndClass);
// FALSE when no class of that name was registered by RegisterClass.
BOOL GetClassInfo(HINSTANCE hInstance, LPCTSTR lpClassName, WNDCLASS* lpWndClass);
// Cursors and icons are kept, never drawn. Of a module's resources (CURSOR, ICON), the handle
// names the resource, null when the module holds none of that name; without a module, the
// system's own of that id (IDC_ARROW …, IDI_APPLICATION …), one handle an id.
HCURSOR LoadCursor(HINSTANCE hInstance, LPCTSTR lpCursorName);
HICON LoadIcon(HINSTANCE hInstance, LPCTSTR lpIconName);
// The cursor shown over the windows; SetCursor returns the one before.
HCURSOR SetCursor(HCURSOR hCursor);
HCURSOR GetCursor();

// Text (through WM_SETTEXT, WM_GETTEXT, WM_GETTEXTLENGTH).
BOOL SetWindowText(HWND hWnd, LPCTSTR lpString);
int GetWindowText(HWND hWnd, LPTSTR lpString, int nMaxCount);
int GetWindowTextLength(HWND hWnd);

// Visibility and input state. IsWindowVisible is true when the window and all its parents are.
BOOL ShowWindow(HWND hWnd, int nCmdShow);
BOOL IsWindowVisible(HWND hWnd);
BOOL EnableWindow(HWND hWnd, BOOL bEnable);
BOOL IsWindowEnabled(HWND hWnd);

// Keyboard focus: WM_KILLFOCUS to the window losing it, then WM_SETFOCUS to the one gaining it.
// While WM_KILLFOCUS is handled, GetFocus already names the window gaining the focus; a handler
// that moves the focus again wins, and the interrupted change sends nothing more.
HWND SetFocus(HWND hWnd);
HWND GetFocus();
// A key held down has the high bit set (a negative result). Keys are held by the user script's
// modifiers (qelt::HoldKey).
short GetKeyState(int nVirtKey);

// Placement (mfc/user/Metrics.h has the frame sizes and the screen).
BOOL GetWindowRect(HWND hWnd, LPRECT lpRect);
BOOL GetClientRect(HWND hWnd, LPRECT lpRect);
BOOL MoveWindow(HWND hWnd, int x, int y, int nWidth, int nHeight, BOOL bRepaint);
BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int x, int y, int cx, int cy, UINT uFlags);
BOOL ScreenToClient(HWND hWnd, LPPOINT lpPoint);
BOOL ClientToScreen(HWND hWnd, LPPOINT lpPoint);

// Layered windows (WS_EX_LAYERED): a window drawn with a constant opacity over what lies beneath
// it (LWA_ALPHA, 0 clear to 255 opaque). A window without the style, or a colour key (LWA_COLORKEY,
// not drawn here), is refused with a misuse diagnostic. A layered window is opaque until set.
BOOL SetLayeredWindowAttributes(HWND hWnd, COLORREF crKey, BYTE bAlpha, DWORD dwFlags);
BOOL GetLayeredWindowAttributes(HWND hWnd, COLORREF* pcrKey, BYTE* pbAlpha, DWORD* pdwFlags);

// Painting state: what is invalid waits for WM_PAINT (sent by UpdateWindow, RedrawWindow with
// RDW_UPDATENOW, and the modal loop when nothing else is pending).
BOOL InvalidateRect(HWND hWnd, LPCRECT lpRect, BOOL bErase);
BOOL ValidateRect(HWND hWnd, LPCRECT lpRect);
BOOL UpdateWindow(HWND hWnd);
BOOL RedrawWindow(HWND hWnd, LPCRECT lprcUpdate, HRGN hrgnUpdate, UINT flags);
BOOL GetUpdateRect(HWND hWnd, LPRECT lpRect, BOOL bErase);

// The dialog manager.
BOOL SetDlgItemText(HWND hDlg, int nIDDlgItem, LPCTSTR lpString);
UINT GetDlgItemText(HWND hDlg, int nIDDlgItem, LPTSTR lpString, int cchMax);
BOOL SetDlgItemInt(HWND hDlg, int nIDDlgItem, UINT uValue, BOOL bSigned);
UINT GetDlgItemInt(HWND hDlg, int nIDDlgItem, BOOL* lpTranslated, BOOL bSigned);
BOOL CheckDlgButton(HWND hDlg, int nIDButton, UINT uCheck);
UINT IsDlgButtonChecked(HWND hDlg, int nIDButton);
BOOL CheckRadioButton(HWND hDlg, int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
HWND GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious);
HWND GetNextDlgGroupItem(HWND hDlg, HWND hCtl, BOOL bPrevious);
// Handles the dialog keys of a message for hDlg or its controls: Tab moves the focus, Enter
// presses the default button (or IDOK), Esc sends IDCANCEL. Other messages are dispatched.
BOOL IsDialogMessage(HWND hDlg, LPMSG lpMsg);
// Dialog units to pixels (mfc/user/Metrics.h).
BOOL MapDialogRect(HWND hDlg, LPRECT lpRect);

// A message box, answered by the user script and logged (mfc/user/MessageBox.h).
int MessageBox(HWND hWnd, LPCTSTR lpText, LPCTSTR lpCaption, UINT uType);

// A bitmap resource of a module (a PNG or BMP file of the resource script's BITMAP); null, with a
// misuse reported, when the module has none of that name or it is not an image.
HBITMAP LoadBitmapA(HINSTANCE module, LPCSTR name);
inline HBITMAP LoadBitmap(HINSTANCE module, LPCSTR name) { return LoadBitmapA(module, name); }
