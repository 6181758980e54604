#include "ide/lpi_reader.h"

#include <pugixml.hpp>

#include <algorithm>
#include <filesystem>
#include <string_view>

#include "ide/dpr_parser.h"
#include "ide/file_system.h"
#include "ide/text_encoding.h"
#include "platform/classes.h"

namespace ide {

namespace {

// "file:line:column: " of a byte offset (pugixml gives -1 when it has none); the text is
// UTF-8, so columns count characters.
std::string Where(std::string_view text, const std::string& file_name, ptrdiff_t offset) {
  return SourceLocation(file_name, text, static_cast<size_t>(std::max<ptrdiff_t>(offset, 0)),
                        TextEncoding::Utf8) +
         ": ";
}

// <Name Value="..."/>: the IDE stores every setting in a Value attribute.
std::string ValueOf(const pugi::xml_node node, const char* name) {
  return node.child(name).attribute("Value").value();
}

// The IDE writes paths with the separator of the system it ran on.
std::string JoinPath(const std::string& project_path, std::string relative) {
  std::replace(relative.begin(), relative.end(), '\\', '/');
  const std::filesystem::path joined =
      std::filesystem::path(relative).is_absolute()
          ? std::filesystem::path(relative)
          : std::filesystem::path(project_path).parent_path() / relative;
  return joined.lexically_normal().generic_string();
}

bool IsUnitElement(std::string_view name) {
  if (name.substr(0, 4) != "Unit") return false;
  return std::all_of(name.begin() + 4, name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

const LpiUnit* LpiProject::MainUnit() const {
  for (const LpiUnit& unit : units) {
    const std::string ext = std::filesystem::path(unit.file_name).extension().string();
    if (unit.part_of_project &&
        (platform::SameTextAscii(ext, ".lpr") || platform::SameTextAscii(ext, ".dpr"))) {
      return &unit;
    }
  }
  return nullptr;
}

std::vector<const LpiUnit*> LpiProject::MissingUnits() const {
  std::vector<const LpiUnit*> missing;
  for (const LpiUnit& unit : units)
    if (unit.part_of_project && !unit.exists) missing.push_back(&unit);
  return missing;
}

bool ReadLpi(FileSystem& fs, const std::string& path, LpiProject* project, std::string* err) {
  std::string text;
  if (!fs.ReadFile(path, &text, err)) return false;
  pugi::xml_document doc;
  const pugi::xml_parse_result parsed = doc.load_buffer(text.data(), text.size());
  if (!parsed) {
    *err = Where(text, path, parsed.offset) + "expected a well-formed XML document, found " +
           parsed.description();
    return false;
  }
  const pugi::xml_node root = doc.document_element();
  if (std::string_view(root.name()) != "CONFIG") {
    *err = Where(text, path, root.offset_debug()) + "expected a <CONFIG> element, found <" +
           root.name() + ">";
    return false;
  }
  const pugi::xml_node options = root.child("ProjectOptions");
  if (!options) {
    *err = Where(text, path, root.offset_debug()) +
           "expected a Lazarus project (<ProjectOptions>), found none";
    return false;
  }
  *project = LpiProject();
  project->title = ValueOf(options.child("General"), "Title");
  for (const pugi::xml_node node : options.child("Units").children()) {
    if (!IsUnitElement(node.name())) continue;
    LpiUnit unit;
    unit.file_name = ValueOf(node, "Filename");
    if (unit.file_name.empty()) {
      *err = Where(text, path, node.offset_debug()) + "expected the unit's Filename, found none";
      return false;
    }
    const ptrdiff_t at = std::clamp<ptrdiff_t>(node.child("Filename").offset_debug(), 0,
                                               static_cast<ptrdiff_t>(text.size()));
    unit.line = 1 + static_cast<size_t>(std::count(text.begin(), text.begin() + at, '\n'));
    unit.component_name = ValueOf(node, "ComponentName");
    unit.resource_base_class = ValueOf(node, "ResourceBaseClass");
    unit.part_of_project = platform::SameTextAscii(ValueOf(node, "IsPartOfProject"), "True");
    unit.path = JoinPath(path, unit.file_name);
    const std::string found = FindFileIgnoringCase(fs, unit.path);
    unit.exists = !found.empty();
    if (unit.exists) unit.path = found;
    project->units.push_back(std::move(unit));
  }
  return true;
}

}  // namespace ide
