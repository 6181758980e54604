// DfmValue: the value of one property of a text form file, decoded (strings in UTF-8).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/variant.h"

namespace ide {

enum class DfmValueKind {
  Integer,     // 12, -3, $FF
  Float,       // 1.5, 2.5E10
  String,      // 'a'#13#10'b', joined with + across lines
  Identifier,  // alClient, clBtnFace, Form2.DataSource1, nil
  Boolean,     // True, False
  Set,         // [akLeft, akTop]
  List,        // ( 'a' 'b' ), (1 2 3)
  Collection,  // < item ... end >
  Binary,      // { 0A1B... }
};

// The type a float of the form file is stored as, from its suffix: none for extended,
// "s" single, "c" currency, "d" date (38353d).
enum class DfmFloatType { Extended, Single, Currency, Date };

struct DfmItem;

struct DfmValue {
  DfmValueKind kind = DfmValueKind::Identifier;
  int64_t integer = 0;  // Integer
  double number = 0;    // Float, in its type's units (a currency in currency units)
  DfmFloatType float_type = DfmFloatType::Extended;  // Float
  std::string text;                // String (UTF-8), Identifier, Float (as written)
  bool boolean = false;            // Boolean
  std::vector<std::string> names;  // Set
  std::vector<DfmValue> list;      // List
  std::vector<DfmItem> items;      // Collection
  std::string bytes;               // Binary

  // Out of line: a collection's items hold values, so the members are complete only
  // in the source file.
  DfmValue();
  ~DfmValue();
  DfmValue(const DfmValue& other);
  DfmValue(DfmValue&& other) noexcept;
  DfmValue& operator=(const DfmValue& other);
  DfmValue& operator=(DfmValue&& other) noexcept;

  static DfmValue Integer(int64_t value);
  static DfmValue Float(double value, DfmFloatType type = DfmFloatType::Extended);
  // A float as the form file writes it ("1.5", "-2.5E-5s", "123400c", "38353d"); nullopt
  // when text is not one. A currency is written in ten-thousandths of its unit.
  static std::optional<DfmValue> ParseFloat(std::string_view text);
  static DfmValue String(std::string utf8);
  static DfmValue Identifier(std::string name);
  static DfmValue Boolean(bool value);
  static DfmValue Set(std::vector<std::string> names);

  // As the platform's variant: integers (empty when outside 32 bits), strings and
  // identifiers as text, Booleans; empty for floats, sets, lists, collections and binary.
  platform::Variant AsVariant() const;

  bool operator==(const DfmValue& other) const;
};

// One item of a collection, with its optional [n] order index and its properties.
struct DfmItem {
  std::optional<int64_t> index;
  std::vector<std::pair<std::string, DfmValue>> properties;

  bool operator==(const DfmItem& other) const;
};

}  // namespace ide
