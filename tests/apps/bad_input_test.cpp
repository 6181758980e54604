// Every kind of bad input a user can hand zori: each stops with a message naming the file and
// exit code 2, and nothing on disk changes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "zori_run.h"

namespace fs = std::filesystem;

namespace {

class BadInputTest : public ScratchTest {
 protected:
  void TearDown() override {
    fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add);
    ScratchTest::TearDown();
  }
  // Every file under folder with its bytes (links as where they point).
  static std::map<std::string, std::string> Snapshot(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
      const std::string key = entry.path().string();
      if (entry.is_symlink())
        files[key] = "-> " + fs::read_symlink(entry.path()).string();
      else if (entry.is_regular_file() && entry.file_size() < (1 << 20))
        files[key] = ReadAll(entry.path());
      else
        files[key] = entry.is_directory() ? "<folder>" : std::to_string(entry.file_size());
    }
    return files;
  }
};

// Whether file modes bind this process: not for root, unless it runs without the
// capabilities that override them (CI runs these tests that way too).
bool PermissionsApply() {
  const fs::path probe = fs::temp_directory_path() / ("zori_probe_" + std::to_string(::getpid()));
  std::ofstream(probe) << "x";
  fs::permissions(probe, fs::perms::none);
  const bool readable = std::ifstream(probe).good();
  fs::remove(probe);
  return !readable;
}

}  // namespace

TEST_F(BadInputTest, ProjectCommandsNameTheFileTheyCannotUseAndWriteNothing) {
  const fs::path data = fs::path(ZORI_TEST_DATA_DIR) / "host" / "Cadastro";
  const std::string pas = ReadAll(data / "uCadastro.pas");
  const std::string dfm = ReadAll(data / "uCadastro.dfm");
  std::string utf16 = "\xFF\xFE";
  for (const char c : pas) utf16 += std::string{c, '\0'};

  struct Case {
    std::string what;
    std::string input;  // relative to the case's folder
    std::string named;  // what the message must name
  };
  const std::vector<Case> cases{
      {"missing file", "Sumiu.pas", "Sumiu.pas"},
      {"a folder where a unit is expected", "Pasta.pas", "Pasta.pas"},
      {"binary garbage", "Lixo.pas", "Lixo.pas"},
      {"empty form", "Vazio.pas", "Vazio.dfm"},
      {"100 MB form", "Enorme.pas", "Enorme.dfm"},
      {"UTF-16 unit", "Largo.pas", "Largo.pas"},
      {"nothing to work on", "SemUnidades", "SemUnidades"},
  };
  auto make = [&](const fs::path& folder) {
    fs::create_directories(folder / "Pasta.pas");
    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 7919) % 256);
    Write(folder / "Lixo.pas", garbage);
    Write(folder / "Lixo.dfm", garbage);
    Write(folder / "Vazio.pas", pas);
    Write(folder / "Vazio.dfm", "");
    Write(folder / "Enorme.pas", pas);
    Write(folder / "Enorme.dfm", dfm);
    fs::resize_file(folder / "Enorme.dfm", 100u << 20);  // sparse: no 100 MB written
    Write(folder / "Largo.pas", utf16);
    Write(folder / "Largo.dfm", dfm);
    fs::create_directories(folder / "SemUnidades");
    Write(folder / "SemUnidades" / "leia-me.txt", "nada aqui");
  };
  const fs::path folder = root_ / "projeto com espaço";
  make(folder);
  const auto before = Snapshot(folder);
  for (const std::vector<std::string>& command :
       {std::vector<std::string>{"check"}, {"taborder", "--apply"}, {"rename", "--apply"}}) {
    for (const Case& c : cases) {
      std::vector<std::string> args = command;
      args.push_back((folder / c.input).string());
      const Outcome result = RunZori(args);
      EXPECT_EQ(result.code, 2) << command[0] << ", " << c.what << ": " << result.err;
      EXPECT_NE(result.err.find(c.named), std::string::npos)
          << command[0] << ", " << c.what << ": " << result.err;
    }
  }
  EXPECT_EQ(Snapshot(folder), before);

  // A folder with spaces and accents works, and a unit that is a link is written through.
  const fs::path shared = root_ / "compartilhado ação";
  Write(shared / "uCadastro.pas", pas);
  Write(shared / "uCadastro.dfm", dfm);
  const fs::path linked = root_ / "ligado";
  fs::create_directories(linked);
  fs::create_symlink(shared / "uCadastro.pas", linked / "uCadastro.pas");
  fs::create_symlink(shared / "uCadastro.dfm", linked / "uCadastro.dfm");
  const Outcome renamed = RunZori(
      {"rename", "--apply", "--only", "Edit1=edtCodigo", (linked / "uCadastro.pas").string()});
  EXPECT_EQ(renamed.code, 0) << renamed.err;
  EXPECT_TRUE(fs::is_symlink(linked / "uCadastro.pas"));
  EXPECT_TRUE(fs::is_symlink(linked / "uCadastro.dfm"));
  EXPECT_NE(ReadAll(shared / "uCadastro.pas").find("edtCodigo: TEdit"), std::string::npos);
  EXPECT_NE(ReadAll(shared / "uCadastro.dfm").find("edtCodigo"), std::string::npos);

  // Without permission (root reads and writes anything).
  if (PermissionsApply()) {
    const fs::path locked = root_ / "trancado";
    Write(locked / "uCadastro.pas", pas);
    Write(locked / "uCadastro.dfm", dfm);
    fs::permissions(locked / "uCadastro.dfm", fs::perms::owner_read | fs::perms::group_read);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    const Outcome read_only = RunZori(
        {"rename", "--apply", "--only", "Edit1=edtCodigo", (locked / "uCadastro.pas").string()});
    EXPECT_NE(read_only.code, 0);
    EXPECT_NE(read_only.err.find("uCadastro"), std::string::npos) << read_only.err;
    EXPECT_EQ(ReadAll(locked / "uCadastro.dfm"), dfm);
    fs::permissions(locked, fs::perms::owner_all);
    fs::permissions(locked / "uCadastro.pas", fs::perms::none);
    const Outcome unreadable = RunZori({"check", (locked / "uCadastro.pas").string()});
    EXPECT_EQ(unreadable.code, 2);
    EXPECT_NE(unreadable.err.find("uCadastro.pas"), std::string::npos) << unreadable.err;
  }
}

