#include "compile_command.h"

#include <CLI/CLI.hpp>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "addin_session.h"
#include "cli.h"
#include "core/U_zori_func.h"
#include "host_session.h"
#include "ide/disk_host.h"
#include "ide/disk_module.h"
#include "platform/application.h"
#include "reg/U_zori_reg.h"

namespace zori::cli {
namespace {

struct Options {
  std::string project;
  bool code_insight = false;
  std::vector<std::string> classes;
  std::vector<std::string> search_paths;
};

// Why the add-in stopped the compile, from the program run it recorded.
std::string Reason(size_t runs_before) {
  const auto& log = platform::Application().ProcessLog();
  if (log.size() == runs_before) return "the add-in cancelled it";
  const platform::ProcessRecord& run = log.back();
  const std::string program = "the program '" + run.command_line + "'";
  if (!run.error.empty()) return program + ": " + run.error;
  return program + " ended with exit code " + std::to_string(run.exit_code) + ", expected " +
         std::to_string(FN_Valor_Config("spe_Exec_BComp").AsInteger());
}

int Compile(const Options& o, Context& context) {
  const std::string me = "zori compile: ";
  AddinSession session(context);
  std::string err;
  if (!session.Load(&err)) {
    context.err << me << err << "\n";
    return 2;
  }
  if (const std::string note = session.MissingStoreNote(); !note.empty()) {
    context.err << me << note << "\n";
    return 2;
  }
  session.LoadCatalogue();
  HostSession project = OpenProject({o.project}, o.classes, o.search_paths);
  const UnloadBeforeHost unload(session, project);
  if (!project.errors.empty()) {
    for (const std::string& e : project.errors) context.err << me << e << "\n";
    return 2;
  }
  for (const std::string& note : project.notes) context.err << me << note << "\n";
  ide::DiskHost& host = *project.host;
  bool proceed = false;
  const size_t runs_before = platform::Application().ProcessLog().size();
  try {
    Register();
    proceed = host.Compile(o.code_insight);
  } catch (const std::exception& e) {
    context.err << me << e.what() << "\n";
    return 1;
  }
  if (!proceed) {
    context.err << me << "compile cancelled: " << Reason(runs_before) << "\n";
    return 1;
  }
  // What the IDE's compile does with the forms in memory: the modified ones are saved,
  // so the closed datasets reach the files the compiler reads.
  if (!host.SaveAll(&err)) {
    context.err << me << err << "\n";
    // A file edited on disk meanwhile keeps that edit: the user has to look at it.
    for (int i = 0; i < host.ModuleCount(); ++i)
      if (host.Module(i)->ChangedOnDisk()) return 2;
    return 1;
  }
  return 0;
}

}  // namespace

void AddCompileCommand(CLI::App& app, Context& context, int& exit_code) {
  auto* cmd = app.add_subcommand(
      "compile",
      "The gate before the real compiler: load PROJECT with every form open in the designer "
      "and raise the IDE's before-compile notification through the add-in. As configured "
      "(zori settings), the datasets of every open form are closed first "
      "(chk_before_compile), then the program edt_app_exec is run with edt_Params "
      "(chk_Exec_BComp; no shell; stopped after spe_limite_exec seconds when above 0). When "
      "the compile may proceed, every modified form is saved and the exit code is 0. When "
      "the add-in cancels it (the program ended with another exit code than spe_Exec_BComp, "
      "could not start, was stopped or ended by a signal, or closing the datasets failed) "
      "nothing is written, stderr says why and the exit code is 1. Bad input exits 2, as does "
      "a form or unit that changed on disk since it was read (it is not written over). "
      "Nothing is compiled.");
  auto options = std::make_shared<Options>();
  cmd->add_option("PROJECT", options->project, "the project (.dpr, .lpi or .lpr, or its folder)")
      ->required();
  cmd->add_flag("--code-insight", options->code_insight,
                "a code-insight compile: the add-in lets it through untouched");
  AddClassesOption(*cmd, options->classes);
  AddSearchPathOption(*cmd, options->search_paths);
  cmd->callback([options, &context, &exit_code] { exit_code = Compile(*options, context); });
}

}  // namespace zori::cli
