// The zori command line: one entry point that the executable and the CLI tests share.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace zori::cli {

// What every command gets: where to print and the global options.
struct Context {
  std::ostream& out;
  std::ostream& err;
  std::istream& in;
  std::string package_dir;  // --package-dir, empty when not given
  bool progress = false;    // err is a terminal: long runs may show their progress there
};

// Adds commands built outside the command-line library (the Qt front end).
using ExtraCommands = std::function<void(CLI::App& app, Context& context, int& exit_code)>;

// Runs zori with the given arguments (without the program name); returns the exit code.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        std::istream& in, const ExtraCommands& extra = {});

}  // namespace zori::cli
