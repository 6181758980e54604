#include "commands.h"

#include <CLI/CLI.hpp>

#include "check_command.h"
#include "cli.h"
#include "parse_command.h"

namespace zori::cli {

// Each command's file provides its Add...Command; list them here in help order.
void RegisterCommands(CLI::App& app, Context& context, int& exit_code) {
  AddCheckCommand(app, context, exit_code);
  AddParseCommand(app, context, exit_code);
}

}  // namespace zori::cli
