// PasFormClass: the form class declaration of a unit (`TForm1 = class(TForm)`) and its
// component fields, found in the unit's text, and the rename of such a field that the
// designer makes when a component is renamed.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ide {

struct PasField {
  std::string name;
  std::string type;   // as written, blanks trimmed
  size_t offset = 0;  // byte offset of the name in the text
  size_t line = 0;    // 1-based
};

struct PasFormClass {
  std::string name;      // TForm1
  std::string ancestor;  // TForm (the first name in the parentheses)
  size_t line = 0;
  // The fields of the declaration's first section, where the designer keeps components.
  std::vector<PasField> fields;

  // The field of that name (letter case ignored), or nullptr.
  const PasField* FindField(std::string_view name) const;
};

// The classes with an ancestor declared in the unit's interface part, in order. False
// with *err ("file:line:column: expected X, found Y") on an unterminated comment or
// string; path names the file in messages.
bool FindFormClasses(const std::string& path, std::string_view text,
                     std::vector<PasFormClass>* classes, std::string* err);

// Renames a field in the declaration of class_name only; method bodies and every other
// byte stay as they are. False with *err when the class or field is missing, the new name
// is not an identifier, or another field of the class already has it.
bool RenameFormField(const std::string& path, std::string* text, std::string_view class_name,
                     std::string_view old_name, std::string_view new_name, std::string* err);

}  // namespace ide
