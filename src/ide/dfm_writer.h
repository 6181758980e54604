// DfmWriter: writes a form tree back to text, keeping the file's bytes wherever nothing
// changed and writing changed values the way the platform writes forms.
#pragma once

#include <string>
#include <string_view>

#include "ide/dfm_document.h"

namespace ide {

// A value as the platform writes it after "Name = "; indent is the property's own
// indentation, continuation lines go two spaces deeper.
std::string FormatDfmValue(const DfmValue& value, std::string_view indent,
                           std::string_view line_break, FormDialect dialect = FormDialect::Delphi);

// A string as the platform writes it: printable ASCII in quotes, every other character
// as #code (its code point; past U+FFFF the two UTF-16 surrogates), and strings over 64
// characters begun on a new line and split every 64 characters with " +". The Lazarus
// dialect writes text as UTF-8 on one line (see WritesTextAsUtf8).
std::string FormatDfmString(std::string_view utf8, std::string_view indent,
                            std::string_view line_break, FormDialect dialect = FormDialect::Delphi);

// An object added since loading, written whole as the platform writes it: the header
// at indent, its properties and children two spaces deeper, and "end", each line ended.
std::string FormatDfmObject(const DfmObject& object, std::string_view indent,
                            std::string_view line_break, FormDialect dialect = FormDialect::Delphi);

class DfmWriter {
 public:
  static std::string Write(const DfmSource& source, const DfmObject& root);

 private:
  static size_t NewPropertyPlace(const DfmObject& object, std::string_view name,
                                 FormDialect dialect);
};

}  // namespace ide
