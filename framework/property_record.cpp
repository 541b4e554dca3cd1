// Writing and reading property records. A record carries no types: each value is read with
// the width its target class declares for the name, so any mismatch shows up as an unknown
// name, a short value or bytes left over, and all of these are programming errors.
#include "framework/property_record.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <string>
#include <type_traits>

#include "framework/exceptions.h"

namespace fw {
namespace {

void AppendLittleEndian(std::string& out, std::uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) {
    out.push_back(static_cast<char>(static_cast<unsigned char>(value >> (8 * i))));
  }
}

// The value's bytes, as wide as its type: the inverse of DecodeValue below.
void AppendValue(std::string& out, const PropertyValue& value) {
  std::visit(
      [&out](const auto& v) {
        using T = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<T, std::int64_t>) {
          AppendLittleEndian(out, static_cast<std::uint64_t>(v), 8);
        } else if constexpr (std::is_same_v<T, bool>) {
          out.push_back(v ? '\x01' : '\x00');
        } else if constexpr (std::is_same_v<T, std::uint8_t>) {
          out.push_back(static_cast<char>(v));
        } else if constexpr (std::is_same_v<T, float>) {
          AppendLittleEndian(out, std::bit_cast<std::uint32_t>(v), 4);
        } else if constexpr (std::is_same_v<T, Color>) {
          AppendLittleEndian(out, v.rgb, 4);
        } else {
          AppendLittleEndian(out, v.size(), 4);
          out.append(v);
        }
      },
      value);
}

std::uint64_t ReadLittleEndian(std::string_view bytes) {
  std::uint64_t value = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    value |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
  }
  return value;
}

bool IsNameChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// A short, printable excerpt of bytes for error messages.
std::string Printable(std::string_view bytes) {
  std::string out;
  for (char c : bytes.substr(0, 24)) {
    out.push_back(c >= 0x20 && c < 0x7F ? c : '?');
  }
  if (bytes.size() > 24) out += "...";
  return out;
}

[[noreturn]] void Fail(std::size_t offset, const std::string& what) {
  throw RuntimeException("property record, offset " + std::to_string(offset) + ": " + what);
}

const char* TypeName(PropertyType type) {
  switch (type) {
    case PropertyType::Integer:
      return "Integer";
    case PropertyType::Boolean:
      return "Boolean";
    case PropertyType::Byte:
      return "Byte";
    case PropertyType::Single:
      return "Single";
    case PropertyType::Color:
      return "Color";
    case PropertyType::String:
      return "String";
  }
  return "?";
}

std::size_t FixedWidth(PropertyType type) {
  switch (type) {
    case PropertyType::Integer:
      return 8;
    case PropertyType::Boolean:
    case PropertyType::Byte:
      return 1;
    case PropertyType::Single:
    case PropertyType::Color:
    case PropertyType::String:  // the byte count
      return 4;
  }
  return 0;
}

// Decodes one value of `type` at `pos`, advancing `pos` past it.
PropertyValue DecodeValue(std::string_view record, std::size_t& pos, PropertyType type,
                          std::string_view name) {
  const std::size_t width = FixedWidth(type);
  if (record.size() - pos < width) {
    Fail(pos, "truncated " + std::string(TypeName(type)) + " value of " + std::string(name) + " (" +
                  std::to_string(record.size() - pos) + " of " + std::to_string(width) + " bytes)");
  }
  const std::uint64_t raw = ReadLittleEndian(record.substr(pos, width));
  const std::size_t start = pos;
  pos += width;
  switch (type) {
    case PropertyType::Integer:
      return static_cast<std::int64_t>(raw);
    case PropertyType::Boolean:
      if (raw > 1) Fail(start, "Boolean value of " + std::string(name) + " is neither 0 nor 1");
      return raw == 1;
    case PropertyType::Byte:
      return static_cast<std::uint8_t>(raw);
    case PropertyType::Single:
      return std::bit_cast<float>(static_cast<std::uint32_t>(raw));
    case PropertyType::Color:
      return Color{static_cast<std::uint32_t>(raw)};
    case PropertyType::String: {
      if (record.size() - pos < raw) {
        Fail(pos, "truncated String value of " + std::string(name) + " (" +
                      std::to_string(record.size() - pos) + " of " + std::to_string(raw) +
                      " bytes)");
      }
      std::string text(record.substr(pos, raw));
      pos += raw;
      return text;
    }
  }
  Fail(start, "undeclared type");
}

