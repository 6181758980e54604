// Feeds arbitrary text to the client dataset's filter language: it must compile or give one
// error with its column, and a compiled filter must answer for any row, nulls included.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/classes.h"
#include "platform/filter_expression.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

platform::FilterExpression::FieldRef Resolve(std::string_view name) {
  if (platform::SameTextAscii(name, "NOME")) return {0, platform::ftString};
  if (platform::SameTextAscii(name, "QTDE")) return {1, platform::ftInteger};
  if (platform::SameTextAscii(name, "ATIVO")) return {2, platform::ftBoolean};
  return {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::string err;
  auto filter = platform::FilterExpression::Compile(text, Resolve, &err);
  if (filter == nullptr) {
    Check(err.rfind("column ", 0) == 0);
    return 0;
  }
  const std::vector<std::vector<platform::Variant>> rows = {
      {platform::Variant(std::string("Ana d'Ávila")), platform::Variant(int32_t{3}),
       platform::Variant(true)},
      {platform::Variant(), platform::Variant(), platform::Variant()},
      {platform::Variant(std::string()), platform::Variant(int32_t{-7}), platform::Variant(false)},
  };
  for (const auto& row : rows) {
    filter->Matches(row, false);
    filter->Matches(row, true);
  }
  return 0;
}
