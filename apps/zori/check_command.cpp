#include "check_command.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <map>
#include <string>
#include <vector>

#include "cli.h"
#include "host_session.h"
#include "ide/disk_module.h"
#include "ide/form_editor.h"
#include "platform/classes.h"
#include "platform/component.h"

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

int RunCheck(const std::vector<std::string>& paths, const std::vector<std::string>& classes,
             bool json, Context& context) {
  HostSession session = OpenProject(paths, classes);
  ide::DiskHost& host = *session.host;
  nlohmann::ordered_json doc;
  doc["project"] = host.ProjectFile();
  doc["modules"] = nlohmann::ordered_json::array();
  int forms = 0;
  for (int i = 0; i < host.ModuleCount(); ++i) {
    nlohmann::ordered_json module = ModuleJson(*host.Module(i));
    if (!module["form"].is_null()) ++forms;
    doc["modules"].push_back(std::move(module));
  }
  // Classes no class table knew, each once, as the forms showed them: the user can copy
  // them into zori.classes.xml with their real ancestors and properties.
  nlohmann::ordered_json inferred = nlohmann::ordered_json::array();
  // A class one form judged non-visual for want of a sign gives way to another form's
  // stronger judgement.
  std::map<std::string, size_t> seen;
  for (int i = 0; i < host.ModuleCount(); ++i) {
    const ide::FormEditor* form = host.Module(i)->Form();
    if (form == nullptr) continue;
    for (const ide::InferredClass& cls : form->InferredClasses()) {
      auto [at, added] = seen.emplace(platform::UpperAscii(cls.name), inferred.size());
      if (!added &&
          (inferred[at->second]["parent"] != "TComponent" || cls.parent == "TComponent")) {
        continue;
      }
      nlohmann::ordered_json entry;
      entry["class"] = cls.name;
      entry["parent"] = cls.parent;
      entry["reason"] = cls.reason;
      entry["file"] = cls.file;
      entry["line"] = cls.line;
      if (added) {
        inferred.push_back(std::move(entry));
      } else {
        inferred[at->second] = std::move(entry);
      }
    }
  }
  doc["inferred_classes"] = inferred;
  doc["errors"] = session.errors;
  doc["notes"] = session.notes;

  if (json) {
    context.out << doc.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
                << "\n";
  } else {
    for (const auto& module : doc["modules"]) {
      context.out << module["unit"].get<std::string>() << ": ";
      const auto& f = module["form"];
      if (f.is_null()) {
        context.out << "no form\n";
        continue;
      }
      context.out << "form " << f["name"].get<std::string>() << " ("
                  << f["class"].get<std::string>() << "), " << f["components"].get<int>()
                  << " components, " << f["windowed"].get<int>() << " windowed, "
                  << f["datasets"].get<int>() << " datasets\n";
    }
    if (!inferred.empty()) {
      context.out << inferred.size() << (inferred.size() == 1 ? " class" : " classes")
                  << " no class table knows, inferred from the forms (--json lists them)\n";
    }
    context.out << host.ModuleCount() << (host.ModuleCount() == 1 ? " module, " : " modules, ")
                << forms << (forms == 1 ? " form" : " forms") << "\n";
  }
  if (!json) {
    for (const std::string& note : session.notes) context.out << note << "\n";
  }
  for (const std::string& error : session.errors) context.err << "zori check: " << error << "\n";
  return session.errors.empty() ? 0 : 2;
}

}  // namespace

void AddCheckCommand(CLI::App& app, Context& context, int& exit_code) {
  auto* cmd = app.add_subcommand(
      "check",
      "Open a Delphi project and list its units: for each, the form's root name and class "
      "and its counts of components, windowed controls and datasets. Classes no class table "
      "knows are judged from the form file (a windowed control when its object stores "
      "TabOrder or holds controls, a dataset when it holds persistent fields, else a "
      "non-visual component); --json lists them under inferred_classes. Exit 0 when every "
      "input loaded, 2 when one could not be read (the reasons go to stderr).");
  struct Options {
    std::vector<std::string> paths;
    std::vector<std::string> classes;
    bool json = false;
  };
  auto options = std::make_shared<Options>();
  cmd->add_option("PATH", options->paths,
                  "a Delphi project (.dpr) or Lazarus project (.lpi, .lpr), a folder (its one "
                  ".dpr, else its one .lpi, else its one .lpr, else every unit in it), or "
                  ".pas/.dfm/.lfm files. A Lazarus project's forms are read with the LCL's "
                  "class table (data/classes-lcl.xml)")
      ->required();
  cmd->add_option("--classes", options->classes,
                  "an extra class table (XML, the shape of data/classes.xml) for your own "
                  "component classes; repeatable. A zori.classes.xml beside the project is "
                  "read too")
      ->option_text("FILE");
  cmd->add_flag("--json", options->json, "print one JSON document instead of text");
  cmd->callback([options, &context, &exit_code] {
    exit_code = RunCheck(options->paths, options->classes, options->json, context);
  });
}

}  // namespace zori::cli
