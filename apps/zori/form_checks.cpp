#include "form_checks.h"

#include "addin_session.h"
#include "cli.h"

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

const std::vector<FormCheck>& FormChecks() {
  static const std::vector<FormCheck> checks = {
      {"taborder", "the tab order differs from the controls' positions", &TabOrderFindings},
  };
  return checks;
}

}  // namespace zori::cli
