// Feeds arbitrary text to the declaration parser: it must end with a result or one of its
// error messages, never read past the text, crash or hang.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editor/U_funcoes_ideditor.h"
#include "platform/exceptions.h"

namespace {

// Characters (code points) of the text up to its first zero byte.
int CharsUpToZero(const std::string& text) {
  int n = 0;
  for (char c : text) {
    if (c == '\0') break;
    n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }
  return n;
}

void CheckSlots(const TZORIEditorParser& parser, const TStringSlotList& list) {
  for (int i = 0; i < list.Count(); ++i) {
    if (list.Objects(i) < -1 || list.Objects(i) >= parser.Types.Count()) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // An exact-size copy, so AddressSanitizer sees any read past the terminating zero.
  const std::string text(reinterpret_cast<const char*>(data), size);
  TZORIEditorParser parser;
  parser.Source = text.c_str();
  try {
    parser.Parse();
  } catch (const platform::Exception& e) {
    const std::string message = e.what();
    if (message != "no closing comment" && message != "unanticipated data encountered" &&
        message != "unexpected end of text") {
      std::abort();
    }
  }
  if (parser.Pos < 0 || parser.Pos > CharsUpToZero(text)) std::abort();
  CheckSlots(parser, parser.Params);
  CheckSlots(parser, parser.VarParams);
  CheckSlots(parser, parser.FuncResult);
  if (parser.FuncResult.Count() > 1) std::abort();
  return 0;
}
