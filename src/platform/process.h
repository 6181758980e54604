// Starting programs: a command line split as the platform's process start splits it (no
// shell), run, waited for, optionally stopped after a time limit.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Window show modes a program may be started with.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOW = 5;

// Splits a command line into the program and its arguments by the platform's rules: the
// program name ends at the first blank or is quoted as a whole; in the arguments blanks
// separate, quotes group, 2n backslashes before a quote give n backslashes and a quote
// that groups, 2n+1 give n backslashes and a literal quote, other backslashes stand.
std::vector<std::string> SplitCommandLine(std::string_view command_line);

struct ProcessResult {
  bool started = false;
  bool timed_out = false;
  bool signaled = false;  // ended by a signal rather than by its own exit
  // The program's exit code; -1 when it could not start or was stopped at the time limit;
  // 128 + n when it ended by signal n.
  int exit_code = -1;
  std::string error;  // why it did not start or did not end, for the user
};

// Runs the program with its arguments (argv[0] searched on PATH when it has no slash) and
// waits for its end, or at most time_limit_ms milliseconds when given, after which it and
// its children are stopped. Input comes from nothing; a hidden program's output is
// discarded, a shown one's goes to standard error.
ProcessResult RunProcess(const std::vector<std::string>& argv, int show_mode,
                         std::optional<int64_t> time_limit_ms = std::nullopt);

// SplitCommandLine, then RunProcess; an empty command line does not start. The run is
// recorded in the application's process log.
ProcessResult RunCommandLine(std::string_view command_line, int show_mode,
                             std::optional<int64_t> time_limit_ms = std::nullopt);

// The full path of an executable program of that name on PATH, or "".
std::string FindOnPath(std::string_view program);

}  // namespace platform
