// A package directory in a scoped temporary folder, with helpers to write table files the
// way the platform writes them, and a fresh application with a scripted modal driver.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/U_zori_func.h"
#include "core/U_zori_resource.h"
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

  // A table file as the platform writes it. Each field is "NAME:type", "NAME:type:WIDTH" or
  // "NAME:type:WIDTH:required"; each row gives the fields' values in that order. utf8
  // declares the text's encoding.
  void WriteTable(const std::string& file, const std::vector<std::string>& fields,
                  const std::vector<std::vector<std::string>>& rows, bool utf8 = false) const {
    std::string xml = std::string("<?xml version=\"1.0\"") + (utf8 ? " encoding=\"UTF-8\"" : "") +
                      " standalone=\"yes\"?><DATAPACKET Version=\"2.0\"><METADATA><FIELDS>";
    std::vector<std::string> names;
    for (const std::string& field : fields) {
      std::vector<std::string> part;
      for (size_t from = 0, at = 0; at != std::string::npos; from = at + 1)
        part.push_back(field.substr(from, (at = field.find(':', from)) - from));
      names.push_back(part[0]);
      xml += "<FIELD attrname=\"" + part[0] + "\" fieldtype=\"" + part[1] + "\"" +
             (part.size() > 2 ? " WIDTH=\"" + part[2] + "\"" : "") +
             (part.size() > 3 ? " required=\"true\"" : "") + "/>";
    }
    xml += "</FIELDS><PARAMS/></METADATA><ROWDATA>";
    for (const auto& row : rows) {
      xml += "<ROW";
      for (size_t i = 0; i < row.size(); ++i) xml += " " + names[i] + "=\"" + row[i] + "\"";
      xml += "/>";
    }
    WriteFile(file, xml + "</ROWDATA></DATAPACKET>");
  }

  // A configuration store with rows (key, value, type code).
  void WriteConfig(const std::vector<std::vector<std::string>>& rows) {
    WriteTable("ZORIIDEx_Config_New.xml",
               {"TX_CONFIG:string:60", "VL_CONFIG:string:255", "ID_TIPO_DADO:i4"}, rows);
  }

  // A catalogue with rows (window, component path, text).
  void WriteCatalogue(const std::string& file, const std::vector<std::vector<std::string>>& rows) {
    WriteTable(file, {"NM_FORM:string:60", "NM_COMPONENTE:string:60", "TX_REFERENTE:string:400"},
               rows, true);
  }

  // Loads the catalogue as the tool menu does, before any window opens.
  static void LoadCatalogue() {
    F_ZORI_Resource = platform::TComponent::Create<TF_ZORI_Resource>(platform::Application());
    platform::FN_Destroi_Objeto(F_ZORI_Resource);
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
