// Menus and the person's choice in a popup menu (mfc/Menu.h).
#include "mfc/Menu.h"

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "mfc/CommonControl.h"
#include "mfc/InteractionLog.h"
#include "mfc/Resources.h"
#include "mfc/UserScript.h"
#include "mfc/WindowManager.h"
#include "mfc/Wnd.h"

namespace {

struct MenuItemData {
    UINT flags = 0;  // MF_GRAYED, MF_DISABLED, MF_CHECKED, MF_POPUP, MF_SEPARATOR
    UINT id = 0;
    CString text;
    HMENU popup = nullptr;
};

struct MenuData {
    std::vector<MenuItemData> items;
};

std::map<HMENU, MenuData>& Menus() {
    static std::map<HMENU, MenuData> menus;
    return menus;
}

std::map<HMENU, std::unique_ptr<CMenu>>& Temporaries() {
    static std::map<HMENU, std::unique_ptr<CMenu>> temporaries;
    return temporaries;
}

HMENU NewMenu() {
    static std::uintptr_t next = 0x40000;
    HMENU handle = reinterpret_cast<HMENU>(next++);
    Menus()[handle];
    return handle;
}

MenuData* Find(HMENU hMenu) {
    auto found = Menus().find(hMenu);
    return found == Menus().end() ? nullptr : &found->second;
}

// The item by command id (searched in submenus too) or by position.
MenuItemData* Item(HMENU hMenu, UINT item, UINT flags) {
    MenuData* menu = Find(hMenu);
    if (!menu) return nullptr;
    if (flags & MF_BYPOSITION) return item < menu->items.size() ? &menu->items[item] : nullptr;
    for (MenuItemData& each : menu->items) {
        if (!(each.flags & (MF_POPUP | MF_SEPARATOR)) && each.id == item) return &each;
        if (each.flags & MF_POPUP) {
            if (MenuItemData* inner = Item(each.popup, item, flags)) return inner;
        }
    }
    return nullptr;
}

// An item's text as a person reads it: no "&" marks, nothing from a tab on.
std::string Readable(const CString& text) {
    std::string shown;
    for (char c : text.Str()) {
        if (c == '\t') break;
        if (c != '&') shown += c;
    }
    return shown;
}

void Collect(HMENU hMenu, std::vector<const MenuItemData*>& out) {
    MenuData* menu = Find(hMenu);
    if (!menu) return;
    for (const MenuItemData& item : menu->items) {
        if (item.flags & MF_SEPARATOR) continue;
        if (item.flags & MF_POPUP) Collect(item.popup, out);
        else out.push_back(&item);
    }
}

void LogMenu(const std::vector<const MenuItemData*>& items, const CString& answer, int result, const std::string& note) {
    qelt::InteractionEntry entry;
    entry.kind = "menu";
    for (const MenuItemData* item : items) entry.buttons.push_back(CString(Readable(item->text)));
    entry.answer = answer;
    entry.result = result;
    entry.byScript = note.empty();
    entry.note = note;
    qelt::InteractionLog::Instance().Add(std::move(entry));
}

}  // namespace

HMENU CreateMenu() { return NewMenu(); }
HMENU CreatePopupMenu() { return NewMenu(); }

BOOL DestroyMenu(HMENU hMenu) {
    MenuData* menu = Find(hMenu);
    if (!menu) return FALSE;
    std::vector<HMENU> popups;
    for (const MenuItemData& item : menu->items) {
        if (item.flags & MF_POPUP) popups.push_back(item.popup);
    }
    Menus().erase(hMenu);
    auto temporary = Temporaries().find(hMenu);
    if (temporary != Temporaries().end()) {
        temporary->second->m_hMenu = nullptr;
        Temporaries().erase(temporary);
    }
    for (HMENU popup : popups) DestroyMenu(popup);
    return TRUE;
}

