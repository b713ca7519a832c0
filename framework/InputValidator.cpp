#include "framework/InputValidator.h"

#include "host/Numbers.h"

static BOOL IsDigitByte(char ch)
{
    return ch >= '0' && ch <= '9';
}

static BOOL IsLetterByte(char ch)
{
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
}

// Digits with at most one point, not beginning with a point, and no leading zero unless the
// text holds a point ("0.5" and "00.5" pass, "05" does not).
static BOOL IsUnsignedReal(const char* pText, int nLength)
{
    if (pText[0] == '.')
        return FALSE;
    int nDots = 0;
    for (int i = 0; i < nLength; i++) {
        if (pText[i] == '.')
            nDots++;
        else if (!IsDigitByte(pText[i]))
            return FALSE;
    }
    if (nDots >= 2)
        return FALSE;
    if (nLength >= 2 && pText[0] == '0' && nDots == 0)
        return FALSE;
    return TRUE;
}

static BOOL IsLetters(const char* pText, int nLength)
{
    for (int i = 0; i < nLength; i++) {
        if (!IsLetterByte(pText[i]))
            return FALSE;
    }
    return TRUE;
}

// Digits only, without a leading zero unless the text is "0" itself.
static BOOL IsUnsignedInt(const char* pText, int nLength)
{
    for (int i = 0; i < nLength; i++) {
        if (!IsDigitByte(pText[i]))
            return FALSE;
    }
    return !(nLength >= 2 && pText[0] == '0');
}

BOOL IsValidInputString(CString& strText, int nLength, int nKind)
{
    if (nLength > strText.GetLength())
        nLength = strText.GetLength();
    if (nLength <= 0)
        return TRUE;

    const char* pText = strText;
    switch (nKind) {
    case INPUT_UNSIGNED_REAL:
        return IsUnsignedReal(pText, nLength);
    case INPUT_LETTERS:
        return IsLetters(pText, nLength);
    case INPUT_UNSIGNED_INT:
        return IsUnsignedInt(pText, nLength);
    default:
        return TRUE;
    }
}

CString RangeMessage(double dLower, double dUpper)
{
    CString strText;
    strText.Format("输入值应在%s与%s之间", static_cast<LPCTSTR>(ftos(dLower)), static_cast<LPCTSTR>(ftos(dUpper)));
    return strText;
}
