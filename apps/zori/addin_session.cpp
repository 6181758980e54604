#include "addin_session.h"

#include <filesystem>
#include <memory>
#include <ostream>

#include "cli.h"
#include "core/U_zori_func.h"
#include "core/U_zori_resource.h"
#include "package_dir.h"
#include "platform/application.h"
#include "platform/modal_driver.h"
#include "platform/registry.h"
#include "printing_driver.h"
#include "reg/U_zori_reg.h"

namespace zori::cli {
AddinSession::AddinSession(Context& context) : context_(context) {}

AddinSession::~AddinSession() {
  Unload();
  platform::ResetApplication();
}

void AddinSession::Unload() {
  if (!loaded_) return;
  loaded_ = false;
  PR_Finaliza_U_zori_reg();
}

std::string AddinSession::MissingStoreNote() const {
  const std::filesystem::path file =
      std::filesystem::path(package_dir_) / "ZORIIDEx_Config_New.xml";
  if (std::filesystem::exists(file)) return {};
  return "configuration file ZORIIDEx_Config_New.xml not found in the package directory " +
         package_dir_ + " (looked for " + file.string() + ")";
}

void AddinSession::LoadCatalogue() {
  if (F_ZORI_Resource != nullptr) return;
  // A catalogue that cannot be read leaves the windows in their own texts.
  try {
    F_ZORI_Resource = platform::TComponent::Create<TF_ZORI_Resource>(platform::Application());
    platform::FN_Destroi_Objeto(F_ZORI_Resource);
  } catch (const std::exception& e) {
    context_.err << "zori: " << e.what() << "\n";
  }
}

bool AddinSession::Load(std::string* err) {
  package_dir_ = PreparePackageDir(context_.package_dir, ZORI_DATA_DIR, err);
  if (package_dir_.empty()) return false;

  // Each command starts from a fresh application, as a newly started IDE would.
  platform::ResetApplication();
  platform::Application().SetModalDriver(std::make_unique<PrintingDriver>(context_.err));

  // The host's known packages name the package file in the package directory.
  const std::string package = (std::filesystem::path(package_dir_) / kPackageFile).string();
  platform::Application().Registry().SetString(platform::HKEY_CURRENT_USER, kKnownPackagesKey,
                                               package, "ROVUVUVoravud 1.4");

  PR_Inicializa_U_zori_reg();
  loaded_ = true;
  return true;
}

}  // namespace zori::cli
