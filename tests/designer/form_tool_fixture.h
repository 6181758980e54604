// The designer tools' stage: a package directory with the tool's table, and a host over
// a copy of a fixture project in memory with one of its forms current in the designer.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/U_zori_func.h"
#include "core/package_fixture.h"
#include "ide/disk_host.h"
#include "ide/disk_module.h"
#include "ide/form_editor.h"
#include "ide/host_fixture.h"
#include "platform/component.h"

class FormToolFixture : public PackageFixture {
 protected:
  void SetUp() override {
    PackageFixture::SetUp();
    // The user's defaults for the standardiser's options ("0" is true).
    WriteConfig(
        {{"chk_Ori_Data", "0", "0"}, {"chk_focus_lbl", "0", "0"}, {"chk_Salvar_Units", "1", "0"}});
    project_ = std::make_unique<ide::testing::HostFixture>("Nomes");
  }
  void TearDown() override {
    project_.reset();
    PackageFixture::TearDown();
  }

  // Opens the project, with the named unit current; false on a load error.
  bool Open(const std::string& current = "proj/uNomes.pas") {
    if (!project_->Load({"proj/Nomes.dpr"})) return false;
    project_->MakeCurrent(current);
    return true;
  }

  // A table file of two text fields with rows (first, second).
  void WriteTable(const std::string& file, const std::string& first, const std::string& second,
                  const std::vector<std::pair<std::string, std::string>>& rows) {
    std::vector<std::vector<std::string>> values;
    for (const auto& [a, b] : rows) values.push_back({a, b});
    PackageFixture::WriteTable(file, {first + ":string:60", second + ":string:60"}, values, true);
  }

  ide::DiskHost& Host() { return *project_->host; }
  ide::MemoryFileSystem& Files() { return *project_->files; }
  ide::DiskModule& Module(const std::string& unit) { return *Host().FindModule(unit); }
  ide::FormEditor& Form(const std::string& unit) { return *Module(unit).Form(); }
  platform::TComponent* Component(const std::string& unit, const std::string& name) {
    return Form(unit).Root()->FindComponent(name);
  }
  // The fixture file as it was copied in.
  static std::string Original(const std::string& relative) {
    return ide::testing::ReadBytes(std::string(ZORI_TEST_DATA_DIR) + "/host/Nomes/" + relative);
  }
  // Saves every modified module; fails the test on an error.
  void SaveAll() {
    std::string err;
    EXPECT_TRUE(Host().SaveAll(&err)) << err;
  }

  std::unique_ptr<ide::testing::HostFixture> project_;
};
