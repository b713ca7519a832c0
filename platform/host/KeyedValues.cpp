#include "host/KeyedValues.h"

#include <cstring>
#include <string>

#include "host/Problem.h"
#include "mfc/base/Diagnostics.h"
#include "mfc/base/Encoding.h"

namespace qelt::host {
namespace {

// The longest start of text that fits in size - 1 bytes without splitting a two-byte GBK character.
std::string::size_type FittingLength(const std::string& text, int size) {
    std::string::size_type limit = static_cast<std::string::size_type>(size - 1), end = 0;
    while (end < text.size()) {
        std::string::size_type width = static_cast<unsigned char>(text[end]) >= 0x81 && end + 1 < text.size() ? 2 : 1;
        if (end + width > limit) break;
        end += width;
    }
    return end;
}

}  // namespace

bool KeyedValues::KeyGiven(LPCTSTR key, const char* operation) const {
    if (key) return true;
    ReportMisuse("%s::%s with a null key", m_owner, operation);
    return false;
}

BOOL KeyedValues::Get(LPCTSTR key, int& value, int defaultValue) const {
    auto stored = KeyGiven(key, "GetValue") ? ReadStoredInt(m_space, key) : std::nullopt;
    value = stored ? *stored : defaultValue;
    return stored.has_value();
}

BOOL KeyedValues::Get(LPCTSTR key, double& value, double defaultValue) const {
    auto stored = KeyGiven(key, "GetValue") ? ReadStoredDouble(m_space, key) : std::nullopt;
    value = stored ? *stored : defaultValue;
    return stored.has_value();
}

BOOL KeyedValues::Get(LPCTSTR key, CString& value, LPCTSTR defaultValue) const {
    auto stored = KeyGiven(key, "GetValue") ? ReadStoredText(m_space, key) : std::nullopt;
    // Copied before the assignment: the default may be the value's own text.
    std::string text = stored ? *stored : std::string(defaultValue ? defaultValue : "");
    value = CString(std::string_view(text));
    return stored.has_value();
}

BOOL KeyedValues::GetText(LPCTSTR key, char* buffer, int size, LPCTSTR defaultValue) const {
    if (!buffer || size < 1) {
        ReportMisuse("%s::GetValue with no room for a text", m_owner);
        return FALSE;
    }
    std::string fallback = defaultValue ? defaultValue : "";
    auto stored = KeyGiven(key, "GetValue") ? ReadStoredText(m_space, key) : std::nullopt;
    if (stored && stored->size() >= static_cast<std::string::size_type>(size)) {
        ReportProblem("\"%s\" holds a text of %zu bytes, longer than its buffer of %d; the default is used",
                      text::GbkToUtf8ForDisplay(key).c_str(), stored->size(), size);
        stored.reset();
    }
    const std::string& text = stored ? *stored : fallback;
    std::string::size_type length = stored ? text.size() : FittingLength(text, size);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return stored.has_value();
}

BOOL KeyedValues::Set(LPCTSTR key, int value) const {
    return KeyGiven(key, "SetValue") && WriteStoredValue(m_space, key, StoredValue::FromInt(value));
}

BOOL KeyedValues::Set(LPCTSTR key, double value) const {
    return KeyGiven(key, "SetValue") && WriteStoredValue(m_space, key, StoredValue::FromDouble(value));
}

BOOL KeyedValues::Set(LPCTSTR key, LPCTSTR value) const {
    if (!KeyGiven(key, "SetValue")) return FALSE;
    if (!value) {
        ReportMisuse("%s::SetValue with a null text", m_owner);
        return FALSE;
    }
    return WriteStoredValue(m_space, key, StoredValue::FromText(value));
}

}  // namespace qelt::host
