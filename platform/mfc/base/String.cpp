#include "mfc/base/String.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "mfc/base/Diagnostics.h"

namespace {

bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

const char* OrEmpty(LPCTSTR text) { return text ? text : ""; }

}  // namespace

CString::CString(LPCTSTR text) : m_data(OrEmpty(text)) {}

CString::CString(LPCTSTR text, int length) {
    if (text && length > 0) m_data.assign(text, static_cast<size_t>(length));
}

CString::CString(TCHAR ch, int repeat) {
    if (repeat > 0) m_data.assign(static_cast<size_t>(repeat), ch);
}

CString::CString(std::string_view text) : m_data(text) {}

CString& CString::operator=(LPCTSTR text) {
    m_data = OrEmpty(text);
    return *this;
}

CString& CString::operator=(TCHAR ch) {
    m_data.assign(1, ch);
    return *this;
}

CString& CString::operator+=(const CString& text) {
    m_data += text.m_data;
    return *this;
}

CString& CString::operator+=(LPCTSTR text) {
    m_data += OrEmpty(text);
    return *this;
}

CString& CString::operator+=(TCHAR ch) {
    m_data += ch;
    return *this;
}

TCHAR CString::GetAt(int index) const {
    if (index < 0 || index >= GetLength()) {
        qelt::ReportMisuse("CString::GetAt(%d) on a text of %d bytes", index, GetLength());
        return 0;
    }
    return m_data[static_cast<size_t>(index)];
}

void CString::SetAt(int index, TCHAR ch) {
    if (index < 0 || index >= GetLength()) {
        qelt::ReportMisuse("CString::SetAt(%d) on a text of %d bytes", index, GetLength());
        return;
    }
    m_data[static_cast<size_t>(index)] = ch;
}

int CString::Compare(LPCTSTR text) const {
    return std::strcmp(m_data.c_str(), OrEmpty(text));
}

// Walks both texts by characters so that a GBK trail byte that looks like an ASCII letter is never
// folded; a two-byte character compares by its bytes.
int CString::CompareNoCase(LPCTSTR text) const {
    const unsigned char* a = reinterpret_cast<const unsigned char*>(m_data.c_str());
    const unsigned char* b = reinterpret_cast<const unsigned char*>(OrEmpty(text));
    bool trailA = false;
    bool trailB = false;
    for (;; ++a, ++b) {
        unsigned char ca = trailA ? *a : static_cast<unsigned char>(AsciiLower(static_cast<char>(*a)));
        unsigned char cb = trailB ? *b : static_cast<unsigned char>(AsciiLower(static_cast<char>(*b)));
        if (ca != cb) return ca < cb ? -1 : 1;
        if (ca == 0) return 0;
        trailA = !trailA && IsLeadByte(*a);
        trailB = !trailB && IsLeadByte(*b);
    }
}

void CString::Format(LPCTSTR format, ...) {
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(LPCTSTR format, va_list args) {
    va_list copy;
    va_copy(copy, args);
    int needed = std::vsnprintf(nullptr, 0, OrEmpty(format), copy);
    va_end(copy);
    if (needed < 0) {
        qelt::ReportMisuse("CString::Format with an invalid format \"%s\"", OrEmpty(format));
        m_data.clear();
        return;
    }
    std::vector<char> buffer(static_cast<size_t>(needed) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), OrEmpty(format), args);
    m_data.assign(buffer.data(), static_cast<size_t>(needed));
}

void CString::AppendFormat(LPCTSTR format, ...) {
    CString tail;
    va_list args;
    va_start(args, format);
    tail.FormatV(format, args);
    va_end(args);
    m_data += tail.m_data;
}

CString CString::Left(int count) const {
    count = std::clamp(count, 0, GetLength());
    return CString(std::string_view(m_data).substr(0, static_cast<size_t>(count)));
}

