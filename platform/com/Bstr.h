// BSTR: a counted UTF-16 text whose length (in bytes) sits just before its first character, ended
// by a zero character. A null BSTR is the empty text.
#pragma once

#include <string>

#include "win/WinTypes.h"

typedef char16_t OLECHAR;
typedef OLECHAR* BSTR;

BSTR SysAllocStringLen(const OLECHAR* text, UINT length);
void SysFreeString(BSTR text);
UINT SysStringLen(BSTR text);

namespace _com_util {
// The program's 8-bit text (the ANSI code page, GBK) as a new BSTR; a null text gives a null BSTR.
// Raises _com_error: E_OUTOFMEMORY when the BSTR cannot be allocated, E_INVALIDARG for bytes that
// are not GBK.
BSTR ConvertStringToBSTR(const char* text);
// A BSTR as GBK text; raises _com_error with E_INVALIDARG for a character GBK cannot hold.
std::string ConvertBSTRToString(BSTR text);
}  // namespace _com_util
