// The class table: component classes a form file may name, with ancestry and published
// properties, read from an XML file (data/classes.xml and the user's own additions).
#pragma once

#include <string>
#include <string_view>

namespace platform {
class ClassRegistry;
}

namespace ide {

// Adds the classes of a class-table document to registry, in document order (a parent
// must come first or be known already). file_name only labels errors. Returns false and
// fills err with "file:line:column: what was expected, what was found" on the first
// fault; classes added before the fault stay.
bool LoadClassTable(std::string_view text, const std::string& file_name,
                    platform::ClassRegistry& registry, std::string* err);

}  // namespace ide
