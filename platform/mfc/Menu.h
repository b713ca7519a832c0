// Menus: popup menus built in code or loaded from a resource script's MENU, and CMenu over them.
//
// TrackPopupMenu shows a popup menu to the person at the screen, the user script: when its next
// action is "menu TEXT", the enabled item of that text (in the menu or one of its submenus; "&"
// marks and what follows a tab do not count) is chosen; any other next action dismisses the menu,
// as Esc does. The choice is sent to the owner window as WM_COMMAND, or returned with
// TPM_RETURNCMD. A "menu" action that names no enabled item fails the script. Every menu shown
// goes to the interaction log (kind "menu") with its items and the choice.
#pragma once

#include "mfc/Object.h"
#include "mfc/String.h"
#include "win/Windows.h"

class CWnd;

HMENU CreateMenu();
HMENU CreatePopupMenu();
BOOL DestroyMenu(HMENU hMenu);  // with its submenus
BOOL AppendMenu(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCTSTR lpNewItem);
// The MENU of that name from the first module of the resource search order that holds it.
HMENU LoadMenu(HINSTANCE hInstance, LPCTSTR lpMenuName);
HMENU GetSubMenu(HMENU hMenu, int nPos);
int GetMenuItemCount(HMENU hMenu);
UINT GetMenuItemID(HMENU hMenu, int nPos);  // -1 for a submenu
int GetMenuString(HMENU hMenu, UINT uIDItem, LPTSTR lpString, int cchMax, UINT flags);
DWORD CheckMenuItem(HMENU hMenu, UINT uIDCheckItem, UINT uCheck);    // the previous state, -1: none
BOOL EnableMenuItem(HMENU hMenu, UINT uIDEnableItem, UINT uEnable);  // the previous state, -1: none
BOOL TrackPopupMenu(HMENU hMenu, UINT uFlags, int x, int y, int nReserved, HWND hWnd, const RECT* prcRect);

class CMenu : public CObject {
    DECLARE_DYNAMIC(CMenu)
public:
    CMenu() = default;
    ~CMenu() override;  // destroys the menu it holds
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;
    operator HMENU() const { return m_hMenu; }

    // The object of a menu handle: a temporary one, kept until the menu is destroyed.
    static CMenu* FromHandle(HMENU hMenu);
    BOOL Attach(HMENU hMenu);
    HMENU Detach();

    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    BOOL LoadMenu(UINT nIDResource) { return LoadMenu(MAKEINTRESOURCE(nIDResource)); }
    BOOL LoadMenu(LPCTSTR lpszResourceName);
    BOOL DestroyMenu();

    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
    CMenu* GetSubMenu(int nPos) const;
    UINT GetMenuItemCount() const;
    UINT GetMenuItemID(int nPos) const;
    int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
    UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = nullptr);
};
