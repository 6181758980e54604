// The client dataset's filter language, compiled once and evaluated per row:
//   condition := or-term; or-term := and-term {OR and-term}; and-term := not {AND not}
//   not := NOT not | '(' condition ')' | operand [cmp operand | [NOT] LIKE operand
//          | IS [NOT] NULL]
//   cmp := = | <> | < | > | <= | >=;  operand := field | [field name] | 'text' | integer
//          | TRUE | FALSE
// Keywords ignore letter case; a quote inside text is doubled; LIKE takes % (any run) and
// _ (one character). A comparison with a null value is false.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/field.h"
#include "platform/variant.h"

namespace platform {

class FilterExpression {
 public:
  struct FieldRef {
    int index = -1;  // -1: no such field
    TFieldType type = ftUnknown;
  };
  using FieldResolver = std::function<FieldRef(std::string_view name)>;

  ~FilterExpression();

  // Compiles text. Returns nullptr and fills err ("column N: expected X, found Y", columns
  // counted in characters from 1) when the text is not a valid expression or names an
  // unknown field. Blank text compiles to an expression that accepts every row.
  static std::unique_ptr<FilterExpression> Compile(std::string_view text,
                                                   const FieldResolver& resolve, std::string* err);

  // True when the row (one value per field, empty for null) passes.
  bool Matches(const std::vector<Variant>& values, bool case_insensitive) const;

  struct Node;

 private:
  explicit FilterExpression(std::unique_ptr<Node> root);
  std::unique_ptr<Node> root_;  // nullptr: accepts every row
};

}  // namespace platform
