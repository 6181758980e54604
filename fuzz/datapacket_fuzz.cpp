// Feeds arbitrary bytes to the data-packet reader and the filter compiler. A packet must
// load or fail with one error; a loaded packet must write out and read back to the same
// rows. A filter text must compile or fail with a position, never crash.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/data_packet.h"
#include "platform/exceptions.h"
#include "platform/filter_expression.h"

using namespace platform;

namespace {

void CheckFilter(const std::string& text) {
  std::string err;
  auto expr = FilterExpression::Compile(
      text,
      [](std::string_view name) {
        FilterExpression::FieldRef ref;
        if (name == "A") ref = {0, ftInteger};
        if (name == "B") ref = {1, ftString};
        if (name == "C") ref = {2, ftBoolean};
        return ref;
      },
      &err);
  if (expr == nullptr) {
    if (err.rfind("column ", 0) != 0) std::abort();
    return;
  }
  expr->Matches({Variant(1), Variant("x%_'"), Variant(true)}, false);
  expr->Matches({Variant(), Variant(), Variant()}, true);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  CheckFilter(bytes.substr(0, 256));
  DataPacket packet;
  try {
    packet = ParseDataPacket(bytes, "fuzz.xml");
  } catch (const EDatabaseError&) {
    return 0;
  }
  std::vector<const TFieldDef*> defs;
  std::vector<int> index;
  for (size_t i = 0; i < packet.fields.size(); ++i) {
    defs.push_back(&packet.fields[i]);
    index.push_back(static_cast<int>(i));
  }
  std::vector<const std::vector<Variant>*> rows;
  for (const auto& row : packet.rows) rows.push_back(&row);
  const std::string written = FormatDataPacket(defs, index, packet.params, rows);
  DataPacket again;
  try {
    again = ParseDataPacket(written, "written.xml");
  } catch (const EDatabaseError&) {
    std::abort();  // what we write must read back
  }
  if (again.rows != packet.rows) std::abort();
  return 0;
}
