// A host over a copy of a fixture project held in memory, so tests see every write.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "ide/disk_host.h"
#include "ide/disk_module.h"
#include "ide/memory_file_system.h"
#include "platform/application.h"
#include "platform/forms.h"

namespace ide::testing {

inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

struct HostFixture {
  std::shared_ptr<MemoryFileSystem> files = std::make_shared<MemoryFileSystem>();
  std::unique_ptr<DiskHost> host;
  std::vector<std::string> errors;

  // Copies tests/data/host/<project> to "proj/" and starts a host with the class table.
  explicit HostFixture(const std::string& project = "Cadastro") {
    const std::filesystem::path root = std::filesystem::path(ZORI_TEST_DATA_DIR) / "host" / project;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
      if (!entry.is_regular_file()) continue;
      const std::string relative = std::filesystem::relative(entry.path(), root).generic_string();
      files->Create("proj/" + relative, ReadBytes(entry.path()));
    }
    files->Create("data/classes.xml",
                  ReadBytes(std::filesystem::path(ZORI_SOURCE_DIR) / "data" / "classes.xml"));
    host = std::make_unique<DiskHost>(files);
    std::string err;
    if (!host->LoadClassTable("data/classes.xml", &err)) errors.push_back(err);
  }

  bool Load(const std::vector<std::string>& paths) { return host->LoadProject(paths, &errors); }
  // Makes the module of that file current, as opening it in the editor does.
  DiskModule& MakeCurrent(const std::string& file) {
    for (int i = 0; i < host->ModuleCount(); ++i) {
      if (host->Module(i)->GetFileName() != file) continue;
      host->SetCurrentModule(i);
      return *host->Module(i);
    }
    ADD_FAILURE() << file << " is not open";
    return *host->Module(0);
  }
};

// The form of that name on the screen, or null.
inline platform::TCustomForm* ScreenForm(const std::string& name) {
  for (int i = 0; i < platform::Screen().FormCount(); ++i) {
    if (platform::Screen().Forms(i)->Name() == name) return platform::Screen().Forms(i);
  }
  return nullptr;
}

// Replaces the one occurrence of from in text; fails the test when it is not there once.
inline std::string ReplaceOnce(std::string text, const std::string& from, const std::string& to) {
  const size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  EXPECT_EQ(text.find(from, at + 1), std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

// Replaces the first occurrence of from in text; fails the test when it is not there.
inline std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << "missing: " << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

}  // namespace ide::testing
