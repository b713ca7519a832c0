#include "host/VuskMainInfo.h"

#include "host/CommandReports.h"
#include "host/Problem.h"
#include "host/Store.h"
#include "host/YorFile.h"
#include "mfc/base/Diagnostics.h"
#include "mfc/base/Encoding.h"

CVuskMainInfo g_VuskMainInfo;

namespace {

std::string Display(LPCTSTR text) { return qelt::text::GbkToUtf8ForDisplay(text ? text : ""); }

void SetText(CString& field, LPCTSTR lpszText, const char* operation) {
    if (!lpszText) {
        qelt::ReportMisuse("CVuskMainInfo::%s with a null text", operation);
        return;
    }
    field = lpszText;
}

}  // namespace

BOOL CVuskMainInfo::AddCaltFunc(const _tagCaltInfo& info) {
    if (info.strCommand.IsEmpty() || !info.pfnCalt) {
        qelt::ReportMisuse("CVuskMainInfo::AddCaltFunc of \"%s\" without a name or an entry function",
                           Display(info.strCommand).c_str());
        return FALSE;
    }
    if (FindCaltFunc(info.strCommand)) {
        qelt::host::ReportProblem("the command \"%s\" is registered already; the second one is refused",
                                  Display(info.strCommand).c_str());
        return FALSE;
    }
    m_funcs.push_back(info);
    return TRUE;
}

int CVuskMainInfo::GetCaltFuncCount() const { return static_cast<int>(m_funcs.size()); }

const _tagCaltInfo* CVuskMainInfo::GetCaltFuncAt(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetCaltFuncCount()) {
        qelt::ReportMisuse("CVuskMainInfo::GetCaltFuncAt(%d) of %d commands", nIndex, GetCaltFuncCount());
        return NULL;
    }
    return &m_funcs[static_cast<std::size_t>(nIndex)];
}

const _tagCaltInfo* CVuskMainInfo::FindCaltFunc(LPCTSTR lpszCommand) const {
    if (!lpszCommand) return NULL;
    for (const _tagCaltInfo& info : m_funcs)
        if (info.strCommand.CompareNoCase(lpszCommand) == 0) return &info;
    return NULL;
}

BOOL CVuskMainInfo::CallCaltFunc(LPCTSTR lpszCommand, int* pnResult) {
    const _tagCaltInfo* info = FindCaltFunc(lpszCommand);
    if (!info) return FALSE;
    // The record is copied: the entry function may register further commands.
    CALTFUNC pfnCalt = info->pfnCalt;
    m_strCurCommand = info->strCommand;
    m_strDescription.Empty();
    m_curEntry = CVuskCmdEntry();
    m_curEntry.strCommand = m_strCurCommand;
    int nResult = pfnCalt();
    if (pnResult) *pnResult = nResult;
    return TRUE;
}

void CVuskMainInfo::SetCurCmdType(LPCTSTR lpszText) { SetText(m_curEntry.strType, lpszText, "SetCurCmdType"); }

void CVuskMainInfo::SetCurCmdNumber(LPCTSTR lpszText) { SetText(m_curEntry.strNumber, lpszText, "SetCurCmdNumber"); }

void CVuskMainInfo::SetCurCmdDimInfo(LPCTSTR lpszText) { SetText(m_curEntry.strDimInfo, lpszText, "SetCurCmdDimInfo"); }

void CVuskMainInfo::SetCurCmdLoadInfo(LPCTSTR lpszText) {
    SetText(m_curEntry.strLoadInfo, lpszText, "SetCurCmdLoadInfo");
}

void CVuskMainInfo::SetCurCmdResultInfo(LPCTSTR lpszText) {
    SetText(m_curEntry.strResultInfo, lpszText, "SetCurCmdResultInfo");
}

BOOL CVuskMainInfo::AddCommandToList() {
    m_list.push_back(m_curEntry);
    return TRUE;
}

BOOL CVuskMainInfo::RefreshCurCommand() {
    for (auto entry = m_list.rbegin(); entry != m_list.rend(); ++entry)
        if (entry->strCommand == m_curEntry.strCommand) {
            *entry = m_curEntry;
            return TRUE;
        }
    return FALSE;
}

BOOL CVuskMainInfo::SendAcadCommand(LPCTSTR lpszCommand, HWND) {
    if (!lpszCommand) {
        qelt::ReportMisuse("CVuskMainInfo::SendAcadCommand with a null command line");
        return FALSE;
    }
    CVuskAcadCommand command;
    command.strCommand = lpszCommand;
    for (const std::string& key : qelt::host::TakeDrawingKeysWritten())
        if (auto value = qelt::host::ReadStoredValue(qelt::host::StoreSpace::Drawing, key))
            command.parameters.push_back({key, *value});
    m_acadCommands.push_back(command);
    qelt::host::NoteDrawingSent();
    return TRUE;
}
