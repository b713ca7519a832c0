// The typed reads and writes by key that CVuskSave and CYorFile share, each in its own space of the
// store (host/Store.h). The rules are CVuskSave's (host/VuskSave.h).
#pragma once

#include "host/Store.h"
#include "mfc/base/String.h"
#include "win/WinTypes.h"

namespace qelt::host {

class KeyedValues {
public:
    // owner names the class in diagnostics ("CVuskSave").
    constexpr KeyedValues(StoreSpace space, const char* owner) : m_space(space), m_owner(owner) {}

    BOOL Get(LPCTSTR key, int& value, int defaultValue) const;
    BOOL Get(LPCTSTR key, double& value, double defaultValue) const;
    BOOL Get(LPCTSTR key, CString& value, LPCTSTR defaultValue) const;
    BOOL GetText(LPCTSTR key, char* buffer, int size, LPCTSTR defaultValue) const;

    BOOL Set(LPCTSTR key, int value) const;
    BOOL Set(LPCTSTR key, double value) const;
    BOOL Set(LPCTSTR key, LPCTSTR value) const;

private:
    bool KeyGiven(LPCTSTR key, const char* operation) const;

    StoreSpace m_space;
    const char* m_owner;
};

}  // namespace qelt::host
