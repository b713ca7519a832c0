#include "host/StoredValue.h"

#include <cstdio>
#include <cstring>

#include "mfc/base/Encoding.h"

namespace qelt::host {
namespace {

void AppendUint(std::string& out, std::uint64_t bits, int size) {
    for (int i = 0; i < size; ++i) out.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
}

std::uint64_t ReadUint(const std::string& in, std::size_t offset, int size) {
    std::uint64_t bits = 0;
    for (int i = 0; i < size; ++i)
        bits |= static_cast<std::uint64_t>(static_cast<unsigned char>(in[offset + i])) << (8 * i);
    return bits;
}

void AppendInt(std::string& out, std::int32_t value) {
    AppendUint(out, static_cast<std::uint32_t>(value), 4);
}

void AppendDouble(std::string& out, double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    AppendUint(out, bits, 8);
}

std::int32_t IntAt(const std::string& in, std::size_t offset) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(ReadUint(in, offset, 4)));
}

double DoubleAt(const std::string& in, std::size_t offset) {
    std::uint64_t bits = ReadUint(in, offset, 8);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::string NumberText(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

}  // namespace

const char* KindName(ValueKind kind) {
    switch (kind) {
        case ValueKind::Int: return "int";
        case ValueKind::Double: return "double";
        case ValueKind::Text: return "text";
        case ValueKind::IntArray: return "int array";
        case ValueKind::DoubleArray: return "double array";
    }
    return "unknown kind";
}

StoredValue StoredValue::FromInt(std::int32_t value) {
    StoredValue stored{ValueKind::Int, {}};
    AppendInt(stored.bytes, value);
    return stored;
}

StoredValue StoredValue::FromDouble(double value) {
    StoredValue stored{ValueKind::Double, {}};
    AppendDouble(stored.bytes, value);
    return stored;
}

StoredValue StoredValue::FromText(std::string_view text) {
    return StoredValue{ValueKind::Text, std::string(text)};
}

StoredValue StoredValue::FromInts(const std::int32_t* values, std::size_t count) {
    StoredValue stored{ValueKind::IntArray, {}};
    for (std::size_t i = 0; i < count; ++i) AppendInt(stored.bytes, values[i]);
    return stored;
}

StoredValue StoredValue::FromDoubles(const double* values, std::size_t count) {
    StoredValue stored{ValueKind::DoubleArray, {}};
    for (std::size_t i = 0; i < count; ++i) AppendDouble(stored.bytes, values[i]);
    return stored;
}

std::optional<std::int32_t> StoredValue::ToInt() const {
    if (kind != ValueKind::Int || bytes.size() != 4) return std::nullopt;
    return IntAt(bytes, 0);
}

std::optional<double> StoredValue::ToDouble() const {
    if (kind != ValueKind::Double || bytes.size() != 8) return std::nullopt;
    return DoubleAt(bytes, 0);
}

std::optional<std::string> StoredValue::ToText() const {
    if (kind != ValueKind::Text) return std::nullopt;
    return bytes;
}

std::optional<std::vector<std::int32_t>> StoredValue::ToInts() const {
    if (kind != ValueKind::IntArray || bytes.size() % 4 != 0) return std::nullopt;
    std::vector<std::int32_t> values;
    for (std::size_t offset = 0; offset < bytes.size(); offset += 4) values.push_back(IntAt(bytes, offset));
    return values;
}

std::optional<std::vector<double>> StoredValue::ToDoubles() const {
    if (kind != ValueKind::DoubleArray || bytes.size() % 8 != 0) return std::nullopt;
    std::vector<double> values;
    for (std::size_t offset = 0; offset < bytes.size(); offset += 8) values.push_back(DoubleAt(bytes, offset));
    return values;
}

std::string StoredValue::Describe() const {
    std::string text = KindName(kind);
    if (auto value = ToInt()) return text + " " + std::to_string(*value);
    if (auto value = ToDouble()) return text + " " + NumberText(*value);
    if (auto value = ToText()) return text + " " + text::GbkToUtf8ForDisplay(*value);
    std::string list;
    if (auto values = ToInts()) {
        for (std::int32_t value : *values) list += (list.empty() ? "" : ", ") + std::to_string(value);
    } else if (auto values = ToDoubles()) {
        for (double value : *values) list += (list.empty() ? "" : ", ") + NumberText(value);
    } else {
        return text + " (damaged: " + std::to_string(bytes.size()) + " bytes)";
    }
    return text + " [" + list + "]";
}

}  // namespace qelt::host
