#include "form_checks.h"

#include "addin_session.h"
#include "cli.h"
#include "ide/disk_host.h"

namespace zori::cli {

CheckScope::CheckScope(Context& context) : context_(context) {}

CheckScope::~CheckScope() = default;

AddinSession* CheckScope::Addin(std::string* err) {
  if (addin_ == nullptr) {
    auto session = std::make_unique<AddinSession>(context_);
    if (!session->Load(err)) return nullptr;
    addin_ = std::move(session);
  }
  return addin_.get();
}

int ModuleIndex(CheckScope& scope, const ide::DiskModule& module) {
  return scope.Host().IndexOf(module);
}

const std::vector<FormCheck>& FormChecks() {
  static const std::vector<FormCheck> checks = {
      {"taborder", "the tab order differs from the controls' positions", &TabOrderFindings},
      {"names", "components named off the naming standard", &NameFindings},
      {"datasets", "datasets or connections left open", &DatasetFindings},
  };
  return checks;
}

}  // namespace zori::cli
