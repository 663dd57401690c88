#pragma once

// Layout records: the byte-encoded property tables from which every window and
// control is set up. A record is a run of entries back to back, with no header
// and no terminator; each entry is the property name, one blank, and the value
// encoded by the property's type:
//   String   4-byte big-endian byte count, then that many bytes of UTF-8
//   Integer  4 bytes, big-endian two's complement
//   Boolean  1 byte (0 or 1)
//   Color    3 bytes: red, green, blue
// The record carries no types, so reader and builder both take them from the
// property list of the object's kind, written down once in LayoutRecord.cpp.

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "platform/Color.h"
#include "platform/base/Exceptions.h"

namespace fw {

enum class PropertyType { String, Integer, Boolean, Color };
enum class RecordKind { Window, TextArea, PushButton, Label, ProgressBar, HTTPSocket };

using PropertyValue = std::variant<std::int32_t, bool, std::string, Color>;

// The value of `Index` for a control that is not part of a control array.
inline constexpr std::int32_t kNotInControlArray = INT32_MIN;

struct PropertySpec {
    std::string_view name;
    PropertyType type;
};

// One entry of a record as written in a window's layout table.
struct RecordEntry {
    std::string_view name;
    PropertyValue value;
};

// One entry read back from a record.
struct PropertyEntry {
    std::string name;
    PropertyValue value;
};

// A record that cannot be built or read; the message names the property.
class RecordError final : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    [[nodiscard]] const char* TypeName() const noexcept override { return "RecordError"; }
};

// Every property of a kind's record, in the order a record stores them.
std::span<const PropertySpec> RecordProperties(RecordKind kind);

// Encodes a record. The entries must be exactly the kind's properties, in order,
// each with a value of the property's type; anything else throws RecordError.
std::string BuildRecord(RecordKind kind, std::initializer_list<RecordEntry> entries);

// Decodes a record of the given kind. Entries may come in any order; an unknown
// name or a value that runs past the end throws RecordError. Never reads past the
// end of `bytes`.
std::vector<PropertyEntry> ReadRecord(RecordKind kind, std::string_view bytes);

std::string_view RecordKindName(RecordKind kind);

// A property's Integer or Boolean value, or `fallback` when it was never set.
inline std::int32_t IntegerOr(const PropertyValue* value, std::int32_t fallback) {
    const auto* number = value != nullptr ? std::get_if<std::int32_t>(value) : nullptr;
    return number != nullptr ? *number : fallback;
}
inline bool BooleanOr(const PropertyValue* value, bool fallback) {
    const auto* flag = value != nullptr ? std::get_if<bool>(value) : nullptr;
    return flag != nullptr ? *flag : fallback;
}

}  // namespace fw
