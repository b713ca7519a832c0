#include "com/ComError.h"

#include <cstdio>

std::string _com_error::ErrorMessage() const
{
    struct Known {
        HRESULT hr;
        const char* text;
    };
    static const Known known[] = {
        {E_NOTIMPL, "Not implemented"},
        {E_NOINTERFACE, "No such interface supported"},
        {E_POINTER, "Invalid pointer"},
        {E_FAIL, "Unspecified error"},
        {E_UNEXPECTED, "Catastrophic failure"},
        {E_OUTOFMEMORY, "Not enough memory"},
        {E_INVALIDARG, "The parameter is incorrect"},
        {DISP_E_BADVARTYPE, "Bad variable type"},
        {DISP_E_TYPEMISMATCH, "Type mismatch"},
        {DISP_E_ARRAYISLOCKED, "Memory is locked"},
        {DISP_E_BADINDEX, "Invalid index"},
        {CLASS_E_NOAGGREGATION, "Class does not support aggregation"},
        {CLASS_E_CLASSNOTAVAILABLE, "ClassFactory cannot supply requested class"},
        {REGDB_E_CLASSNOTREG, "Class not registered"},
        {CO_E_DLLNOTFOUND, "DLL for class not found"},
        {CO_E_ERRORINDLL, "Error in the DLL"},
        {TYPE_E_ELEMENTNOTFOUND, "Element not found"},
    };
    const char* text = "Unknown error";
    for (const Known& k : known)
        if (k.hr == m_hr) text = k.text;
    char code[16];
    std::snprintf(code, sizeof(code), "0x%08X", static_cast<unsigned>(m_hr));
    return std::string(text) + " (" + code + ")";
}

void _com_issue_error(HRESULT hr) { throw _com_error(hr); }

void _com_issue_errorex(HRESULT hr, IUnknown*, REFIID iid) { throw _com_error(hr, iid); }