template <class T>
const T& Typed(const PropertyValues& values, std::string_view name, const char* typeName) {
  auto it = values.find(name);
  if (it == values.end()) {
    throw RuntimeException("property " + std::string(name) + " is not set");
  }
  const T* value = std::get_if<T>(&it->second);
  if (value == nullptr) {
    throw RuntimeException("property " + std::string(name) + " is not a " + typeName);
  }
  return *value;
}

}  // namespace

PropertyRecord& PropertyRecord::Integer(std::string_view name, std::int64_t value) {
  entries_.emplace_back(name, value);
  return *this;
}

PropertyRecord& PropertyRecord::Boolean(std::string_view name, bool value) {
  entries_.emplace_back(name, value);
  return *this;
}

PropertyRecord& PropertyRecord::Byte(std::string_view name, std::uint8_t value) {
  entries_.emplace_back(name, value);
  return *this;
}

PropertyRecord& PropertyRecord::Single(std::string_view name, float value) {
  entries_.emplace_back(name, value);
  return *this;
}

PropertyRecord& PropertyRecord::ColorValue(std::string_view name, std::uint32_t rgb) {
  entries_.emplace_back(name, Color{rgb});
  return *this;
}

PropertyRecord& PropertyRecord::String(std::string_view name, std::string_view value) {
  if (value.size() > std::numeric_limits<std::uint32_t>::max()) {
    throw RuntimeException("text of property " + std::string(name) + " is too long");
  }
  entries_.emplace_back(name, std::string(value));
  return *this;
}

PropertyRecord PropertyRecord::Reversed() const {
  PropertyRecord reversed = *this;
  std::reverse(reversed.entries_.begin(), reversed.entries_.end());
  return reversed;
}

std::string PropertyRecord::StringEntry(std::string_view name) const {
  for (const auto& [entryName, value] : entries_) {
    if (entryName != name) continue;
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
  }
  return "";
}

std::string PropertyRecord::Bytes() const {
  std::string bytes;
  for (const auto& [name, value] : entries_) {
    bytes.append(name);
    bytes.push_back(' ');
    AppendValue(bytes, value);
  }
  return bytes;
}

PropertyValues DecodeProperties(std::string_view record, const PropertyTypes& types) {
  PropertyValues values;
  std::size_t pos = 0;
  while (pos < record.size()) {
    const std::size_t blank = record.find(' ', pos);
    if (blank == std::string_view::npos) {
      Fail(pos, "bytes after the last entry with no blank after a name: \"" +
                    Printable(record.substr(pos)) + "\"");
    }
    const std::string_view name = record.substr(pos, blank - pos);
    bool wellFormed = !name.empty();
    for (char c : name) wellFormed = wellFormed && IsNameChar(c);
    if (!wellFormed) Fail(pos, "malformed property name \"" + Printable(name) + "\"");
    auto type = types.find(name);
    if (type == types.end()) Fail(pos, "unknown property " + std::string(name));
    pos = blank + 1;
    PropertyValue value = DecodeValue(record, pos, type->second, name);
    values.insert_or_assign(std::string(name), std::move(value));
  }
  return values;
}

std::int64_t IntegerProperty(const PropertyValues& values, std::string_view name) {
  return Typed<std::int64_t>(values, name, "Integer");
}

bool BooleanProperty(const PropertyValues& values, std::string_view name) {
  return Typed<bool>(values, name, "Boolean");
}

std::string StringProperty(const PropertyValues& values, std::string_view name) {
  return Typed<std::string>(values, name, "String");
}

Color ColorProperty(const PropertyValues& values, std::string_view name) {
  return Typed<Color>(values, name, "Color");
}

float SingleProperty(const PropertyValues& values, std::string_view name) {
  return Typed<float>(values, name, "Single");
}

}  // namespace fw
