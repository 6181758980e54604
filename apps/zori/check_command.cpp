#include "check_command.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "cli.h"
#include "form_checks.h"
#include "host_session.h"
#include "ide/disk_module.h"
#include "ide/form_editor.h"
#include "platform/classes.h"
#include "platform/component.h"
#include "project_inputs.h"

namespace zori::cli {
namespace {

struct Counts {
  int all = 0;
  int windowed = 0;
  int datasets = 0;
};

// Every component below root in the ownership tree (an inline frame owns its own).
void Count(const platform::TComponent& owner, Counts* counts) {
  for (int i = 0; i < owner.ComponentCount(); ++i) {
    const platform::TComponent& c = *owner.Components(i);
    ++counts->all;
    if (c.InheritsFrom("TWinControl")) ++counts->windowed;
    if (c.InheritsFrom("TDataSet")) ++counts->datasets;
    Count(c, counts);
  }
}

// "1 form", "2 forms".
std::string Counted(int count, const std::string& one, const std::string& many = {}) {
  return std::to_string(count) + " " + (count == 1 ? one : many.empty() ? one + "s" : many);
}

nlohmann::ordered_json ModuleJson(ide::DiskModule& module) {
  nlohmann::ordered_json out;
  out["unit"] = module.GetFileName();
  ide::FormEditor* form = module.Form();
  if (form == nullptr) {
    out["form"] = nullptr;
    return out;
  }
  Counts counts;
  Count(*form->Root(), &counts);
  nlohmann::ordered_json f;
  f["file"] = form->GetFileName();
  f["name"] = form->Root()->Name();
  f["class"] = form->Root()->ClassName();
  f["components"] = counts.all;
  f["windowed"] = counts.windowed;
  f["datasets"] = counts.datasets;
  out["form"] = std::move(f);
  return out;
}

// The text report of one unit: its form and the form's findings.
void PrintModule(const nlohmann::ordered_json& module, std::ostream& out) {
  out << module["unit"].get<std::string>() << ": ";
  const auto& f = module["form"];
  if (f.is_null()) {
    out << "no form\n";
    return;
  }
  out << "form " << f["name"].get<std::string>() << " (" << f["class"].get<std::string>() << "), "
      << Counted(f["components"].get<int>(), "component") << ", " << f["windowed"].get<int>()
      << " windowed, " << Counted(f["datasets"].get<int>(), "dataset") << "\n";
  for (const auto& finding : module["findings"]) {
    out << "  " << finding["check"].get<std::string>() << ": "
        << finding["summary"].get<std::string>() << "\n";
  }
}

struct CheckOptions {
  std::vector<std::string> paths;
  std::vector<std::string> classes;
  std::vector<std::string> only;
  std::vector<std::string> search_paths;
  bool json = false;
};

int RunCheck(const CheckOptions& options, Context& context) {
  std::vector<const FormCheck*> checks;
  for (const FormCheck& check : FormChecks()) {
    if (options.only.empty() ||
        std::find(options.only.begin(), options.only.end(), check.name) != options.only.end())
      checks.push_back(&check);
  }

  std::vector<std::string> errors;
  std::vector<std::string> warnings;
  std::vector<std::string> notes;  // what a load chose on its own
  const std::vector<InputGroup> groups = GroupInputs(options.paths, &errors);
  nlohmann::ordered_json doc;
  doc["project"] = nullptr;
  doc["projects"] = nlohmann::ordered_json::array();
  doc["modules"] = nlohmann::ordered_json::array();
  int modules = 0;
  int forms = 0;
  int findings = 0;
  int forms_with_findings = 0;
  std::set<std::string> seen;  // a unit two projects share is checked once
  PathKeys unit_key;
  // Classes no class table knew, each once, as the forms showed them: the user can copy
  // them into zori.classes.xml with their real ancestors and properties.
  nlohmann::ordered_json inferred = nlohmann::ordered_json::array();
  // A class one form judged non-visual for want of a sign gives way to another form's
  // stronger judgement.
  std::map<std::string, size_t> seen_classes;
  CheckScope scope(context);
  for (const InputGroup& group : groups) {
    // Each form is checked alone, so memory stays that of one form however large the project.
    HostSession session =
        OpenProject(group.paths, options.classes, options.search_paths, /*one_at_a_time=*/true);
    ide::DiskHost& host = *session.host;
    scope.SetHost(&host);
    if (doc["project"].is_null()) doc["project"] = host.ProjectFile();
    if (!group.project.empty()) doc["projects"].push_back(group.project);
    for (int i = 0; i < host.ListedCount(); ++i) {
      const ListedModule open(host, i, &session.errors);
      if (open.get() == nullptr) continue;
      ide::DiskModule& module = *open.get();
      if (!seen.insert(unit_key(module.GetFileName())).second) continue;
      if (context.progress) {
        context.err << "\r\033[K[" << (i + 1) << "/" << host.ListedCount() << "] "
                    << module.GetFileName() << std::flush;
      }
      nlohmann::ordered_json entry = ModuleJson(module);
      if (module.Form() != nullptr) {
        ++forms;
        // The form still loads, only without what the missing ancestor gives it.
        for (const std::string& missing : module.Form()->MissingAncestors()) {
          warnings.push_back(module.Form()->GetFileName() + ": the form of ancestor class " +
                             missing +
                             " was not found (its unit can be given with --search-path); the "
                             "form is loaded without what it inherits");
        }
        for (const ide::InferredClass& cls : module.Form()->InferredClasses()) {
          auto [at, added] = seen_classes.emplace(platform::UpperAscii(cls.name), inferred.size());
          if (!added &&
              (inferred[at->second]["parent"] != "TComponent" || cls.parent == "TComponent")) {
            continue;
          }
          nlohmann::ordered_json item;
          item["class"] = cls.name;
          item["parent"] = cls.parent;
          item["reason"] = cls.reason;
          item["file"] = cls.file;
          item["line"] = cls.line;
          if (added) {
            inferred.push_back(std::move(item));
          } else {
            inferred[at->second] = std::move(item);
          }
        }
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const FormCheck* check : checks) {
          std::vector<Finding> found;
          std::string err;
          if (!check->run(scope, module, &found, &err)) {
            session.errors.push_back(module.GetFileName() + ": " + check->name + ": " + err);
          }
          for (Finding& finding : found) {
            nlohmann::ordered_json item;
            item["check"] = finding.check;
            item["summary"] = finding.summary;
            if (finding.detail.is_object()) item.update(finding.detail);
            list.push_back(std::move(item));
          }
        }
        if (!list.empty()) ++forms_with_findings;
        findings += static_cast<int>(list.size());
        entry["findings"] = std::move(list);
      }
      ++modules;
      // The text report goes out unit by unit, so a large project is never held whole.
      if (options.json) {
        doc["modules"].push_back(std::move(entry));
      } else {
        if (context.progress) context.err << "\r\033[K" << std::flush;
        PrintModule(entry, context.out);
      }
    }
    errors.insert(errors.end(), session.errors.begin(), session.errors.end());
    notes.insert(notes.end(), session.notes.begin(), session.notes.end());
  }
  if (context.progress) context.err << "\r\033[K" << std::flush;
  doc["findings"] = findings;
  doc["inferred_classes"] = inferred;
  doc["errors"] = errors;
  doc["warnings"] = warnings;
  doc["notes"] = notes;

