// CString: the class library's string over GBK bytes (a multibyte build). Searching and replacing
// never split a two-byte GBK character; case mapping touches ASCII letters only.
#pragma once

#include <cstdarg>
#include <string>
#include <string_view>

#include "win/WinTypes.h"

class CString {
public:
    CString() = default;
    CString(const CString&) = default;
    CString(CString&&) noexcept = default;
    CString(LPCTSTR text);                 // a null pointer gives the empty text
    CString(LPCTSTR text, int length);     // the first length bytes
    CString(TCHAR ch, int repeat = 1);
    explicit CString(std::string_view text);
    ~CString() = default;

    CString& operator=(const CString&) = default;
    CString& operator=(CString&&) noexcept = default;
    CString& operator=(LPCTSTR text);
    CString& operator=(TCHAR ch);

    CString& operator+=(const CString& text);
    CString& operator+=(LPCTSTR text);
    CString& operator+=(TCHAR ch);

    operator LPCTSTR() const { return m_data.c_str(); }
    const std::string& Str() const { return m_data; }

    int GetLength() const { return static_cast<int>(m_data.size()); }
    BOOL IsEmpty() const { return m_data.empty(); }
    void Empty() { m_data.clear(); }
    TCHAR GetAt(int index) const;          // out of range: diagnostic and 0
    void SetAt(int index, TCHAR ch);       // out of range: diagnostic, nothing changed
    TCHAR operator[](int index) const { return GetAt(index); }

    int Compare(LPCTSTR text) const;       // byte-wise: <0, 0, >0
    int CompareNoCase(LPCTSTR text) const; // ASCII letters folded, other bytes compared as they are

    void Format(LPCTSTR format, ...) __attribute__((format(printf, 2, 3)));
    void FormatV(LPCTSTR format, va_list args);
    void AppendFormat(LPCTSTR format, ...) __attribute__((format(printf, 2, 3)));

    // Extraction clamps counts and positions into the text, as the class library's release build.
    CString Left(int count) const;
    CString Right(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString SpanIncluding(LPCTSTR charSet) const;
    CString SpanExcluding(LPCTSTR charSet) const;

    // Searches return the byte index of a whole character, or -1.
    int Find(TCHAR ch, int start = 0) const;
    int Find(LPCTSTR sub, int start = 0) const;
    int ReverseFind(TCHAR ch) const;
    int FindOneOf(LPCTSTR charSet) const;

    int Replace(TCHAR oldCh, TCHAR newCh);
    int Replace(LPCTSTR oldText, LPCTSTR newText);
    int Remove(TCHAR ch);
    int Insert(int index, TCHAR ch);
    int Insert(int index, LPCTSTR text);
    int Delete(int index, int count = 1);

    CString& Trim();
    CString& Trim(TCHAR ch);
    CString& Trim(LPCTSTR chars);
    CString& TrimLeft();
    CString& TrimLeft(TCHAR ch);
    CString& TrimLeft(LPCTSTR chars);
    CString& TrimRight();
    CString& TrimRight(TCHAR ch);
    CString& TrimRight(LPCTSTR chars);

    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();

    // A writable buffer of at least minLength bytes (plus the terminator); ReleaseBuffer(-1) takes
    // the length up to the first zero byte.
    LPTSTR GetBuffer(int minLength = 0);
    LPTSTR GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);

private:
    // True when byte index lies on a character boundary of the GBK text.
    bool IsCharStart(size_t index) const;
    size_t CharWidth(size_t index) const;

    std::string m_data;
};

typedef CString CStringA;

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, LPCTSTR b);
CString operator+(LPCTSTR a, const CString& b);
CString operator+(const CString& a, TCHAR b);
CString operator+(TCHAR a, const CString& b);

bool operator==(const CString& a, const CString& b);
bool operator==(const CString& a, LPCTSTR b);
bool operator==(LPCTSTR a, const CString& b);
bool operator!=(const CString& a, const CString& b);
bool operator!=(const CString& a, LPCTSTR b);
bool operator!=(LPCTSTR a, const CString& b);
bool operator<(const CString& a, const CString& b);
bool operator<(const CString& a, LPCTSTR b);
bool operator>(const CString& a, const CString& b);
bool operator<=(const CString& a, const CString& b);
bool operator>=(const CString& a, const CString& b);
