// Several zori processes at once, and zori killed in the middle of its writes: no change is
// lost and no file is ever left half written.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "zori_run.h"

namespace fs = std::filesystem;

namespace {

class SafeWritesTest : public ScratchTest {
 protected:
  // Starts the built zori with args, its output thrown away.
  static pid_t Start(const std::vector<std::string>& args) {
    const pid_t pid = ::fork();
    if (pid == 0) {
      std::vector<char*> argv{const_cast<char*>(ZORI_BINARY)};
      for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
      argv.push_back(nullptr);
      std::freopen("/dev/null", "w", stdout);
      std::freopen("/dev/null", "w", stderr);
      ::execv(ZORI_BINARY, argv.data());
      ::_exit(127);
    }
    return pid;
  }
  static int Wait(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
  }
  // Names in folder that are not the files a user put there: temporaries of a write.
  static std::vector<std::string> Temporaries(const fs::path& folder) {
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(folder)) {
      const std::string name = entry.path().filename().string();
      if (name.find(".~") != std::string::npos) found.push_back(name);
    }
    return found;
  }

  const std::string pkg_ = Pkg();
};

}  // namespace

TEST_F(SafeWritesTest, ProcessesChangingTheSameTablesAtOnceLoseNoChange) {
  ASSERT_EQ(RunZori({"--package-dir", pkg_, "config", "list"}).code, 0);
  const fs::path config = fs::path(pkg_) / "ZORIIDEx_Config_New.xml";
  struct stat before {};
  struct stat after {};
  ASSERT_EQ(::stat(config.c_str(), &before), 0);
  ASSERT_EQ(RunZori({"--package-dir", pkg_, "config", "get", "chk_auto_load"}).code, 0);
  ASSERT_EQ(::stat(config.c_str(), &after), 0);
  EXPECT_EQ(before.st_ino, after.st_ino);  // a reader does not put a new file in its place

  constexpr int kRounds = 8;
  for (int i = 0; i < kRounds; ++i) {
    const std::string n = std::to_string(i);
    const std::vector<pid_t> running{
        Start({"--package-dir", pkg_, "config", "set", "edt_a" + n, "a" + n, "--type", "string"}),
        Start({"--package-dir", pkg_, "config", "set", "edt_b" + n, "b" + n, "--type", "string"}),
        Start({"--package-dir", pkg_, "snippets", "add", "--group", "1", "--description",
               "trecho " + n, "--text", "x := " + n + ";"}),
        Start({"--package-dir", pkg_, "catalogue", "set", "", "lbl_" + n + ".Caption", "T" + n}),
    };
    for (pid_t pid : running) EXPECT_EQ(Wait(pid), 0) << "round " << n;
  }
  const std::string config_list = RunZori({"--package-dir", pkg_, "config", "list"}).out;
  const std::string snippets =
      RunZori({"--package-dir", pkg_, "snippets", "list", "--group", "1"}).out;
  const std::string catalogue = RunZori({"--package-dir", pkg_, "catalogue", "list"}).out;
  for (int i = 0; i < kRounds; ++i) {
    const std::string n = std::to_string(i);
    EXPECT_NE(config_list.find("edt_a" + n), std::string::npos) << n;
    EXPECT_NE(config_list.find("edt_b" + n), std::string::npos) << n;
    EXPECT_NE(snippets.find("trecho " + n), std::string::npos) << n;
    EXPECT_NE(catalogue.find("lbl_" + n + ".Caption"), std::string::npos) << n;
  }
  EXPECT_TRUE(Temporaries(pkg_).empty());
}

TEST_F(SafeWritesTest, AKilledWriteLeavesTheOldOrTheNewFileWhole) {
  ASSERT_EQ(RunZori({"--package-dir", pkg_, "config", "list"}).code, 0);
  const fs::path config = fs::path(pkg_) / "ZORIIDEx_Config_New.xml";
  const fs::path project = root_ / "proj";
  fs::create_directories(project);
  const fs::path source = fs::path(ZORI_TEST_DATA_DIR) / "host" / "Cadastro";
  const fs::path pas = project / "uCadastro.pas";
  const fs::path dfm = project / "uCadastro.dfm";
  fs::copy_file(source / "uCadastro.pas", pas);
  fs::copy_file(source / "uCadastro.dfm", dfm);

  // Each kind of write: its command, and the files it changes with their old and new bytes.
  struct Kind {
    std::vector<std::string> args;
    std::vector<fs::path> files;
    std::vector<std::string> old_bytes, new_bytes;
    double seconds = 0;  // how long a whole run takes
  };
  std::vector<Kind> kinds{
      {{"--package-dir", pkg_, "config", "set", "edt_big", std::string(250, 'v'), "--type",
        "string"},
       {config},
       {},
       {},
       0},
      {{"rename", "--apply", "--only", "Edit1=edtCodigo", pas.string()}, {dfm, pas}, {}, {}, 0},
      {{"taborder", "--apply", dfm.string()}, {dfm}, {}, {}, 0},
  };
  for (Kind& kind : kinds) {
    for (const fs::path& file : kind.files) kind.old_bytes.push_back(ReadAll(file));
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(Wait(Start(kind.args)), 0) << kind.args[0];
    kind.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    for (const fs::path& file : kind.files) kind.new_bytes.push_back(ReadAll(file));
    for (size_t i = 0; i < kind.files.size(); ++i) Write(kind.files[i], kind.old_bytes[i]);
  }
  ASSERT_NE(kinds[1].old_bytes[0], kinds[1].new_bytes[0]);
  ASSERT_NE(kinds[2].old_bytes[0], kinds[2].new_bytes[0]);

  std::mt19937 random(20261207);
  constexpr int kKills = 15;
  for (Kind& kind : kinds) {
    std::uniform_real_distribution<double> when(0.0, kind.seconds);
    for (int round = 0; round < kKills; ++round) {
      const pid_t pid = Start(kind.args);
      std::this_thread::sleep_for(std::chrono::duration<double>(when(random)));
      ::kill(pid, SIGKILL);
      Wait(pid);
      for (size_t i = 0; i < kind.files.size(); ++i) {
        const std::string now = ReadAll(kind.files[i]);
        EXPECT_TRUE(now == kind.old_bytes[i] || now == kind.new_bytes[i])
            << kind.files[i] << " after a kill in round " << round;
        Write(kind.files[i], kind.old_bytes[i]);
      }
    }
    // The next whole run clears what killed runs left behind.
    EXPECT_EQ(Wait(Start(kind.args)), 0);
    for (size_t i = 0; i < kind.files.size(); ++i) {
      EXPECT_EQ(ReadAll(kind.files[i]), kind.new_bytes[i]);
      Write(kind.files[i], kind.old_bytes[i]);
    }
  }
  EXPECT_TRUE(Temporaries(pkg_).empty());
  EXPECT_TRUE(Temporaries(project).empty());
}
