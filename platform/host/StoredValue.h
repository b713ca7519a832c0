// One value of the host's store as it lies in the file: its kind and its bytes. Ints are 32-bit and
// doubles keep their exact bit pattern (both little-endian); texts keep their bytes (GBK) as they
// are; arrays are their elements one after the other.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qelt::host {

enum class ValueKind { Int = 1, Double = 2, Text = 3, IntArray = 4, DoubleArray = 5 };

// "int", "double", "text", "int array", "double array"; "unknown kind" for anything else.
const char* KindName(ValueKind kind);

struct StoredValue {
    ValueKind kind = ValueKind::Int;
    std::string bytes;

    static StoredValue FromInt(std::int32_t value);
    static StoredValue FromDouble(double value);
    static StoredValue FromText(std::string_view text);
    static StoredValue FromInts(const std::int32_t* values, std::size_t count);
    static StoredValue FromDoubles(const double* values, std::size_t count);

    // Each gives nothing when the value is of another kind or its bytes do not fit the kind.
    std::optional<std::int32_t> ToInt() const;
    std::optional<double> ToDouble() const;
    std::optional<std::string> ToText() const;
    std::optional<std::vector<std::int32_t>> ToInts() const;
    std::optional<std::vector<double>> ToDoubles() const;

    // For people (UTF-8): "int 5", "double 2.5", "text 矩形", "int array [1, 2]" …
    std::string Describe() const;
};

}  // namespace qelt::host