TEST_F(BadInputTest, TableCommandsNameTheTableTheyCannotReadAndLeaveIt) {
  const std::string pkg = (root_ / "pacote ção").string();
  ASSERT_EQ(RunZori({"--package-dir", pkg, "config", "list"}).code, 0);
  const fs::path table = fs::path(pkg) / "ZORIIDEx_Config_New.xml";
  const std::string good = ReadAll(table);
  std::string garbage;
  for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 7919) % 256);
  const std::vector<std::pair<std::string, std::string>> cases{
      {"binary garbage", garbage},
      {"empty file", ""},
      {"not a data packet", "<?xml version=\"1.0\"?><html/>"},
  };
  for (const auto& [what, bytes] : cases) {
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"config", "get", "chk_auto_load"},
          {"config", "set", "edt_x", "y", "--type", "string"},
          {"config", "list"}}) {
      Write(table, bytes);
      std::vector<std::string> args{"--package-dir", pkg};
      args.insert(args.end(), command.begin(), command.end());
      const Outcome result = RunZori(args);
      EXPECT_EQ(result.code, 2) << what << ", " << command[1] << ": " << result.err;
      EXPECT_NE(result.err.find(table.string()), std::string::npos) << what << ": " << result.err;
      EXPECT_EQ(ReadAll(table), bytes) << what << ", " << command[1];
    }
  }
  // A folder where the table should be.
  fs::remove(table);
  fs::create_directory(table);
  const Outcome folder = RunZori({"--package-dir", pkg, "config", "set", "edt_x", "y"});
  EXPECT_EQ(folder.code, 2) << folder.err;
  EXPECT_NE(folder.err.find(table.string()), std::string::npos) << folder.err;
  EXPECT_TRUE(fs::is_directory(table));
  fs::remove(table);
  Write(table, good);

  // A package directory the user may not write: reading works, a change is refused whole.
  if (PermissionsApply()) {
    fs::permissions(pkg, fs::perms::owner_read | fs::perms::owner_exec);
    const Outcome get = RunZori({"--package-dir", pkg, "config", "get", "chk_auto_load"});
    EXPECT_EQ(get.code, 0) << get.err;
    const Outcome set =
        RunZori({"--package-dir", pkg, "config", "set", "edt_x", "y", "--type", "string"});
    EXPECT_EQ(set.code, 2) << set.err;
    EXPECT_EQ(set.err.rfind("zori: " + table.string() + ": cannot write: ", 0), 0u) << set.err;
    fs::permissions(pkg, fs::perms::owner_all);
    EXPECT_EQ(ReadAll(table), good);
    fs::permissions(table, fs::perms::none);
    const Outcome unreadable = RunZori({"--package-dir", pkg, "config", "list"});
    EXPECT_EQ(unreadable.code, 2) << unreadable.err;
    EXPECT_NE(unreadable.err.find(table.string()), std::string::npos) << unreadable.err;
    fs::permissions(table, fs::perms::owner_all);
  }
}
