#include "catalogue_command.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <memory>
#include <string>

#include "addin_session.h"
#include "cli.h"
#include "core/U_zori_func.h"
#include "core/U_zori_resource.h"
#include "platform/application.h"

namespace zori::cli {
namespace {

int Get(Context& context, const std::string& form, const std::string& path) {
  AddinSession session(context);
  std::string err;
  if (!session.Load(&err)) {
    context.err << "zori: " << err << "\n";
    return 2;
  }
  try {
    // Creating the holder loads the catalogue named in the configuration, as every window
    // of the add-in sees it.
    F_ZORI_Resource = platform::TComponent::Create<TF_ZORI_Resource>(platform::Application());
    platform::FN_Destroi_Objeto(F_ZORI_Resource);
  } catch (const std::exception& e) {
    context.err << "zori: " << e.what() << "\n";
    return 1;
  }
  const std::string file = FN_Arquivo_Resources();
  if (!std::filesystem::exists(std::filesystem::path(session.PackageDir()) / file)) {
    context.err << "zori: catalogue " << file << " not found in the package directory "
                << session.PackageDir() << "\n";
    return 1;
  }
  const std::string text = FN_Get_Component_StringResource(form, path);
  if (text.empty()) {
    context.err << "zori: no text for window '" << form << "' and path '" << path << "' in " << file
                << "\n";
    return 1;
  }
  context.out << text << "\n";
  return 0;
}

}  // namespace

void AddCatalogueCommand(CLI::App& app, Context& context, int& exit_code) {
  CLI::App* catalogue = app.add_subcommand("catalogue", "look texts up in the text catalogue");
  catalogue->require_subcommand(1);
  auto form = std::make_shared<std::string>();
  auto path = std::make_shared<std::string>();
  CLI::App* get = catalogue->add_subcommand(
      "get", "print the text for window FORM and component PATH (letter case ignored)");
  get->add_option("FORM", *form, "window name, for example F_ZORI_Ren_Comps; \"\" for none")
      ->required();
  get->add_option("PATH", *path, "component path, for example bbtn_Ok.Caption")->required();
  get->callback([&context, &exit_code, form, path] { exit_code = Get(context, *form, *path); });
}

}  // namespace zori::cli