BOOL AppendMenu(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCTSTR lpNewItem) {
    MenuData* menu = Find(hMenu);
    if (!menu || ((uFlags & MF_POPUP) && !Find(reinterpret_cast<HMENU>(uIDNewItem)))) return FALSE;
    MenuItemData item;
    item.flags = uFlags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_POPUP | MF_SEPARATOR);
    if (uFlags & MF_POPUP) item.popup = reinterpret_cast<HMENU>(uIDNewItem);
    else item.id = static_cast<UINT>(uIDNewItem);
    item.text = lpNewItem ? lpNewItem : "";
    menu->items.push_back(item);
    return TRUE;
}

HMENU LoadMenu(HINSTANCE hInstance, LPCTSTR lpMenuName) {
    if (!hInstance) hInstance = AfxFindResourceHandle(lpMenuName, RT_MENU);
    const qelt::res::MenuTemplate* source = qelt::FindMenuTemplate(hInstance, lpMenuName);
    if (!source) return nullptr;
    // The flat list holds each popup's items after it, one level deeper.
    std::vector<HMENU> open{CreateMenu()};
    for (int i = 0; i < source->itemCount; ++i) {
        const qelt::res::MenuItem& item = source->items[i];
        open.resize(std::min<size_t>(open.size(), static_cast<size_t>(item.depth) + 1));
        UINT flags = (item.flags & qelt::res::kMenuGrayed ? MF_GRAYED : 0) |
                     (item.flags & qelt::res::kMenuChecked ? MF_CHECKED : 0);
        if (item.flags & qelt::res::kMenuSeparator) {
            ::AppendMenu(open.back(), MF_SEPARATOR, 0, nullptr);
        } else if (item.flags & qelt::res::kMenuPopup) {
            HMENU popup = CreatePopupMenu();
            ::AppendMenu(open.back(), flags | MF_POPUP, reinterpret_cast<UINT_PTR>(popup), item.text);
            open.push_back(popup);
        } else {
            ::AppendMenu(open.back(), flags, item.id, item.text);
        }
    }
    return open.front();
}

HMENU GetSubMenu(HMENU hMenu, int nPos) {
    MenuItemData* item = nPos >= 0 ? Item(hMenu, static_cast<UINT>(nPos), MF_BYPOSITION) : nullptr;
    return item && (item->flags & MF_POPUP) ? item->popup : nullptr;
}

int GetMenuItemCount(HMENU hMenu) {
    MenuData* menu = Find(hMenu);
    return menu ? static_cast<int>(menu->items.size()) : -1;
}

UINT GetMenuItemID(HMENU hMenu, int nPos) {
    MenuItemData* item = nPos >= 0 ? Item(hMenu, static_cast<UINT>(nPos), MF_BYPOSITION) : nullptr;
    return item && !(item->flags & MF_POPUP) ? item->id : static_cast<UINT>(-1);
}

int GetMenuString(HMENU hMenu, UINT uIDItem, LPTSTR lpString, int cchMax, UINT flags) {
    MenuItemData* item = Item(hMenu, uIDItem, flags);
    if (!item) return 0;
    return qelt::CopyTextOut(item->text.Str(), lpString, cchMax);
}

DWORD CheckMenuItem(HMENU hMenu, UINT uIDCheckItem, UINT uCheck) {
    MenuItemData* item = Item(hMenu, uIDCheckItem, uCheck);
    if (!item) return static_cast<DWORD>(-1);
    const DWORD previous = item->flags & MF_CHECKED;
    item->flags = (item->flags & ~static_cast<UINT>(MF_CHECKED)) | (uCheck & MF_CHECKED);
    return previous;
}

BOOL EnableMenuItem(HMENU hMenu, UINT uIDEnableItem, UINT uEnable) {
    MenuItemData* item = Item(hMenu, uIDEnableItem, uEnable);
    if (!item) return -1;
    const BOOL previous = static_cast<BOOL>(item->flags & (MF_GRAYED | MF_DISABLED));
    item->flags = (item->flags & ~static_cast<UINT>(MF_GRAYED | MF_DISABLED)) | (uEnable & (MF_GRAYED | MF_DISABLED));
    return previous;
}

