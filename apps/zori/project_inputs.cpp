#include "project_inputs.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>
#include <system_error>

#include "ide/dpr_parser.h"
#include "ide/file_system.h"
#include "ide/lpi_reader.h"

namespace zori::cli {
namespace {

namespace fs = std::filesystem;

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

std::string Extension(const fs::path& path) {
  return Upper(path.extension().string());
}

struct FolderContents {
  std::vector<std::string> projects;
  std::vector<std::string> units;
  bool forms = false;  // a .dfm was seen (it counts as something to check)
};

void Search(const fs::path& folder, FolderContents* found) {
  std::error_code ec;
  std::vector<std::pair<fs::path, bool>> entries;  // path, whether a folder
  // The entry's type comes with the listing; only a link takes a look of its own.
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code type_ec;
    entries.emplace_back(it->path(), it->is_directory(type_ec));
  }
  std::sort(entries.begin(), entries.end());
  for (const auto& [entry, is_folder] : entries) {
    const std::string name = entry.filename().string();
    if (is_folder) {
      if (!name.empty() && name[0] != '.') Search(entry, found);
      continue;
    }
    const std::string ext = Extension(entry);
    if (ext == ".DPR" || ext == ".LPI") found->projects.push_back(entry.string());
    // A Lazarus program is its .lpi's main unit; alone it is the project.
    if (ext == ".LPR" && !fs::exists(fs::path(entry).replace_extension(".lpi"), ec))
      found->projects.push_back(entry.string());
    if (ext == ".PAS") found->units.push_back(entry.string());
    if (ext == ".DFM" || ext == ".LFM") found->forms = true;
  }
}

bool IsProjectFile(const std::string& path) {
  const std::string ext = Extension(path);
  return ext == ".DPR" || ext == ".LPI" || ext == ".LPR";
}

// The unit files a project names: its `in` files and the units found in its folder, or
// the units of a Lazarus project file.
void ClaimUnits(const std::string& dpr, PathKeys& key, std::set<std::string>* claimed) {
  ide::RealFileSystem files;
  if (Extension(dpr) == ".LPI") {
    ide::LpiProject lpi;
    std::string err;
    if (!ide::ReadLpi(files, dpr, &lpi, &err)) return;  // the host reports it when loading
    for (const ide::LpiUnit& unit : lpi.units)
      if (unit.part_of_project && unit.exists) claimed->insert(key(unit.path));
    return;
  }
  ide::DprProject project;
  std::string err;
  if (!ide::ReadDpr(files, dpr, &project, &err)) return;  // the host reports it when loading
  const fs::path folder = fs::path(dpr).parent_path();
  for (const ide::DprUnit& unit : project.units) {
    const std::string path =
        !unit.path.empty() ? unit.path : (folder / (unit.name + ".pas")).string();
    const std::string found = ide::FindFileIgnoringCase(files, path);
    if (!found.empty()) claimed->insert(key(found));
  }
}

}  // namespace

std::string PathKeys::operator()(const std::filesystem::path& path) {
  std::error_code ec;
  const fs::file_status status = fs::symlink_status(path, ec);
  const std::string name = path.filename().string();
  if (ec || fs::is_symlink(status) || name.empty() || name == "." || name == "..") {
    const fs::path canonical = fs::weakly_canonical(path, ec);
    return Upper((ec ? path : canonical).lexically_normal().string());
  }
  const fs::path parent = path.has_parent_path() ? path.parent_path() : fs::path(".");
  auto [it, added] = folders_.try_emplace(parent.string());
  if (added) {
    const fs::path canonical = fs::weakly_canonical(parent, ec);
    it->second = (ec ? parent : canonical).lexically_normal();
  }
  return Upper((it->second / name).lexically_normal().string());
}

std::vector<InputGroup> GroupInputs(const std::vector<std::string>& paths,
                                    std::vector<std::string>* errors) {
  std::vector<InputGroup> groups;
  InputGroup named_units;
  std::vector<std::string> walked_units;
  std::set<std::string> claimed;
  PathKeys key;
  for (const std::string& path : paths) {
    std::error_code ec;
    if (!fs::is_directory(path, ec)) {
      if (IsProjectFile(path) && fs::exists(path, ec)) {
        groups.push_back({path, {path}});
        ClaimUnits(path, key, &claimed);
      } else {
        named_units.paths.push_back(path);  // a unit, a form, or what the host will refuse
      }
      continue;
    }
    FolderContents found;
    Search(path, &found);
    if (found.projects.empty() && found.units.empty()) {
      errors->push_back(path + ": nothing to open (no .dpr, .lpi, .lpr, .pas, .dfm or .lfm file" +
                        (found.forms ? " with its unit)" : ")"));
      continue;
    }
    for (const std::string& dpr : found.projects) {
      groups.push_back({dpr, {dpr}});
      ClaimUnits(dpr, key, &claimed);
    }
    walked_units.insert(walked_units.end(), found.units.begin(), found.units.end());
  }
  for (const std::string& unit : walked_units) {
    if (!claimed.contains(key(unit))) named_units.paths.push_back(unit);
  }
  if (!named_units.paths.empty()) groups.push_back(std::move(named_units));
  return groups;
}

bool GroupInputsToChange(const std::vector<std::string>& paths, const std::string& command,
                         std::ostream& err, std::vector<InputGroup>* groups) {
  std::vector<std::string> errors;
  // The host would name a missing path only when its group's turn came, after earlier
  // projects were written.
  for (const std::string& path : paths) {
    std::error_code ec;
    if (!fs::exists(path, ec)) errors.push_back(path + ": no such file or folder");
  }
  *groups = GroupInputs(paths, &errors);
  for (const std::string& error : errors) err << "zori " << command << ": " << error << "\n";
  return errors.empty();
}

}  // namespace zori::cli
