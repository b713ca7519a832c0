// CYorFile: the drawing parameters that the CAD drawing commands read, in their own space of the host
// program's store. Same rules as CVuskSave (host/VuskSave.h). The keys written since the last
// CVuskMainInfo::SendAcadCommand are the parameters that command refers to.
#pragma once

#include <string>
#include <vector>

#include "mfc/base/String.h"
#include "win/WinTypes.h"

class CYorFile {
public:
    static BOOL GetValue(LPCTSTR lpszKey, int& nValue, int nDefault);
    static BOOL GetValue(LPCTSTR lpszKey, double& dValue, double dDefault);
    static BOOL GetValue(LPCTSTR lpszKey, CString& strValue, LPCTSTR lpszDefault);

    static BOOL SetValue(LPCTSTR lpszKey, int nValue);
    static BOOL SetValue(LPCTSTR lpszKey, double dValue);
    static BOOL SetValue(LPCTSTR lpszKey, LPCTSTR lpszValue);
};

namespace qelt::host {

// The keys stored through CYorFile::SetValue since the last call, each once, in the order of their
// first write; the list starts empty again.
std::vector<std::string> TakeDrawingKeysWritten();

}  // namespace qelt::host
