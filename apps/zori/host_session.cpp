#include "host_session.h"

#include "ide/file_system.h"

namespace zori::cli {

HostSession OpenProject(const std::vector<std::string>& paths,
                        const std::vector<std::string>& class_tables) {
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
  session.host->LoadProject(paths, &session.errors);
  session.notes = session.host->Notes();
  return session;
}

}  // namespace zori::cli
