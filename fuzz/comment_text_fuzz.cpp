// Feeds arbitrary texts, marks and widths to the comment text routines: whatever the bytes
// (ill-formed UTF-8 included), they must return without crashing and keep their promises.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/U_zori_func.h"

namespace {

// Splits the fuzzer's bytes into fields at each 0xFF byte.
std::string Field(const std::string& data, size_t& from) {
  const size_t end = data.find('\xFF', from);
  std::string field = data.substr(from, end == std::string::npos ? std::string::npos : end - from);
  from = end == std::string::npos ? data.size() : end + 1;
  return field;
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  // Widths from -8 to 119, small enough that padding stays cheap.
  const int width = static_cast<int>(data[0] % 128) - 8;
  const int index = static_cast<int>(data[1] % 64) - 4;
  const std::string bytes(reinterpret_cast<const char*>(data) + 2, size - 2);
  size_t from = 0;
  const std::string text = Field(bytes, from);
  const std::string mark = Field(bytes, from);
  const std::string other = Field(bytes, from);

  FN_Prepara_String(text, mark, width, (data[1] & 1) != 0);
  const std::string separator = mark.substr(0, 3);
  if (!EndsWith(FN_Quebra_Linhas(text, separator, width), separator + "\r\n")) std::abort();
  FN_Remove_Caracteres(mark, text);

  std::string copied = text;
  FN_Copia_Texto(mark, other, copied, (data[0] & 1) != 0, (data[0] & 2) != 0);
  if (copied.size() > text.size()) std::abort();

  std::string cleaned = text;
  FN_Remove_Especiais(TComment_Frame{mark, other, separator}, cleaned, index, width, other);
  if (cleaned.size() > text.size()) std::abort();
  return 0;
}
