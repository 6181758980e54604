#include "cli.h"

#include <CLI/CLI.hpp>

#include <unistd.h>

#include <iostream>

#include "commands.h"

namespace zori::cli {

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        std::istream& in, const ExtraCommands& extra) {
  Context context{out, err, in, {}};
  context.progress = &err == &std::cerr && ::isatty(STDERR_FILENO) != 0;
  CLI::App app{
      "zori: form and source tools for Delphi and Lazarus projects on disk (the ZORI design-time "
      "add-in, "
      "run from the command line)",
      "zori"};
  app.require_subcommand(1);
  app.set_version_flag("--version", "zori 0.1");
  app.add_option("--package-dir", context.package_dir,
                 "folder of the add-in's table files (default: a per-user folder filled from "
                 "the installed data on first use)")
      ->option_text("DIR");
  app.fallthrough();

  int exit_code = 0;
  RegisterCommands(app, context, exit_code);
  if (extra) extra(app, context, exit_code);

  // A misspelt command gets its own message rather than "a subcommand is required".
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--package-dir") {
      ++i;
      continue;
    }
    if (args[i].empty() || args[i][0] == '-') continue;
    const auto commands =
        app.get_subcommands([&](const CLI::App* command) { return command->check_name(args[i]); });
    if (commands.empty()) {
      err << "zori: unknown command '" << args[i] << "'\n";
      err << "Run 'zori --help' for the commands.\n";
      return 2;
    }
    break;
  }

  // CLI11 parses in reverse order of a vector of arguments.
  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return 0;
  } catch (const CLI::CallForAllHelp&) {
    out << app.help("", CLI::AppFormatMode::All);
    return 0;
  } catch (const CLI::CallForVersion&) {
    out << "zori 0.1\n";
    return 0;
  } catch (const CLI::ParseError& e) {
    err << "zori: " << e.what() << "\n";
    err << "Run 'zori --help' for usage.\n";
    return 2;
  }
  return exit_code;
}

}  // namespace zori::cli
