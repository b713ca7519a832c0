#include "mfc/base/CmdTarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT message, UINT code, UINT id) const {
    const bool byControl = message == WM_COMMAND || message == WM_NOTIFY;
    const bool byCode = byControl || message == WM_REFLECT_BASE + WM_COMMAND || message == WM_REFLECT_BASE + WM_NOTIFY;
    for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->pfn; ++entry) {
            if (entry->nMessage != message) continue;
            if (byCode && entry->nCode != code) continue;
            if (byControl && (id < entry->nID || id > entry->nLastID)) continue;
            return entry;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void*, AFX_CMDHANDLERINFO*) {
    const UINT code = static_cast<WORD>(nCode);
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(WM_COMMAND, code, nID);
    if (!entry) return FALSE;
    LRESULT result = 0;
    return entry->pfn(this, WM_COMMAND, MAKEWPARAM(nID, code), 0, &result) ? TRUE : FALSE;
}
