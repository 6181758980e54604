#include "ide/class_table.h"

#include <pugixml.hpp>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "ide/text_encoding.h"
#include "platform/classes.h"

namespace ide {

namespace {

struct KindName {
  std::string_view name;
  platform::PropKind kind;
};

constexpr std::array<KindName, 9> kKinds = {{
    {"integer", platform::PropKind::Integer},
    {"text", platform::PropKind::Text},
    {"boolean", platform::PropKind::Boolean},
    {"enum", platform::PropKind::Enumeration},
    {"set", platform::PropKind::Set},
    {"float", platform::PropKind::Float},
    {"ref", platform::PropKind::ComponentRef},
    {"strings", platform::PropKind::Strings},
    {"other", platform::PropKind::Other},
}};

// "file:line:column: " of a byte offset (pugixml gives -1 when it has none); the text is
// UTF-8, so columns count characters.
std::string Where(std::string_view text, const std::string& file_name, ptrdiff_t offset) {
  return SourceLocation(file_name, text, static_cast<size_t>(std::max<ptrdiff_t>(offset, 0)),
                        TextEncoding::Utf8) +
         ": ";
}

bool Fail(std::string* err, std::string message) {
  if (err != nullptr) *err = std::move(message);
  return false;
}

// The default of a property from its text, as a value of the property's kind.
bool ParseDefault(platform::PropKind kind, std::string_view text, platform::Variant& value,
                  std::string* what) {
  switch (kind) {
    case platform::PropKind::Integer: {
      int32_t number = 0;
      if (!platform::TryStrToInt(std::string(text), number)) {
        *what = "expected an integer default, found '" + std::string(text) + "'";
        return false;
      }
      value = number;
      return true;
    }
    case platform::PropKind::Boolean:
      if (platform::SameTextAscii(text, "true") || platform::SameTextAscii(text, "false")) {
        value = platform::SameTextAscii(text, "true");
        return true;
      }
      *what = "expected true or false, found '" + std::string(text) + "'";
      return false;
    case platform::PropKind::Strings:
    case platform::PropKind::Other:
      *what = "expected no default for a property of this kind, found '" + std::string(text) + "'";
      return false;
    default:
      value = std::string(text);
      return true;
  }
}

}  // namespace

bool LoadClassTable(std::string_view text, const std::string& file_name,
                    platform::ClassRegistry& registry, std::string* err) {
  pugi::xml_document doc;
  const pugi::xml_parse_result parsed = doc.load_buffer(text.data(), text.size());
  if (!parsed) {
    return Fail(err, Where(text, file_name, parsed.offset) +
                         "expected a well-formed XML document, found " + parsed.description());
  }
  const pugi::xml_node root = doc.document_element();
  if (std::string_view(root.name()) != "classes") {
    return Fail(err, Where(text, file_name, root.offset_debug()) +
                         "expected a <classes> element, found <" + root.name() + ">");
  }
  // Positions are worked out only for a message: counting lines for every node of a large
  // table would cost more than reading it.
  auto where = [&](const pugi::xml_node& node) {
    return Where(text, file_name, node.offset_debug());
  };
  for (const pugi::xml_node cls : root.children("class")) {
    const std::string name = cls.attribute("name").value();
    const std::string parent = cls.attribute("parent").value();
    if (name.empty()) return Fail(err, where(cls) + "expected a class name, found none");
    std::vector<platform::PropInfo> properties;
    for (const pugi::xml_node prop : cls.children("property")) {
      platform::PropInfo info;
      info.name = prop.attribute("name").value();
      if (info.name.empty()) return Fail(err, where(prop) + "expected a property name, found none");
      // An ancestor's property the class does not publish needs no kind.
      if (std::string_view(prop.attribute("published").value()) == "false") {
        info.published = false;
        properties.push_back(std::move(info));
        continue;
      }
      const std::string_view kind = prop.attribute("kind").value();
      auto found = std::find_if(kKinds.begin(), kKinds.end(),
                                [&](const KindName& k) { return k.name == kind; });
      if (found == kKinds.end()) {
        return Fail(err, where(prop) +
                             "expected a property kind (integer, text, boolean, enum, set, "
                             "float, ref, strings, other), found '" +
                             std::string(kind) + "'");
      }
      info.kind = found->kind;
      if (const pugi::xml_attribute def = prop.attribute("default")) {
        std::string what;
        if (!ParseDefault(info.kind, def.value(), info.default_value, &what)) {
          return Fail(err, where(prop) + what);
        }
        info.has_default = true;
      }
      properties.push_back(std::move(info));
    }
    std::string add_err;
    if (registry.Add(name, parent.empty() ? "TComponent" : parent, std::move(properties),
                     &add_err) == nullptr) {
      return Fail(err, where(cls) + "expected a new class with a known parent, found " + add_err);
    }
  }
  return true;
}

}  // namespace ide
