// A package directory in a scoped temporary folder, with helpers to write table files the
// way the platform writes them, and a fresh application with a scripted modal driver.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/U_zori_func.h"
#include "platform/application.h"
#include "platform/modal_driver.h"

class PackageFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("zori_pkg_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    platform::ResetApplication();
    auto driver = std::make_unique<platform::ScriptedModalDriver>(platform::mrOk);
    driver_ = driver.get();
    platform::Application().SetModalDriver(std::move(driver));
    vg_Desc_Zori = "ROVUVUVoravud";
    v_Diretorio_Package = dir_.string();
  }

  void TearDown() override {
    PR_Finaliza_U_zori_func();
    platform::ResetApplication();
    std::filesystem::remove_all(dir_);
  }

  std::string Path(const std::string& file) const { return (dir_ / file).string(); }

  void WriteFile(const std::string& file, const std::string& text) const {
    std::ofstream(dir_ / file, std::ios::binary) << text;
  }

  std::string ReadFile(const std::string& file) const {
    std::ifstream in(dir_ / file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  // A configuration store with rows (key, value, type code).
  void WriteConfig(std::initializer_list<std::tuple<std::string, std::string, std::string>> rows) {
    std::string xml =
        "<?xml version=\"1.0\" standalone=\"yes\"?><DATAPACKET Version=\"2.0\"><METADATA>"
        "<FIELDS><FIELD attrname=\"TX_CONFIG\" fieldtype=\"string\" WIDTH=\"60\"/>"
        "<FIELD attrname=\"VL_CONFIG\" fieldtype=\"string\" WIDTH=\"255\"/>"
        "<FIELD attrname=\"ID_TIPO_DADO\" fieldtype=\"i4\"/></FIELDS><PARAMS/></METADATA>"
        "<ROWDATA>";
    for (const auto& [key, value, type] : rows)
      xml += "<ROW TX_CONFIG=\"" + key + "\" VL_CONFIG=\"" + value + "\" ID_TIPO_DADO=\"" + type +
             "\"/>";
    WriteFile("ZORIIDEx_Config_New.xml", xml + "</ROWDATA></DATAPACKET>");
  }

  // A catalogue with rows (window, component path, text).
  void WriteCatalogue(
      const std::string& file,
      std::initializer_list<std::tuple<std::string, std::string, std::string>> rows) {
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?><DATAPACKET "
        "Version=\"2.0\"><METADATA><FIELDS>"
        "<FIELD attrname=\"NM_FORM\" fieldtype=\"string\" WIDTH=\"60\"/>"
        "<FIELD attrname=\"NM_COMPONENTE\" fieldtype=\"string\" WIDTH=\"60\"/>"
        "<FIELD attrname=\"TX_REFERENTE\" fieldtype=\"string\" WIDTH=\"400\"/>"
        "</FIELDS><PARAMS/></METADATA><ROWDATA>";
    for (const auto& [form, path, text] : rows)
      xml += "<ROW NM_FORM=\"" + form + "\" NM_COMPONENTE=\"" + path + "\" TX_REFERENTE=\"" + text +
             "\"/>";
    WriteFile(file, xml + "</ROWDATA></DATAPACKET>");
  }

  // Messages the user saw, "caption|text".
  std::vector<std::string> Messages() const {
    std::vector<std::string> out;
    for (const auto& m : platform::Application().MessageLog())
      out.push_back(m.caption + "|" + m.text);
    return out;
  }

  std::filesystem::path dir_;
  platform::ScriptedModalDriver* driver_ = nullptr;
};