BOOL TrackPopupMenu(HMENU hMenu, UINT uFlags, int, int, int, HWND hWnd, const RECT*) {
    if (!Find(hMenu) || !::IsWindow(hWnd)) return FALSE;
    std::vector<const MenuItemData*> items;
    Collect(hMenu, items);
    qelt::UserScript* script = qelt::InstalledUserScript();
    const qelt::UserAction* next = script && !script->Failed() ? script->Next() : nullptr;
    if (!next || next->kind != qelt::UserAction::Kind::Menu) {
        LogMenu(items, "", 0, next ? "the script's next action is not for the menu" : "the script has no action left");
        return FALSE;
    }
    const qelt::UserAction action = *next;
    script->Consume();
    const MenuItemData* chosen = nullptr;
    for (const MenuItemData* item : items) {
        if (Readable(item->text) == Readable(action.text) && !(item->flags & (MF_GRAYED | MF_DISABLED))) chosen = item;
        if (chosen) break;
    }
    if (!chosen) {
        script->Fail(action, "the menu has no enabled item with that text");
        if (CWnd* top = qelt::TopModalWindow()) top->EndModalLoop(IDCANCEL);
        return FALSE;
    }
    const UINT id = chosen->id;
    LogMenu(items, CString(Readable(chosen->text)), static_cast<int>(id), "");
    if (uFlags & TPM_RETURNCMD) return static_cast<BOOL>(id);
    ::PostMessage(hWnd, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    return TRUE;
}

IMPLEMENT_DYNAMIC(CMenu, CObject)

CMenu::~CMenu() {
    if (m_hMenu) ::DestroyMenu(m_hMenu);
}

CMenu* CMenu::FromHandle(HMENU hMenu) {
    if (!Find(hMenu)) return nullptr;
    std::unique_ptr<CMenu>& temporary = Temporaries()[hMenu];
    if (!temporary) {
        temporary = std::make_unique<CMenu>();
        temporary->m_hMenu = hMenu;
    }
    return temporary.get();
}

BOOL CMenu::Attach(HMENU hMenu) {
    if (m_hMenu || !Find(hMenu)) return FALSE;
    m_hMenu = hMenu;
    return TRUE;
}

HMENU CMenu::Detach() {
    HMENU hMenu = m_hMenu;
    m_hMenu = nullptr;
    return hMenu;
}

BOOL CMenu::CreateMenu() { return Attach(::CreateMenu()); }
BOOL CMenu::CreatePopupMenu() { return Attach(::CreatePopupMenu()); }
BOOL CMenu::LoadMenu(LPCTSTR lpszResourceName) {
    HMENU hMenu = ::LoadMenu(nullptr, lpszResourceName);
    return hMenu && Attach(hMenu);
}

BOOL CMenu::DestroyMenu() {
    HMENU hMenu = Detach();
    return hMenu && ::DestroyMenu(hMenu);
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
    return ::AppendMenu(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}
CMenu* CMenu::GetSubMenu(int nPos) const { return FromHandle(::GetSubMenu(m_hMenu, nPos)); }
UINT CMenu::GetMenuItemCount() const { return static_cast<UINT>(::GetMenuItemCount(m_hMenu)); }
UINT CMenu::GetMenuItemID(int nPos) const { return ::GetMenuItemID(m_hMenu, nPos); }
int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const {
    char text[512] = "";
    const int length = ::GetMenuString(m_hMenu, nIDItem, text, sizeof text, nFlags);
    rString = text;
    return length;
}
UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck) {
    return static_cast<UINT>(::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck));
}
UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable) {
    return static_cast<UINT>(::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable));
}
BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect) {
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd ? pWnd->m_hWnd : nullptr, lpRect);
}
