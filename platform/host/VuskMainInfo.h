// CVuskMainInfo: the host's command registry and what it knows of the command that runs now;
// g_VuskMainInfo is the host's one instance.
//
// Registry: AddCaltFunc copies a command's record; a record without a name or entry function, or
// with the name of a command already registered, is refused (FALSE, with a diagnostic). Commands are
// found by name with ASCII letters compared without case ("c:zhjmjs" finds "C:ZHJMJS"), and listed in
// the order of registration.
//
// Current command: CallCaltFunc makes a command the current one, empties its description and list
// entry, and runs its entry function. During the run the module describes itself (SetDescription,
// SetCurCmd…), asks for the mode of its work dialog (GetCaltDlgType: 0 inside the host's frame,
// 1 popup, other values popup with a report button; set by the host program, 1 unless set) and
// whether it runs in the host's frame (CommandInFrame, set by the host program, FALSE unless set).
// AddCommandToList appends the current entry to the host's calculation list; RefreshCurCommand puts
// the current entry in place of the last list entry of the same command (FALSE when there is none).
// SendAcadCommand records a CAD command line with the drawing parameters stored through CYorFile
// since the previous one, and notes it as the run's last step; nothing is drawn, the host program
// shows or saves the record.
#pragma once

#include <string>
#include <vector>

#include "host/CaltInfo.h"
#include "host/StoredValue.h"
#include "mfc/base/String.h"
#include "win/WinTypes.h"

// One entry of the host's calculation list: what the command says about its calculation. The texts
// hold lines ended by "\n".
struct CVuskCmdEntry {
    CString strCommand;
    CString strType;
    CString strNumber;
    CString strDimInfo;
    CString strLoadInfo;
    CString strResultInfo;
    int nBPrint = 0;
};

// A CAD command line sent by a command, with the drawing parameters it reads.
struct CVuskAcadCommand {
    struct Parameter {
        std::string key;
        qelt::host::StoredValue value;
    };
    CString strCommand;
    std::vector<Parameter> parameters;
};

class CVuskMainInfo {
public:
    CVuskMainInfo() = default;
    CVuskMainInfo(const CVuskMainInfo&) = delete;
    CVuskMainInfo& operator=(const CVuskMainInfo&) = delete;

    // Registry.
    BOOL AddCaltFunc(const _tagCaltInfo& info);
    int GetCaltFuncCount() const;
    const _tagCaltInfo* GetCaltFuncAt(int nIndex) const;  // out of range: diagnostic and NULL
    const _tagCaltInfo* FindCaltFunc(LPCTSTR lpszCommand) const;
    // Runs the named command as the current one; FALSE (nothing run) when no command has that name.
    // The entry function's result goes to *pnResult when given.
    BOOL CallCaltFunc(LPCTSTR lpszCommand, int* pnResult = NULL);

    // The command that runs now, and how the host shows it.
    const CString& GetCurCommand() const { return m_strCurCommand; }
    void SetDescription(const CString& strDescription) { m_strDescription = strDescription; }
    const CString& GetDescription() const { return m_strDescription; }
    int GetCaltDlgType() const { return m_nCaltDlgType; }
    void SetCaltDlgType(int nType) { m_nCaltDlgType = nType; }
    BOOL CommandInFrame() const { return m_bCommandInFrame; }
    void SetCommandInFrame(BOOL bInFrame) { m_bCommandInFrame = bInFrame; }

    // The current command's list entry.
    void SetCurCmdType(LPCTSTR lpszText);
    void SetCurCmdNumber(LPCTSTR lpszText);
    void SetCurCmdDimInfo(LPCTSTR lpszText);
    void SetCurCmdLoadInfo(LPCTSTR lpszText);
    void SetCurCmdResultInfo(LPCTSTR lpszText);
    void SetCurCmdBPrint(int nPrint) { m_curEntry.nBPrint = nPrint; }
    const CVuskCmdEntry& GetCurCmdEntry() const { return m_curEntry; }

    // The calculation list.
    BOOL AddCommandToList();
    BOOL RefreshCurCommand();
    const std::vector<CVuskCmdEntry>& GetCommandList() const { return m_list; }

    // CAD command lines sent, in order.
    BOOL SendAcadCommand(LPCTSTR lpszCommand, HWND hWnd = NULL);
    const std::vector<CVuskAcadCommand>& GetAcadCommands() const { return m_acadCommands; }

    HWND m_hMainWnd = NULL;        // the host program's frame window
    int m_bSkipEditCheck = 0;      // nonzero: pages take no range checks
    int m_bAtypicalBoardRun = 0;   // raised by the irregular slab while it runs

private:
    std::vector<_tagCaltInfo> m_funcs;
    CString m_strCurCommand;
    CString m_strDescription;
    int m_nCaltDlgType = 1;
    BOOL m_bCommandInFrame = FALSE;
    CVuskCmdEntry m_curEntry;
    std::vector<CVuskCmdEntry> m_list;
    std::vector<CVuskAcadCommand> m_acadCommands;
};

extern CVuskMainInfo g_VuskMainInfo;
