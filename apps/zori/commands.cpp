#include "commands.h"

#include <CLI/CLI.hpp>

#include "align_command.h"
#include "catalogue_command.h"
#include "check_command.h"
#include "cli.h"
#include "close_datasets_command.h"
#include "comment_command.h"
#include "compile_command.h"
#include "config_command.h"
#include "forms_command.h"
#include "layout_command.h"
#include "menu_command.h"
#include "menus_command.h"
#include "parse_command.h"
#include "rename_command.h"
#include "settings_command.h"
#include "snippets_command.h"
#include "taborder_command.h"

namespace zori::cli {

// Each command's file provides its Add...Command; list them here in help order.
void RegisterCommands(CLI::App& app, Context& context, int& exit_code) {
  AddCheckCommand(app, context, exit_code);
  AddRenameCommand(app, context, exit_code);
  AddCloseDatasetsCommand(app, context, exit_code);
  AddTabOrderCommand(app, context, exit_code);
  AddParseCommand(app, context, exit_code);
  AddConfigCommand(app, context, exit_code);
  AddCatalogueCommand(app, context, exit_code);
  AddMenuCommand(app, context, exit_code);
  AddFormsCommand(app, context, exit_code);
  AddMenusCommand(app, context, exit_code);
  AddAlignCommand(app, context, exit_code);
  AddCommentCommand(app, context, exit_code);
  AddLayoutCommand(app, context, exit_code);
  AddCompileCommand(app, context, exit_code);
  AddSettingsCommands(app, context, exit_code);
  AddSnippetsCommand(app, context, exit_code);
}

}  // namespace zori::cli
