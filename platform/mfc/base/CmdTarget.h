// CCmdTarget: the base of every class that handles messages through a message map.
#pragma once

#include "mfc/base/MessageMap.h"
#include "mfc/base/Object.h"

struct AFX_CMDHANDLERINFO;

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    // Routes a command or a control notification (nCode, the notification code of WM_COMMAND) to
    // the first map entry that takes it; FALSE when none does. pExtra and pHandlerInfo are unused.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // The first entry of this object's maps, most derived class first, that takes the message.
    // code and id matter for WM_COMMAND and WM_NOTIFY (and code for their reflections).
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT message, UINT code, UINT id) const;

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};
