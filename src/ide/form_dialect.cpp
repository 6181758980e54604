#include "ide/form_dialect.h"

#include "platform/classes.h"

namespace ide {

FormDialect DialectOfFormFile(std::string_view path) {
  return path.size() >= 4 && platform::SameTextAscii(path.substr(path.size() - 4), ".lfm")
             ? FormDialect::Lazarus
             : FormDialect::Delphi;
}

bool QuotedTextIsAlwaysUtf8(FormDialect dialect) {
  return dialect == FormDialect::Lazarus;
}

bool WritesTextAsUtf8(FormDialect dialect) {
  return dialect == FormDialect::Lazarus;
}

const std::array<std::string_view, 4>& PositionOrder(FormDialect dialect) {
  static constexpr std::array<std::string_view, 4> kDelphi = {"Left", "Top", "Width", "Height"};
  static constexpr std::array<std::string_view, 4> kLazarus = {"Left", "Height", "Top", "Width"};
  return dialect == FormDialect::Lazarus ? kLazarus : kDelphi;
}

}  // namespace ide
