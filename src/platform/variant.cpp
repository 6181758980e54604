#include "platform/variant.h"

#include <cctype>
#include <limits>

#include "platform/exceptions.h"

namespace platform {

namespace {

bool EqualsIgnoringCase(const std::string& a, const char* b) {
  size_t i = 0;
  for (; i < a.size() && b[i] != '\0'; ++i) {
    if (std::toupper(static_cast<unsigned char>(a[i])) !=
        std::toupper(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return i == a.size() && b[i] == '\0';
}

}  // namespace

bool TryStrToInt(const std::string& text, int32_t& value) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i >= text.size()) return false;
  int64_t result = 0;
  for (; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    int digit = 0;
    if (std::isdigit(c) != 0) {
      digit = c - '0';
    } else if (base == 16 && std::isxdigit(c) != 0) {
      digit = std::toupper(c) - 'A' + 10;
    } else {
      return false;
    }
    result = result * base + digit;
    if (result > int64_t{std::numeric_limits<int32_t>::max()} + 1) return false;
  }
  if (negative) result = -result;
  if (result > std::numeric_limits<int32_t>::max() ||
      result < std::numeric_limits<int32_t>::min()) {
    return false;
  }
  value = static_cast<int32_t>(result);
  return true;
}

int32_t StrToInt(const std::string& text) {
  int32_t value = 0;
  if (!TryStrToInt(text, value)) {
    throw EConvertError("'" + text + "' is not a valid integer value");
  }
  return value;
}

bool Variant::AsBoolean() const {
  switch (Type()) {
    case VarType::Empty:
      return false;
    case VarType::Boolean:
      return std::get<bool>(value_);
    case VarType::Integer:
      return std::get<int32_t>(value_) != 0;
    case VarType::String: {
      const auto& text = std::get<std::string>(value_);
      if (EqualsIgnoringCase(text, "true")) return true;
      if (EqualsIgnoringCase(text, "false")) return false;
      int32_t number = 0;
      if (TryStrToInt(text, number)) return number != 0;
      throw EConvertError("'" + text + "' is not a valid boolean value");
    }
  }
  return false;
}

int32_t Variant::AsInteger() const {
  switch (Type()) {
    case VarType::Empty:
      return 0;
    case VarType::Boolean:
      return std::get<bool>(value_) ? -1 : 0;
    case VarType::Integer:
      return std::get<int32_t>(value_);
    case VarType::String:
      return StrToInt(std::get<std::string>(value_));
  }
  return 0;
}

std::string Variant::AsString() const {
  switch (Type()) {
    case VarType::Empty:
      return {};
    case VarType::Boolean:
      return std::get<bool>(value_) ? "True" : "False";
    case VarType::Integer:
      return std::to_string(std::get<int32_t>(value_));
    case VarType::String:
      return std::get<std::string>(value_);
  }
  return {};
}

Variant IIF(bool condition, const Variant& when_true, const Variant& when_false) {
  return condition ? when_true : when_false;
}

}  // namespace platform
