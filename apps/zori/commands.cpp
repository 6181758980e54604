#include "commands.h"

#include <CLI/CLI.hpp>

#include "cli.h"

namespace zori::cli {

// Each command's file provides its Add...Command; list them here in help order.
void RegisterCommands(CLI::App& app, Context& context, int& exit_code) {
  (void)app;
  (void)context;
  (void)exit_code;
}

}  // namespace zori::cli
