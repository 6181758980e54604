// The zori command line: one entry point that the executable and the CLI tests share.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace zori::cli {

// What every command gets: where to print and the global options.
struct Context {
  std::ostream& out;
  std::ostream& err;
  std::istream& in;
  std::string package_dir;  // --package-dir, empty when not given
  bool progress = false;    // err is a terminal: long runs may show their progress there
};

// Runs zori with the given arguments (without the program name); returns the exit code.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        std::istream& in);

}  // namespace zori::cli
