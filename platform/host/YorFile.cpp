#include "host/YorFile.h"

#include <algorithm>
#include <utility>

#include "host/KeyedValues.h"

namespace {

const qelt::host::KeyedValues kDrawing(qelt::host::StoreSpace::Drawing, "CYorFile");
std::vector<std::string> g_keysWritten;

BOOL Noted(LPCTSTR lpszKey, BOOL bStored) {
    if (bStored && std::find(g_keysWritten.begin(), g_keysWritten.end(), lpszKey) == g_keysWritten.end())
        g_keysWritten.emplace_back(lpszKey);
    return bStored;
}

}  // namespace

BOOL CYorFile::GetValue(LPCTSTR lpszKey, int& nValue, int nDefault) { return kDrawing.Get(lpszKey, nValue, nDefault); }

BOOL CYorFile::GetValue(LPCTSTR lpszKey, double& dValue, double dDefault) { return kDrawing.Get(lpszKey, dValue, dDefault); }

BOOL CYorFile::GetValue(LPCTSTR lpszKey, CString& strValue, LPCTSTR lpszDefault) {
    return kDrawing.Get(lpszKey, strValue, lpszDefault);
}

BOOL CYorFile::SetValue(LPCTSTR lpszKey, int nValue) { return Noted(lpszKey, kDrawing.Set(lpszKey, nValue)); }

BOOL CYorFile::SetValue(LPCTSTR lpszKey, double dValue) { return Noted(lpszKey, kDrawing.Set(lpszKey, dValue)); }

BOOL CYorFile::SetValue(LPCTSTR lpszKey, LPCTSTR lpszValue) { return Noted(lpszKey, kDrawing.Set(lpszKey, lpszValue)); }

namespace qelt::host {

std::vector<std::string> TakeDrawingKeysWritten() { return std::exchange(g_keysWritten, {}); }

}  // namespace qelt::host
