// Feeds arbitrary bytes to the project file (.dpr, .lpi), desktop file and form class
// readers: each must
// answer with a result or one error; a desktop file writes back to the same bytes, and a
// field rename changes nothing but the name.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ide/dpr_parser.h"
#include "ide/dsk_file.h"
#include "ide/lpi_reader.h"
#include "ide/memory_file_system.h"
#include "ide/pas_form_class.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  std::string err;

  if (auto desktop = ide::DskFile::Parse("f.dsk", bytes, &err)) {
    std::string written;
    Check(desktop->Write(&written, &err) && written == bytes);
    for (ide::DskWindow window : desktop->Windows()) {
      window.left += 1;
      desktop->SetWindow(window);
      Check(desktop->Integer(window.section, "Left", 0) == window.left);
    }
  } else {
    Check(err.rfind("f.dsk:", 0) == 0);
  }

  ide::MemoryFileSystem fs;
  fs.Create("p/f.dpr", bytes);
  ide::DprProject project;
  if (!ide::ReadDpr(fs, "p/f.dpr", &project, &err)) Check(err.rfind("p/f.dpr:", 0) == 0);

  fs.Create("p/f.lpi", bytes);
  ide::LpiProject lazarus;
  if (ide::ReadLpi(fs, "p/f.lpi", &lazarus, &err)) {
    for (const ide::LpiUnit& unit : lazarus.units) Check(unit.line >= 1);
  } else {
    Check(err.rfind("p/f.lpi:", 0) == 0);
  }

  std::vector<ide::PasFormClass> classes;
  if (ide::FindFormClasses("f.pas", bytes, &classes, &err)) {
    for (const ide::PasFormClass& form : classes) {
      if (form.fields.empty()) continue;
      std::string text = bytes;
      const ide::PasField& field = form.fields.front();
      if (ide::RenameFormField("f.pas", &text, form.name, field.name, "zz_Renamed", &err)) {
        Check(text.size() == bytes.size() - field.name.size() + 10);
        Check(text.compare(0, field.offset, bytes, 0, field.offset) == 0);
      }
    }
  } else {
    Check(err.rfind("f.pas:", 0) == 0);
  }
  return 0;
}
