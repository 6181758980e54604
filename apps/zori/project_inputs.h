// What the paths of a project-wide command (check, taborder, ...) ask to be opened, one
// project at a time: a folder is searched through, each project file found is a project
// of its own, and the units no project names are taken on their own.
#pragma once

#include <filesystem>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace zori::cli {

// What the PATH arguments of a project-wide command may be, for its --help.
inline constexpr const char* kProjectPathsHelp =
    "a Delphi (.dpr) or Lazarus (.lpi, .lpr) project, .pas/.dfm/.lfm files, or a folder "
    "searched through: each project file in it is a project, and units no project names are "
    "taken on their own";

struct InputGroup {
  std::string project;             // the .dpr/.lpi/.lpr, or empty for units taken on their own
  std::vector<std::string> paths;  // what to hand the host in one load
};

// A path as one spelling (its real path, upper-cased), so a unit named by two projects, or
// by a project and a folder walk, is recognised. Each folder is resolved once: a project of
// thousands of units in a few folders costs one look at each unit, not a walk of its path.
class PathKeys {
 public:
  std::string operator()(const std::filesystem::path& path);

 private:
  std::map<std::string, std::filesystem::path> folders_;
};

// Groups the paths: each project file (.dpr, .lpi, .lpr) is a group; .pas, .dfm and .lfm
// files given by name make one group; a folder is searched recursively (hidden folders
// skipped), each .dpr or .lpi found is a group (a .lpr only when no .lpi of its name is
// beside it) and the .pas files that none of the projects found names make one more group.
// A path that does not exist is handed on as it is, so the host names it. A folder that
// holds nothing of these adds "PATH: nothing to open (no .dpr, .lpi, .lpr, .pas, .dfm or
// .lfm file)" to *errors.
std::vector<InputGroup> GroupInputs(const std::vector<std::string>& paths,
                                    std::vector<std::string>* errors);

// The groups of a command that writes files. A path that names nothing or a folder with
// nothing to open is reported on err as "zori COMMAND: PATH: ..." and stops the command
// before it changes any project (false).
bool GroupInputsToChange(const std::vector<std::string>& paths, const std::string& command,
                         std::ostream& err, std::vector<InputGroup>* groups);

}  // namespace zori::cli