CString CString::Right(int count) const {
    count = std::clamp(count, 0, GetLength());
    return CString(std::string_view(m_data).substr(m_data.size() - static_cast<size_t>(count)));
}

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const {
    first = std::clamp(first, 0, GetLength());
    count = std::clamp(count, 0, GetLength() - first);
    return CString(std::string_view(m_data).substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString CString::SpanIncluding(LPCTSTR charSet) const {
    size_t n = std::strspn(m_data.c_str(), OrEmpty(charSet));
    return Left(static_cast<int>(n));
}

CString CString::SpanExcluding(LPCTSTR charSet) const {
    size_t n = std::strcspn(m_data.c_str(), OrEmpty(charSet));
    return Left(static_cast<int>(n));
}

size_t CString::CharWidth(size_t index) const {
    return IsLeadByte(static_cast<unsigned char>(m_data[index])) && index + 1 < m_data.size() ? 2 : 1;
}

bool CString::IsCharStart(size_t index) const {
    size_t i = 0;
    while (i < index) i += CharWidth(i);
    return i == index;
}

int CString::Find(TCHAR ch, int start) const {
    if (start < 0) start = 0;
    size_t i = 0;
    while (i < static_cast<size_t>(start) && i < m_data.size()) i += CharWidth(i);
    for (; i < m_data.size(); i += CharWidth(i)) {
        if (m_data[i] == ch && CharWidth(i) == 1) return static_cast<int>(i);
    }
    return -1;
}

int CString::Find(LPCTSTR sub, int start) const {
    std::string_view needle(OrEmpty(sub));
    if (start < 0) start = 0;
    if (static_cast<size_t>(start) > m_data.size()) return -1;
    size_t i = 0;
    while (i < static_cast<size_t>(start)) i += CharWidth(i);
    for (; i <= m_data.size(); i += (i < m_data.size() ? CharWidth(i) : 1)) {
        if (m_data.compare(i, needle.size(), needle) == 0) return static_cast<int>(i);
        if (i == m_data.size()) break;
    }
    return -1;
}

int CString::ReverseFind(TCHAR ch) const {
    int found = -1;
    for (size_t i = 0; i < m_data.size(); i += CharWidth(i)) {
        if (m_data[i] == ch && CharWidth(i) == 1) found = static_cast<int>(i);
    }
    return found;
}

int CString::FindOneOf(LPCTSTR charSet) const {
    const char* set = OrEmpty(charSet);
    for (size_t i = 0; i < m_data.size(); i += CharWidth(i)) {
        if (CharWidth(i) == 1 && m_data[i] != 0 && std::strchr(set, m_data[i])) return static_cast<int>(i);
    }
    return -1;
}

int CString::Replace(TCHAR oldCh, TCHAR newCh) {
    int count = 0;
    for (size_t i = 0; i < m_data.size(); i += CharWidth(i)) {
        if (CharWidth(i) == 1 && m_data[i] == oldCh) {
            m_data[i] = newCh;
            ++count;
        }
    }
    return count;
}

int CString::Replace(LPCTSTR oldText, LPCTSTR newText) {
    std::string_view from(OrEmpty(oldText));
    if (from.empty()) return 0;
    std::string_view to(OrEmpty(newText));
    std::string result;
    int count = 0;
    size_t i = 0;
    while (i < m_data.size()) {
        if (m_data.compare(i, from.size(), from) == 0) {
            result += to;
            i += from.size();
            ++count;
        } else {
            size_t width = CharWidth(i);
            result.append(m_data, i, width);
            i += width;
        }
    }
    m_data = std::move(result);
    return count;
}

int CString::Remove(TCHAR ch) {
    std::string result;
    int count = 0;
    for (size_t i = 0; i < m_data.size();) {
        size_t width = CharWidth(i);
        if (width == 1 && m_data[i] == ch) {
            ++count;
        } else {
            result.append(m_data, i, width);
        }
        i += width;
    }
    m_data = std::move(result);
    return count;
}

int CString::Insert(int index, TCHAR ch) { return Insert(index, CString(ch).m_data.c_str()); }

int CString::Insert(int index, LPCTSTR text) {
    index = std::clamp(index, 0, GetLength());
    m_data.insert(static_cast<size_t>(index), OrEmpty(text));
    return GetLength();
}

int CString::Delete(int index, int count) {
    if (index < 0) index = 0;
    if (count > 0 && index < GetLength()) {
        count = std::min(count, GetLength() - index);
        m_data.erase(static_cast<size_t>(index), static_cast<size_t>(count));
    }
    return GetLength();
}

namespace {
bool IsAsciiSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
}  // namespace

CString& CString::Trim() { return TrimRight().TrimLeft(); }
CString& CString::Trim(TCHAR ch) { return TrimRight(ch).TrimLeft(ch); }
CString& CString::Trim(LPCTSTR chars) { return TrimRight(chars).TrimLeft(chars); }

CString& CString::TrimLeft() {
    size_t i = 0;
    while (i < m_data.size() && IsAsciiSpace(m_data[i])) ++i;
    m_data.erase(0, i);
    return *this;
}

CString& CString::TrimLeft(TCHAR ch) {
    size_t i = 0;
    while (i < m_data.size() && m_data[i] == ch) ++i;
    m_data.erase(0, i);
    return *this;
}

CString& CString::TrimLeft(LPCTSTR chars) {
    const char* set = OrEmpty(chars);
    size_t i = 0;
    while (i < m_data.size() && CharWidth(i) == 1 && std::strchr(set, m_data[i])) ++i;
    m_data.erase(0, i);
    return *this;
}

// Trimming from the right walks whole characters so that a trail byte equal to a trimmed ASCII
// byte is never cut off a GBK character.
CString& CString::TrimRight() {
    size_t keep = 0;
    for (size_t i = 0; i < m_data.size(); i += CharWidth(i)) {
        if (CharWidth(i) == 2 || !IsAsciiSpace(m_data[i])) keep = i + CharWidth(i);
    }
    m_data.resize(keep);
    return *this;
}

CString& CString::TrimRight(TCHAR ch) {
    size_t keep = 0;
    for (size_t i = 0; i < m_data.size(); i += CharWidth(i)) {
        if (CharWidth(i) == 2 || m_data[i] != ch) keep = i + CharWidth(i);
    }
    m_data.resize(keep);
    return *this;
}

CString& CString::TrimRight(LPCTSTR chars) {
    const char* set = OrEmpty(chars);
    size_t keep = 0;
    for (size_t i = 0; i < m_data.size(); i += CharWidth(i)) {
        if (CharWidth(i) == 2 || !std::strchr(set, m_data[i]) || m_data[i] == 0) keep = i + CharWidth(i);
    }
    m_data.resize(keep);
    return *this;
}

CString& CString::MakeUpper() {
    for (size_t i = 0; i < m_data.size(); i += CharWidth(i)) {
        if (CharWidth(i) == 1) m_data[i] = AsciiUpper(m_data[i]);
    }
    return *this;
}

CString& CString::MakeLower() {
    for (size_t i = 0; i < m_data.size(); i += CharWidth(i)) {
        if (CharWidth(i) == 1) m_data[i] = AsciiLower(m_data[i]);
    }
    return *this;
}

// Reverses by characters, so a GBK character keeps its byte order.
CString& CString::MakeReverse() {
    std::string result;
    result.reserve(m_data.size());
    for (size_t i = 0; i < m_data.size(); i += CharWidth(i)) {
        result.insert(0, m_data, i, CharWidth(i));
    }
    m_data = std::move(result);
    return *this;
}

// Bytes past the old length are zero, so that ReleaseBuffer(-1) finds the old end.
LPTSTR CString::GetBuffer(int minLength) {
    if (minLength > GetLength()) m_data.resize(static_cast<size_t>(minLength), '\0');
    return m_data.data();
}

LPTSTR CString::GetBufferSetLength(int length) {
    m_data.resize(static_cast<size_t>(std::max(length, 0)), '\0');
    return m_data.data();
}

void CString::ReleaseBuffer(int newLength) {
    if (newLength < 0) {
        newLength = static_cast<int>(std::strlen(m_data.c_str()));
    } else if (newLength > GetLength()) {
        qelt::ReportMisuse("CString::ReleaseBuffer(%d) past a buffer of %d bytes", newLength, GetLength());
        newLength = GetLength();
    }
    m_data.resize(static_cast<size_t>(newLength));
}

CString operator+(const CString& a, const CString& b) {
    CString r(a);
    r += b;
    return r;
}
CString operator+(const CString& a, LPCTSTR b) {
    CString r(a);
    r += b;
    return r;
}
CString operator+(LPCTSTR a, const CString& b) {
    CString r(a);
    r += b;
    return r;
}
CString operator+(const CString& a, TCHAR b) {
    CString r(a);
    r += b;
    return r;
}
CString operator+(TCHAR a, const CString& b) {
    CString r(a);
    r += b;
    return r;
}

bool operator==(const CString& a, const CString& b) { return a.Str() == b.Str(); }
bool operator==(const CString& a, LPCTSTR b) { return a.Compare(b) == 0; }
bool operator==(LPCTSTR a, const CString& b) { return b.Compare(a) == 0; }
bool operator!=(const CString& a, const CString& b) { return !(a == b); }
bool operator!=(const CString& a, LPCTSTR b) { return !(a == b); }
bool operator!=(LPCTSTR a, const CString& b) { return !(a == b); }
bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
bool operator<(const CString& a, LPCTSTR b) { return a.Compare(b) < 0; }
bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }
