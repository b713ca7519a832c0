// _com_error: the error that COM callers raise for a failing call, with its result code and the
// interface it came from.
#pragma once

#include <string>

#include "com/ComBase.h"

class _com_error {
public:
    explicit _com_error(HRESULT hr, REFIID iid = IID_NULL) : m_hr(hr), m_iid(iid) {}

    HRESULT Error() const { return m_hr; }
    const IID& GUID() const { return m_iid; }
    // A short English description of the result code, with the code in hexadecimal.
    std::string ErrorMessage() const;

private:
    HRESULT m_hr;
    IID m_iid;
};

[[noreturn]] void _com_issue_error(HRESULT hr);
[[noreturn]] void _com_issue_errorex(HRESULT hr, IUnknown* source, REFIID iid);
