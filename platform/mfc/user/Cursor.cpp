// Cursors and icons: kept as handles, never drawn (a headless screen shows no pointer).
#include <cstdint>
#include <map>

#include "mfc/user/Resources.h"
#include "mfc/user/WinUserApi.h"

namespace {

HCURSOR g_cursor = nullptr;

// The system's cursors and icons by their ids: one handle an id, made when first asked for.
template <class Handle>
Handle SystemImage(LPCTSTR name) {
    const auto id = reinterpret_cast<std::uintptr_t>(name);
    if (id == 0 || id > 0xFFFF) return nullptr;  // the system's are named by number only
    static std::map<std::uintptr_t, Handle> handles;
    static std::uintptr_t next = 0x50000;
    Handle& handle = handles[id];
    if (!handle) handle = reinterpret_cast<Handle>(next++);
    return handle;
}

template <class Handle>
Handle ModuleImage(HINSTANCE hInstance, LPCTSTR name, LPCTSTR type) {
    if (!hInstance) return SystemImage<Handle>(name);
    return reinterpret_cast<Handle>(const_cast<qelt::res::BinaryResource*>(qelt::FindBinaryResource(hInstance, name, type)));
}

}  // namespace

HCURSOR LoadCursor(HINSTANCE hInstance, LPCTSTR lpCursorName) {
    return ModuleImage<HCURSOR>(hInstance, lpCursorName, RT_CURSOR);
}

HICON LoadIcon(HINSTANCE hInstance, LPCTSTR lpIconName) { return ModuleImage<HICON>(hInstance, lpIconName, RT_ICON); }

HCURSOR SetCursor(HCURSOR hCursor) {
    HCURSOR previous = g_cursor;
    g_cursor = hCursor;
    return previous;
}

HCURSOR GetCursor() { return g_cursor; }
