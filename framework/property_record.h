// Design-time properties of a window or control, serialised as one byte string and applied
// whole. An entry is the property's ASCII name, one blank, then the value; the value's width
// comes from the type the target class declares for that name (the record carries no types):
//   Integer  8 bytes, little-endian two's complement (also enumerations)
//   Boolean  1 byte, 0 or 1
//   Byte     1 byte (FontUnit)
//   Single   4 bytes, IEEE 754, little-endian (FontSize)
//   Color    4 bytes, little-endian 32-bit word, read as 0x00RRGGBB
//   String   4-byte little-endian byte count, then the UTF-8 bytes; items separated by CR
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace fw {

struct Color {
  std::uint32_t rgb = 0;  // 0x00RRGGBB
  bool operator==(const Color&) const = default;
};

enum class PropertyType { Integer, Boolean, Byte, Single, Color, String };

using PropertyValue = std::variant<std::int64_t, bool, std::uint8_t, float, Color, std::string>;

// Name -> declared type, one table per window or control class.
using PropertyTypes = std::map<std::string, PropertyType, std::less<>>;
// Name -> decoded value.
using PropertyValues = std::map<std::string, PropertyValue, std::less<>>;

// Builds a record entry by entry, so records are written as typed calls, never as escaped
// byte literals. The entries stay values until the bytes are asked for, so a record can also be
// written back to front.
class PropertyRecord {
 public:
  PropertyRecord& Integer(std::string_view name, std::int64_t value);
  PropertyRecord& Boolean(std::string_view name, bool value);
  PropertyRecord& Byte(std::string_view name, std::uint8_t value);
  PropertyRecord& Single(std::string_view name, float value);
  PropertyRecord& ColorValue(std::string_view name, std::uint32_t rgb);
  PropertyRecord& String(std::string_view name, std::string_view value);

  // The same entries in the opposite order. A record is read by name, so it sets the same values.
  PropertyRecord Reversed() const;
  // The value of the String entry `name` ("" when there is none).
  std::string StringEntry(std::string_view name) const;
  // The entries in order, serialised.
  std::string Bytes() const;

 private:
  std::vector<std::pair<std::string, PropertyValue>> entries_;
};

// Decodes `record` by `types`. Every entry must name a declared property and the entries must
// fill the record exactly; anything else is a programming error and raises RuntimeException.
PropertyValues DecodeProperties(std::string_view record, const PropertyTypes& types);

// Typed reads of a decoded set; they raise RuntimeException when the entry is missing or of
// another type.
std::int64_t IntegerProperty(const PropertyValues& values, std::string_view name);
bool BooleanProperty(const PropertyValues& values, std::string_view name);
std::string StringProperty(const PropertyValues& values, std::string_view name);
Color ColorProperty(const PropertyValues& values, std::string_view name);
float SingleProperty(const PropertyValues& values, std::string_view name);

}  // namespace fw
