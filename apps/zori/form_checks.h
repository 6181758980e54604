// The checks `zori check` runs on every form (chosen with --only): each tells what one of
// the add-in's tools would change on the form, as findings. A tool joins by adding its
// function here and one row to FormChecks().
#pragma once

#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace ide {
class DiskHost;
class DiskModule;
}  // namespace ide

namespace zori::cli {

class AddinSession;
struct Context;

// One thing a tool would change on a form.
struct Finding {
  std::string check;              // the check's name, as --only takes it
  std::string summary;            // one line: where, and what the tool would change
  nlohmann::ordered_json detail;  // the same for --json (an object; "check" and "summary" added)
};

// What a check may use besides the form: the host of the project being checked and the
// add-in with its package directory and tables, loaded on first request and kept for the
// rest of the run.
class CheckScope {
 public:
  explicit CheckScope(Context& context);
  ~CheckScope();
  CheckScope(const CheckScope&) = delete;
  CheckScope& operator=(const CheckScope&) = delete;

  Context& Cli() { return context_; }
  // The host of the project being checked; set by the check command per project.
  ide::DiskHost& Host() { return *host_; }
  void SetHost(ide::DiskHost* host) { host_ = host; }
  // The add-in loaded (without its menu); nullptr with *err when the package directory
  // cannot be had.
  AddinSession* Addin(std::string* err);

 private:
  Context& context_;
  ide::DiskHost* host_ = nullptr;
  std::unique_ptr<AddinSession> addin_;
};

// A check: its name for --only, one line of help, and the function that adds the findings
// of one module that has a form. The function returns false with *err when the check could
// not be made on that form (the run goes on and exits 2).
struct FormCheck {
  const char* name;
  const char* about;
  bool (*run)(CheckScope& scope, ide::DiskModule& module, std::vector<Finding>* findings,
              std::string* err);
};

// Every check, in the order they run and print.
const std::vector<FormCheck>& FormChecks();

// The tab order the validator would write differs from the form's (taborder_command.cpp).
bool TabOrderFindings(CheckScope& scope, ide::DiskModule& module, std::vector<Finding>* findings,
                      std::string* err);

// Components the naming standardiser would rename (rename_command.cpp).
bool NameFindings(CheckScope& scope, ide::DiskModule& module, std::vector<Finding>* findings,
                  std::string* err);

// Datasets and connections the dataset closer would switch off (close_datasets_command.cpp).
bool DatasetFindings(CheckScope& scope, ide::DiskModule& module, std::vector<Finding>* findings,
                     std::string* err);

// The index of module in the host the scope holds.
int ModuleIndex(CheckScope& scope, const ide::DiskModule& module);

}  // namespace zori::cli
