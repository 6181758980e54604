#include "host_session.h"

#include <CLI/CLI.hpp>

#include "addin_session.h"
#include "ide/file_system.h"

namespace zori::cli {

HostSession OpenProject(const std::vector<std::string>& paths,
                        const std::vector<std::string>& class_tables,
                        const std::vector<std::string>& search_paths, bool one_at_a_time) {
  HostSession session;
  auto files = std::make_shared<ide::RealFileSystem>();
  session.host = std::make_unique<ide::DiskHost>(files);
  // A Lazarus project's forms hold the LCL's classes, a Delphi project's the VCL's.
  const bool lazarus = ide::DiskHost::IsLazarusProject(*files, paths);
  std::vector<std::string> tables{std::string(ZORI_DATA_DIR) +
                                  (lazarus ? "/classes-lcl.xml" : "/classes.xml")};
  tables.insert(tables.end(), class_tables.begin(), class_tables.end());
  for (const std::string& table : tables) {
    std::string err;
    if (!session.host->LoadClassTable(table, &err)) session.errors.push_back(err);
  }
  for (const std::string& folder : search_paths) session.host->AddSearchPath(folder);
  if (one_at_a_time) session.host->ListUnitsOnly();
  session.host->LoadProject(paths, &session.errors);
  session.notes = session.host->Notes();
  return session;
}

UnloadBeforeHost::~UnloadBeforeHost() {
  session_.Unload();
  project_.host.reset();
}

void AddSearchPathOption(CLI::App& command, std::vector<std::string>& folders) {
  command
      .add_option("--search-path", folders,
                  "a folder holding units of ancestor forms and frames the project inherits "
                  "from (looked for among the project's units, then in the unit's folder, "
                  "then here); repeatable")
      ->option_text("DIR")
      ->allow_extra_args(false);  // one folder per use, so paths after it stay paths
}

void AddClassesOption(CLI::App& command, std::vector<std::string>& tables) {
  command
      .add_option("--classes", tables,
                  "an extra class table for your own component classes (XML, the shape of "
                  "data/classes.xml); repeatable. A zori.classes.xml beside the project is read "
                  "too")
      ->option_text("FILE")
      ->allow_extra_args(false);  // one table per use, so paths after it stay paths
}

}  // namespace zori::cli
