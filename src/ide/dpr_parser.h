// DprParser: reads a Delphi project file (.dpr, or a package's .dpk) for what the host
// needs: the project's name and the units it is made of, with their forms.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace ide {

class FileSystem;

struct DprUnit {
  std::string name;        // as written in the uses clause
  std::string in_path;     // the text of `in '...'`, empty when there is none
  std::string path;        // in_path from the project's folder, '/'-separated; else empty
  std::string form_name;   // from the {Form1} or {Form1: TClass} comment, else empty
  std::string form_class;  // the class in {Form1: TClass}, else empty
  bool exists = false;     // whether path names a file (found ignoring letter case)
  size_t line = 0;         // 1-based line of the unit's name
};

struct DprProject {
  std::string kind;  // "program", "library" or "package", as written
  std::string name;
  std::vector<DprUnit> units;

  // The units whose `in` file is not there.
  std::vector<const DprUnit*> MissingUnits() const;
};

// Reads the project file at path through fs. False with *err ("file:line:column: expected
// X, found Y", or the file system's error) when it cannot be read or is malformed.
bool ReadDpr(FileSystem& fs, const std::string& path, DprProject* project, std::string* err);

// The path of an existing file that matches path ignoring letter case in each part (a
// project written on Windows names its files freely); empty when there is none.
std::string FindFileIgnoringCase(FileSystem& fs, const std::string& path);

}  // namespace ide
