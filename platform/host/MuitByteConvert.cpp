#include "host/MuitByteConvert.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "mfc/base/Diagnostics.h"

int MuitByteConvert(LPSTR pBuffer, LPCSTR pszText, int nBufferSize) {
    if (pszText == nullptr) {
        qelt::ReportMisuse("MuitByteConvert: null text");
        return 0;
    }
    const size_t length = std::strlen(pszText);
    const int needed = static_cast<int>(length + 1);
    if (pBuffer == nullptr) return needed;
    if (nBufferSize < needed) {
        qelt::ReportMisuse("MuitByteConvert: a buffer of %d bytes for a text that needs %d", nBufferSize,
                           needed);
        if (nBufferSize > 0) pBuffer[0] = '\0';
        return 0;
    }
    std::memcpy(pBuffer, pszText, length + 1);
    return needed;
}

namespace {

const int kNumberWidth = 4;
const int kSizeWidth = 10;

bool FitsField(long value) {
    return value >= CWordTextRecord::minFieldValue && value <= CWordTextRecord::maxFieldValue;
}

// A fixed-width integer field: blanks, an optional sign, at least one digit, nothing after.
bool ParseInt(const char* field, long& value) {
    int i = 0;
    while (i < kNumberWidth && field[i] == ' ') ++i;
    bool negative = false;
    if (i < kNumberWidth && (field[i] == '-' || field[i] == '+')) negative = field[i++] == '-';
    if (i == kNumberWidth) return false;
    long result = 0;
    for (; i < kNumberWidth; ++i) {
        if (field[i] < '0' || field[i] > '9') return false;
        result = result * 10 + (field[i] - '0');
    }
    value = negative ? -result : result;
    return true;
}

bool ParseSize(const char* field, double& value) {
    char copy[kSizeWidth + 1];
    std::memcpy(copy, field, kSizeWidth);
    copy[kSizeWidth] = '\0';
    int start = 0;
    while (start < kSizeWidth && copy[start] == ' ') ++start;
    if (start == kSizeWidth) return false;
    char* end = nullptr;
    const double parsed = std::strtod(copy + start, &end);
    if (*end != '\0' || !std::isfinite(parsed) || parsed <= 0) return false;
    value = parsed;
    return true;
}

void AppendNumber(std::string& out, long value) {
    char field[16];
    std::snprintf(field, sizeof field, "%4ld", value);
    out += field;
}

}  // namespace

BOOL CWordTextRecord::Pack(CString& strRecord) const {
    if (m_strText.GetLength() > maxTextLength || m_strFont.GetLength() > maxTextLength) return FALSE;
    for (long value : {m_lA, long(m_nB), long(m_nC), long(m_nD), long(m_nColor)})
        if (!FitsField(value)) return FALSE;
    if (!std::isfinite(m_dSize) || m_dSize <= 0) return FALSE;
    char size[32];
    if (std::snprintf(size, sizeof size, "%10g", m_dSize) != kSizeWidth) return FALSE;

    std::string out;
    AppendNumber(out, m_strText.GetLength());
    out += m_strText.Str();
    for (long value : {m_lA, long(m_nB), long(m_nC), long(m_nD), long(m_nColor)}) AppendNumber(out, value);
    out += size;
    AppendNumber(out, m_strFont.GetLength());
    out += m_strFont.Str();
    strRecord = CString(std::string_view(out));
    return TRUE;
}

BOOL CWordTextRecord::Read(LPCSTR pBuffer, int nSize) {
    if (pBuffer == nullptr || nSize <= 0) return FALSE;
    const char* terminator = static_cast<const char*>(std::memchr(pBuffer, '\0', nSize));
    const long length = terminator ? terminator - pBuffer : nSize;

    long pos = 0;
    auto take = [&](long count) -> const char* {
        if (count < 0 || count > length - pos) return nullptr;
        const char* field = pBuffer + pos;
        pos += count;
        return field;
    };
    auto takeInt = [&](long& value) {
        const char* field = take(kNumberWidth);
        return field != nullptr && ParseInt(field, value);
    };

    long textLength = 0;
    if (!takeInt(textLength)) return FALSE;
    const char* text = take(textLength);
    if (text == nullptr) return FALSE;
    long numbers[5];
    for (long& value : numbers)
        if (!takeInt(value)) return FALSE;
    const char* sizeField = take(kSizeWidth);
    double size = 0;
    if (sizeField == nullptr || !ParseSize(sizeField, size)) return FALSE;
    long fontLength = 0;
    if (!takeInt(fontLength)) return FALSE;
    const char* font = take(fontLength);
    if (font == nullptr || pos != length) return FALSE;

    m_strText = CString(text, static_cast<int>(textLength));
    m_lA = numbers[0];
    m_nB = static_cast<int>(numbers[1]);
    m_nC = static_cast<int>(numbers[2]);
    m_nD = static_cast<int>(numbers[3]);
    m_nColor = static_cast<int>(numbers[4]);
    m_dSize = size;
    m_strFont = CString(font, static_cast<int>(fontLength));
    return TRUE;
}
