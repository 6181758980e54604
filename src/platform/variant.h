// Variant: the platform's dynamically typed value (empty, Boolean, integer, text).
#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace platform {

enum class VarType { Empty, Boolean, Integer, String };

class Variant {
 public:
  Variant() = default;
  Variant(bool value) : value_(value) {}                      // NOLINT(google-explicit-constructor)
  Variant(int32_t value) : value_(value) {}                   // NOLINT(google-explicit-constructor)
  Variant(std::string value) : value_(std::move(value)) {}    // NOLINT
  Variant(const char* value) : value_(std::string(value)) {}  // NOLINT

  VarType Type() const { return static_cast<VarType>(value_.index()); }
  bool IsEmpty() const { return Type() == VarType::Empty; }

  // Conversions as the platform does them: empty is false, 0 and the empty text;
  // a Boolean true is -1 as an integer and "True" as text; text that is not a number
  // (or a Boolean word) raises EConvertError naming the text.
  bool AsBoolean() const;
  int32_t AsInteger() const;
  std::string AsString() const;
  // The text held without a copy, or nullptr when the value is not text.
  const std::string* TextPtr() const { return std::get_if<std::string>(&value_); }

  bool operator==(const Variant& other) const = default;

 private:
  std::variant<std::monostate, bool, int32_t, std::string> value_;
};

// Converts text to an integer as the platform's StrToInt does (leading blanks allowed,
// optional sign, decimal or $hex); raises EConvertError "'x' is not a valid integer value".
int32_t StrToInt(const std::string& text);

// Like StrToInt, but returns false instead of raising.
bool TryStrToInt(const std::string& text, int32_t& value);

// The conditional of the add-in: a copy of when_true or when_false; both were computed.
Variant IIF(bool condition, const Variant& when_true, const Variant& when_false);

}  // namespace platform
