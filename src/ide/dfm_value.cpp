#include "ide/dfm_value.h"

#include <charconv>
#include <limits>

namespace ide {

DfmValue::DfmValue() = default;
DfmValue::~DfmValue() = default;
DfmValue::DfmValue(const DfmValue& other) = default;
DfmValue::DfmValue(DfmValue&& other) noexcept = default;
DfmValue& DfmValue::operator=(const DfmValue& other) = default;
DfmValue& DfmValue::operator=(DfmValue&& other) noexcept = default;

bool DfmItem::operator==(const DfmItem& other) const {
  return index == other.index && properties == other.properties;
}

DfmValue DfmValue::Integer(int64_t value) {
  DfmValue v;
  v.kind = DfmValueKind::Integer;
  v.integer = value;
  return v;
}

DfmValue DfmValue::Float(double value, DfmFloatType type) {
  DfmValue v;
  v.kind = DfmValueKind::Float;
  v.number = value;
  v.float_type = type;
  return v;
}

std::optional<DfmValue> DfmValue::ParseFloat(std::string_view text) {
  DfmFloatType type = DfmFloatType::Extended;
  if (!text.empty()) {
    switch (text.back()) {
      case 's':
      case 'S':
        type = DfmFloatType::Single;
        break;
      case 'c':
      case 'C':
        type = DfmFloatType::Currency;
        break;
      case 'd':
      case 'D':
        type = DfmFloatType::Date;
        break;
      default:
        break;
    }
  }
  if (type != DfmFloatType::Extended) text.remove_suffix(1);
  if (text.empty()) return std::nullopt;
  // Read without the locale: the form file always writes a point.
  double number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (type == DfmFloatType::Currency) number /= 10000;
  DfmValue value = Float(number, type);
  return value;
}

DfmValue DfmValue::String(std::string utf8) {
  DfmValue v;
  v.kind = DfmValueKind::String;
  v.text = std::move(utf8);
  return v;
}

DfmValue DfmValue::Identifier(std::string name) {
  DfmValue v;
  v.kind = DfmValueKind::Identifier;
  v.text = std::move(name);
  return v;
}

DfmValue DfmValue::Boolean(bool value) {
  DfmValue v;
  v.kind = DfmValueKind::Boolean;
  v.boolean = value;
  return v;
}

DfmValue DfmValue::Set(std::vector<std::string> names) {
  DfmValue v;
  v.kind = DfmValueKind::Set;
  v.names = std::move(names);
  return v;
}

platform::Variant DfmValue::AsVariant() const {
  switch (kind) {
    case DfmValueKind::Integer:
      if (integer < std::numeric_limits<int32_t>::min() ||
          integer > std::numeric_limits<int32_t>::max())
        return {};
      return platform::Variant(static_cast<int32_t>(integer));
    case DfmValueKind::String:
    case DfmValueKind::Identifier:
      return platform::Variant(text);
    case DfmValueKind::Boolean:
      return platform::Variant(boolean);
    default:
      return {};
  }
}

bool DfmValue::operator==(const DfmValue& other) const {
  if (kind != other.kind) return false;
  switch (kind) {
    case DfmValueKind::Integer:
      return integer == other.integer;
    case DfmValueKind::Float:
      return number == other.number && float_type == other.float_type;
    case DfmValueKind::String:
    case DfmValueKind::Identifier:
      return text == other.text;
    case DfmValueKind::Boolean:
      return boolean == other.boolean;
    case DfmValueKind::Set:
      return names == other.names;
    case DfmValueKind::List:
      return list == other.list;
    case DfmValueKind::Collection:
      return items == other.items;
    case DfmValueKind::Binary:
      return bytes == other.bytes;
  }
  return false;
}

}  // namespace ide
