// The package directory of a command-line run: the folder of the add-in's table files.
#pragma once

#include <string>

namespace zori::cli {

// The per-user package folder: $XDG_DATA_HOME/zori/package, else
// $HOME/.local/share/zori/package; empty when neither variable is set.
std::string DefaultUserPackageDir();

// The package directory for this run: given when not empty, else DefaultUserPackageDir().
// A folder that does not exist yet, or is empty, is created and filled with a copy of
// installed_data (first use); a folder that holds anything is used as it stands, so the
// user's files are never overwritten. Returns the absolute path, or empty with err filled.
std::string PreparePackageDir(const std::string& given, const std::string& installed_data,
                              std::string* err);

}  // namespace zori::cli
