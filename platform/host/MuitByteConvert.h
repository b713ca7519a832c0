// The packed text record of a report's text rows, and MuitByteConvert, which hands a row's text to
// a reader as a terminated byte buffer.
//
// Record layout (decimal numbers right-aligned in their fields, texts as raw GBK bytes):
//   n 4 | text n | a 4 | b 4 | c 4 | d 4 | colour 4 | size 10 | m 4 | font m
#pragma once

#include "mfc/base/String.h"
#include "win/WinTypes.h"

// With pBuffer NULL: the size of buffer that the text needs (its bytes and a terminating zero).
// With a buffer: copies the text and its terminator and returns that size; when nBufferSize is
// smaller than needed, nothing is copied (the buffer is emptied when it has room for a zero) and 0
// is returned with a diagnostic. A row's stored text is already in the system's code page, so the
// copy is the conversion. A NULL text gives 0 with a diagnostic.
int MuitByteConvert(LPSTR pBuffer, LPCSTR pszText, int nBufferSize);

class CWordTextRecord {
public:
    enum {
        maxTextLength = 9999,  // the largest length a 4-byte field holds
        maxFieldValue = 9999,  // range of the 4-byte number fields
        minFieldValue = -999,
    };

    CString m_strText;
    long m_lA = 0;
    int m_nB = 0;
    int m_nC = 0;
    int m_nD = 0;
    int m_nColor = 0;
    double m_dSize = 10.5;
    CString m_strFont;

    // The packed record; FALSE (strRecord untouched) when a field does not fit: a text or font
    // longer than 9999 bytes, a number outside -999 to 9999, a size that is not a positive finite
    // number of at most 10 characters. The size keeps 6 significant digits.
    BOOL Pack(CString& strRecord) const;

    // Reads a record from the first nSize bytes of pBuffer (up to a terminating zero, if one lies
    // within them). Every length is checked against the bytes there: a short, overlong or malformed
    // record gives FALSE and leaves the fields as they were, and nothing past nSize is read.
    BOOL Read(LPCSTR pBuffer, int nSize);
};
