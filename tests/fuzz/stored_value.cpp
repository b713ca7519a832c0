// A value of the store as it lies in the file: the first byte is its kind, the rest its bytes. Every
// reading is tried, whatever the kind, as a key that expects another kind would.
#include <cstddef>
#include <cstdint>

#include "host/StoredValue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    qelt::host::StoredValue value;
    value.kind = static_cast<qelt::host::ValueKind>(data[0]);
    value.bytes.assign(reinterpret_cast<const char*>(data) + 1, size - 1);
    value.ToInt();
    value.ToDouble();
    value.ToText();
    value.ToInts();
    value.ToDoubles();
    value.Describe();
    return 0;
}
