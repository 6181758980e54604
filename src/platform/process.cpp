#include "platform/process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "platform/application.h"

extern char** environ;

namespace platform {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// posix_spawn attributes and file actions, released however the start ends.
struct SpawnSetup {
  posix_spawnattr_t attr;
  posix_spawn_file_actions_t actions;
  SpawnSetup() {
    posix_spawnattr_init(&attr);
    posix_spawn_file_actions_init(&actions);
  }
  ~SpawnSetup() {
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attr);
  }
  SpawnSetup(const SpawnSetup&) = delete;
  SpawnSetup& operator=(const SpawnSetup&) = delete;
};

int ExitCodeOf(int status) {
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return -1;
}

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view line) {
  std::vector<std::string> args;
  size_t i = 0;
  while (i < line.size() && IsBlank(line[i])) ++i;
  if (i >= line.size()) return args;

  // The program name: quoted as a whole, or up to the first blank; no escapes.
  std::string program;
  if (line[i] == '"') {
    ++i;
    while (i < line.size() && line[i] != '"') program += line[i++];
    if (i < line.size()) ++i;
  } else {
    while (i < line.size() && !IsBlank(line[i])) program += line[i++];
  }
  args.push_back(program);

  while (true) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i >= line.size()) break;
    std::string arg;
    int quotes = 0;  // odd: inside a quoted part
    size_t backslashes = 0;
    while (i < line.size()) {
      const char c = line[i];
      if (IsBlank(c) && quotes == 0) break;
      if (c == '\\') {
        arg += c;
        ++backslashes;
        ++i;
        continue;
      }
      if (c == '"') {
        if (backslashes % 2 == 0) {
          arg.resize(arg.size() - backslashes / 2);
          ++quotes;
        } else {
          arg.resize(arg.size() - backslashes / 2 - 1);
          arg += '"';
        }
        backslashes = 0;
        ++i;
        // Runs of quotes: every third one is a literal quote.
        while (i < line.size() && line[i] == '"') {
          if (++quotes == 3) {
            arg += '"';
            quotes = 0;
          }
          ++i;
        }
        if (quotes == 2) quotes = 0;
        continue;
      }
      backslashes = 0;
      arg += c;
      ++i;
    }
    args.push_back(arg);
  }
  return args;
}

std::string FindOnPath(std::string_view program) {
  if (program.empty()) return {};
  const auto executable = [](const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
  };
  if (program.find('/') != std::string_view::npos) {
    const std::string path(program);
    return executable(path) ? path : std::string();
  }
  const char* env = std::getenv("PATH");
  const std::string path_list = env != nullptr ? env : "/usr/bin:/bin";
  size_t start = 0;
  while (start <= path_list.size()) {
    const size_t end = std::min(path_list.find(':', start), path_list.size());
    std::string dir = path_list.substr(start, end - start);
    if (dir.empty()) dir = ".";
    const std::string candidate = dir + "/" + std::string(program);
    if (executable(candidate)) return candidate;
    start = end + 1;
  }
  return {};
}

ProcessResult RunProcess(const std::vector<std::string>& argv, int show_mode,
                         std::optional<int64_t> time_limit_ms) {
  ProcessResult result;
  if (argv.empty() || argv.front().empty()) {
    result.error = "no program to start";
    return result;
  }
  const std::string program = FindOnPath(argv.front());
  if (program.empty()) {
    result.error = "program not found: " + argv.front();
    return result;
  }

  SpawnSetup setup;
  // Its own process group, so a time limit stops the program's children too.
  posix_spawnattr_setflags(&setup.attr, POSIX_SPAWN_SETPGROUP);
  posix_spawnattr_setpgroup(&setup.attr, 0);
  posix_spawn_file_actions_addopen(&setup.actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  if (show_mode == SW_HIDE) {
    posix_spawn_file_actions_addopen(&setup.actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&setup.actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  } else {
    // Shown output must not mix with what zori itself prints on standard output.
    posix_spawn_file_actions_adddup2(&setup.actions, STDERR_FILENO, STDOUT_FILENO);
  }

  std::vector<char*> c_argv;
  for (const std::string& a : argv) c_argv.push_back(const_cast<char*>(a.c_str()));
  c_argv.push_back(nullptr);

  pid_t pid = 0;
  const int rc =
      posix_spawn(&pid, program.c_str(), &setup.actions, &setup.attr, c_argv.data(), environ);
  if (rc != 0) {
    result.error = "cannot start " + argv.front() + ": " + std::strerror(rc);
    return result;
  }
  result.started = true;

  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::milliseconds(time_limit_ms.value_or(0));
  int status = 0;
  while (true) {
    const pid_t done = waitpid(pid, &status, time_limit_ms ? WNOHANG : 0);
    if (done == pid) break;
    if (done < 0 && errno != EINTR) {
      result.error = std::string("waiting for the program failed: ") + std::strerror(errno);
      return result;
    }
    if (done == 0 && std::chrono::steady_clock::now() >= deadline) {
      kill(-pid, SIGKILL);
      while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
      }
      result.timed_out = true;
      result.exit_code = -1;
      result.error = "the program did not end within " + std::to_string(*time_limit_ms) +
                     " ms and was stopped";
      return result;
    }
    if (done == 0) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  result.exit_code = ExitCodeOf(status);
  result.signaled = WIFSIGNALED(status);
  if (result.signaled) result.error = "the program was ended by signal " + std::to_string(WTERMSIG(status));
  return result;
}

ProcessResult RunCommandLine(std::string_view command_line, int show_mode,
                             std::optional<int64_t> time_limit_ms) {
  const ProcessResult result = RunProcess(SplitCommandLine(command_line), show_mode, time_limit_ms);
  if (TApplication* app = CurrentApplication()) {
    app->RecordProcess({std::string(command_line), show_mode, result.exit_code, result.error});
  }
  return result;
}

}  // namespace platform