  if (options.json) {
    context.out << doc.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
                << "\n";
  } else {
    if (!inferred.empty()) {
      context.out << inferred.size() << (inferred.size() == 1 ? " class" : " classes")
                  << " no class table knows, inferred from the forms (--json lists them)\n";
    }
    context.out << modules << (modules == 1 ? " module, " : " modules, ") << forms
                << (forms == 1 ? " form" : " forms");
    if (findings > 0) {
      context.out << ", " << findings << (findings == 1 ? " finding in " : " findings in ")
                  << forms_with_findings << (forms_with_findings == 1 ? " form" : " forms");
    }
    context.out << "\n";
  }
  if (!options.json) {
    for (const std::string& note : notes) context.out << note << "\n";
  }
  for (const std::string& warning : warnings)
    context.err << "zori check: warning: " << warning << "\n";
  for (const std::string& error : errors) context.err << "zori check: " << error << "\n";
  if (!errors.empty()) return 2;
  return findings > 0 ? 1 : 0;
}

}  // namespace

void AddCheckCommand(CLI::App& app, Context& context, int& exit_code) {
  std::string names;
  for (const FormCheck& check : FormChecks()) {
    names += std::string(names.empty() ? "" : "; ") + check.name + ": " + check.about;
  }
  auto* cmd = app.add_subcommand(
      "check",
      "Open Delphi and Lazarus projects and list their units: for each, the form's root name and "
      "class, "
      "its counts of components, windowed controls and datasets, and the findings of the "
      "checks (" +
          names +
          "), each with what the tool would change. Classes no class table knows are judged "
          "from the form file (a windowed control when its object stores TabOrder or holds "
          "controls, a dataset when it holds persistent fields, else a non-visual component); "
          "--json lists them under inferred_classes. Inherited forms and inline frames take "
          "what their ancestors' forms give; an ancestor form that cannot be found is a "
          "warning on stderr and does not change the exit code. Nothing is written. "
          "Exit 0 when every input loaded and nothing was found, 1 when there are findings, 2 "
          "when an input could not be read or holds nothing to check (the reasons go to stderr).");
  auto options = std::make_shared<CheckOptions>();
  cmd->add_option("PATH", options->paths,
                  "a Delphi project (.dpr) or Lazarus project (.lpi, .lpr), .pas/.dfm/.lfm "
                  "files, or a folder searched through: each .dpr, .lpi (or .lpr without "
                  "its .lpi) in it is a project, and units no project names are checked on "
                  "their own. A Lazarus project's forms are read with the LCL's class table "
                  "(data/classes-lcl.xml)")
      ->required();
  AddClassesOption(*cmd, options->classes);
  std::vector<std::string> valid;
  for (const FormCheck& check : FormChecks()) valid.push_back(check.name);
  cmd->add_option("--only", options->only,
                  "run only this check (repeatable); without it every check runs")
      ->option_text("CHECK")
      ->allow_extra_args(false)
      ->check(CLI::IsMember(valid));
  AddSearchPathOption(*cmd, options->search_paths);
  cmd->add_flag("--json", options->json,
                "print one JSON document instead of text (each form's findings included)");
  cmd->callback([options, &context, &exit_code] { exit_code = RunCheck(*options, context); });
}

}  // namespace zori::cli
