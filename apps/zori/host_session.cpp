#include "host_session.h"

#include "ide/file_system.h"

namespace zori::cli {

HostSession OpenProject(const std::vector<std::string>& paths,
                        const std::vector<std::string>& class_tables) {
  HostSession session;
  session.host = std::make_unique<ide::DiskHost>(std::make_shared<ide::RealFileSystem>());
  std::vector<std::string> tables{std::string(ZORI_DATA_DIR) + "/classes.xml"};
  tables.insert(tables.end(), class_tables.begin(), class_tables.end());
  for (const std::string& table : tables) {
    std::string err;
    if (!session.host->LoadClassTable(table, &err)) session.errors.push_back(err);
  }
  session.host->LoadProject(paths, &session.errors);
  return session;
}

}  // namespace zori::cli
