// LpiReader: reads a Lazarus project file (.lpi, XML) for what the host needs: the
// project's title, its main program and the units it is made of, with their forms.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace ide {

class FileSystem;

struct LpiUnit {
  std::string file_name;            // the Filename value, as written
  std::string path;                 // file_name from the project's folder, '/'-separated
  std::string component_name;       // the unit's form, data module or frame; else empty
  std::string resource_base_class;  // Form, DataModule, Frame, ...; else empty
  bool part_of_project = false;     // IsPartOfProject; other units are only open in the IDE
  bool exists = false;              // whether path names a file (found ignoring letter case)
  size_t line = 0;                  // 1-based line of the unit's Filename element
};

struct LpiProject {
  std::string title;
  std::vector<LpiUnit> units;  // in the file's order; the main program comes first

  // The program (.lpr, .dpr) among the project's units, or nullptr.
  const LpiUnit* MainUnit() const;
  // The units of the project whose file is not there.
  std::vector<const LpiUnit*> MissingUnits() const;
};

// Reads the project file at path through fs. Both unit lists the IDE has written are read:
// <Units><Unit> and the older <Units Count="n"><Unit0>... False with *err ("file:line:column:
// expected X, found Y", or the file system's error) when it cannot be read or is malformed.
bool ReadLpi(FileSystem& fs, const std::string& path, LpiProject* project, std::string* err);

}  // namespace ide
