#include "platform/process.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/application.h"
#include "platform/shell.h"

using namespace platform;
namespace fs = std::filesystem;

namespace {

using Args = std::vector<std::string>;

// A scoped folder for programs and their traces.
struct TempDir {
  fs::path path;
  TempDir() {
    std::string pattern = (fs::temp_directory_path() / "zori_process_XXXXXX").string();
    path = mkdtemp(pattern.data());
  }
  ~TempDir() { fs::remove_all(path); }
  fs::path Script(const std::string& name, const std::string& body) const {
    const fs::path file = path / name;
    std::ofstream(file) << "#!/bin/sh\n" << body << "\n";
    fs::permissions(file, fs::perms::owner_all);
    return file;
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(path / name);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
};

// PATH set for one test and put back afterwards.
struct ScopedPath {
  std::string old;
  explicit ScopedPath(const std::string& value) {
    const char* p = getenv("PATH");
    old = p != nullptr ? p : "";
    setenv("PATH", value.c_str(), 1);
  }
  ~ScopedPath() { setenv("PATH", old.c_str(), 1); }
};

}  // namespace

TEST(ProcessTest, CommandLinesSplitAsTheProcessStartSplitsThem) {
  EXPECT_EQ(SplitCommandLine("app.exe -a  b"), (Args{"app.exe", "-a", "b"}));
  EXPECT_EQ(SplitCommandLine("\"C:\\Program Files\\x.exe\" \"two words\" c"),
            (Args{"C:\\Program Files\\x.exe", "two words", "c"}));
  // Backslashes count only before a quote: 2n give n and a grouping quote, 2n+1 a literal.
  EXPECT_EQ(SplitCommandLine(R"(p a\\b "c\\" d\"e f\\\"g)"),
            (Args{"p", R"(a\\b)", R"(c\)", R"(d"e)", R"(f\"g)"}));
  // A doubled quote inside quotes is a literal quote, and the quoted part goes on.
  EXPECT_EQ(SplitCommandLine(R"(p "a""b" c)"), (Args{"p", R"(a"b c)"}));
  EXPECT_EQ(SplitCommandLine(R"(p """ x)"), (Args{"p", R"(")", "x"}));
  EXPECT_EQ(SplitCommandLine(R"(p """" x)"), (Args{"p", R"(" x)"}));
  EXPECT_EQ(SplitCommandLine("p \"\" x"), (Args{"p", "", "x"}));
  // The program name takes no escapes; a trailing blank adds no argument.
  EXPECT_EQ(SplitCommandLine(R"("C:\dir\"tool )"), (Args{R"(C:\dir\)", "tool"}));
  EXPECT_EQ(SplitCommandLine("tool.exe "), (Args{"tool.exe"}));
  EXPECT_TRUE(SplitCommandLine("   ").empty());
}

TEST(ProcessTest, RunsWithoutAShellAndReportsExitCodes) {
  ResetApplication();
  EXPECT_EQ(RunCommandLine("/bin/sh -c \"exit 3\"", SW_HIDE).exit_code, 3);
  // No shell reads the line: single quotes group nothing, so sh gets the script "'exit".
  EXPECT_EQ(RunCommandLine("sh -c 'exit 4'", SW_HIDE).exit_code, 2);
  // Shell characters reach the program untouched.
  TempDir dir;
  const fs::path echo = dir.Script("args", "for a in \"$@\"; do echo \"[$a]\"; done > \"$OUT\"");
  setenv("OUT", (dir.path / "out").c_str(), 1);
  const ProcessResult run =
      RunCommandLine("\"" + echo.string() + "\" \"a b\" $HOME ;ls `x` \\\"q", SW_HIDE);
  EXPECT_TRUE(run.started);
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(dir.Read("out"), "[a b]\n[$HOME]\n[;ls]\n[`x`]\n[\"q]\n");

  const ProcessResult missing = RunCommandLine("no-such-program-zori --x", SW_SHOW);
  EXPECT_FALSE(missing.started);
  EXPECT_EQ(missing.exit_code, -1);
  EXPECT_EQ(missing.error, "program not found: no-such-program-zori");
  EXPECT_EQ(RunCommandLine("", SW_HIDE).exit_code, -1);

  ASSERT_EQ(Application().ProcessLog().size(), 5u);
  EXPECT_EQ(Application().ProcessLog()[1].show_mode, SW_HIDE);
  EXPECT_EQ(Application().ProcessLog()[1].exit_code, 2);
  EXPECT_EQ(Application().ProcessLog()[3].show_mode, SW_SHOW);
  EXPECT_EQ(Application().ProcessLog()[3].command_line, "no-such-program-zori --x");
  ResetApplication();
}

TEST(ProcessTest, ATimeLimitStopsASleeperAndItsChildren) {
  TempDir dir;
  // The child of the shell would keep the pipe open if only the shell were stopped.
  const fs::path sleeper = dir.Script("sleeper", "sleep 30 & wait");
  const ProcessResult run = RunProcess({sleeper.string()}, SW_HIDE, 200);
  EXPECT_TRUE(run.started);
  EXPECT_TRUE(run.timed_out);
  EXPECT_EQ(run.exit_code, -1);
  EXPECT_EQ(run.error, "the program did not end within 200 ms and was stopped");
  // A program that ends in time is not touched by the limit.
  const ProcessResult quick = RunProcess({"/bin/sh", "-c", "exit 7"}, SW_HIDE, 10000);
  EXPECT_FALSE(quick.timed_out);
  EXPECT_EQ(quick.exit_code, 7);
}

TEST(ShellOpenTest, HandsTheAddressToTheDesktopOpenerOrSaysWhyNot) {
  TempDir dir;
  std::string reason;
  {
    ScopedPath path(dir.path.string());  // no opener here
    EXPECT_FALSE(ShellOpen("http://www.example.com", &reason));
    EXPECT_EQ(reason, "no desktop opener (xdg-open) was found to open http://www.example.com");
  }
  dir.Script("xdg-open", "printf '%s|' \"$@\" > \"" + (dir.path / "opened").string() + "\"");
  ScopedPath path(dir.path.string() + ":/usr/bin:/bin");
  EXPECT_TRUE(ShellOpen("mailto:suporte@example.com?subject=a b;c", &reason)) << reason;
  EXPECT_EQ(dir.Read("opened"), "mailto:suporte@example.com?subject=a b;c|");
  EXPECT_FALSE(ShellOpen("--help", &reason));
  EXPECT_EQ(reason, "'--help' is not an address");
  EXPECT_FALSE(ShellOpen("", &reason));

  dir.Script("xdg-open", "exit 4");
  EXPECT_FALSE(ShellOpen("http://x", &reason));
  EXPECT_EQ(reason, "the desktop opener could not open http://x (exit code 4)");
}

TEST(ProcessTest, AShownProgramWritesToStandardErrorAndAHiddenOneNowhere) {
  TempDir dir;
  // Our own standard output and error point at files for the length of the runs.
  const int saved_out = dup(1);
  const int saved_err = dup(2);
  std::fflush(stdout);
  std::fflush(stderr);
  const int out = open((dir.path / "stdout").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  const int err = open((dir.path / "stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  dup2(out, 1);
  dup2(err, 2);
  const int shown = RunProcess({"/bin/sh", "-c", "echo shown; echo oops >&2"}, SW_SHOW).exit_code;
  const int hidden =
      RunProcess({"/bin/sh", "-c", "echo hidden; echo oops2 >&2"}, SW_HIDE).exit_code;
  dup2(saved_out, 1);
  dup2(saved_err, 2);
  close(out);
  close(err);
  close(saved_out);
  close(saved_err);
  EXPECT_EQ(shown, 0);
  EXPECT_EQ(hidden, 0);
  EXPECT_EQ(dir.Read("stdout"), "");
  EXPECT_EQ(dir.Read("stderr"), "shown\noops\n");
}
