#include "designer_run.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "cli.h"
#include "ide/dfm_document.h"
#include "ide/disk_host.h"
#include "ide/disk_module.h"
#include "ide/file_system.h"
#include "ide/form_editor.h"
#include "ide/source_editor.h"
#include "ide/text_encoding.h"
#include "platform/application.h"
#include "platform/clock.h"
#include "reg/U_zori_reg.h"

namespace zori::cli {

DesignerRun::DesignerRun(Context& context) : context_(context), session_(context) {}

DesignerRun::~DesignerRun() {
  // The package leaves the host's menu and notifiers while the host is still there.
  session_.Unload();
  project_.host.reset();
}

bool DesignerRun::Open(const std::vector<std::string>& paths,
                       const std::vector<std::string>& class_tables,
                       const std::vector<std::string>& search_paths, bool one_at_a_time) {
  std::string err;
  if (!session_.Load(&err)) {
    project_.errors.push_back(err);
    return false;
  }
  // The start-up second passes at once: the tools are wanted now.
  auto clock = std::make_unique<platform::ManualClock>();
  platform::ManualClock& time = *clock;
  platform::Application().SetClock(std::move(clock));
  project_ = OpenProject(paths, class_tables, search_paths, one_at_a_time);
  if (!project_.errors.empty()) return false;
  // Which project of a folder was opened, when the folder holds both kinds.
  for (const std::string& note : project_.notes) context_.err << "zori: " << note << "\n";
  Register();
  time.Advance(1000);
  platform::Application().ProcessMessages();
  if (v_Inst_ZORIIDEx == nullptr || !v_Inst_ZORIIDEx->FMenuBuilt) {
    project_.errors.push_back("the add-in's tool menu was not built");
    if (const std::string note = session_.MissingStoreNote(); !note.empty())
      project_.errors.push_back(note);
    return false;
  }
  return true;
}

bool DesignerRun::HasUnits() const {
  return project_.host->ModuleCount() > 0 || project_.host->ListedCount() > 0;
}

void DesignerRun::ForEachForm(const std::function<void(int index)>& visit) {
  ide::DiskHost& host = *project_.host;
  // Ancestor forms before the forms built on them: a tool's change to an ancestor reaches
  // its open descendants, which then find it already made rather than refuse it as
  // inherited.
  std::vector<int> forms;
  for (int i = 0; i < host.ModuleCount(); ++i) {
    if (host.Module(i)->Form() != nullptr) forms.push_back(i);
  }
  std::stable_sort(forms.begin(), forms.end(), [&host](int a, int b) {
    return host.Module(a)->Form()->AncestorFormCount() <
           host.Module(b)->Form()->AncestorFormCount();
  });
  for (int i : forms) visit(i);
  for (int i = 0; i < host.ListedCount(); ++i) {
    const ListedModule open(host, i, &project_.errors);
    if (open.get() != nullptr && open.get()->Form() != nullptr) visit(host.IndexOf(*open.get()));
  }
}

bool DesignerRun::SaveChanged(const std::string& command, size_t* written, bool* changed_on_disk) {
  *changed_on_disk = false;
  ide::DiskHost& host = *project_.host;
  ide::FileSystem& files = host.Files();
  auto same_as_disk = [&files](const std::string& path, const std::string& bytes) {
    std::string on_disk;
    std::string ignored;
    return files.ReadFile(path, &on_disk, &ignored) && on_disk == bytes;
  };
  bool ok = true;
  for (int i = 0; i < host.ModuleCount(); ++i) {
    ide::DiskModule& module = *host.Module(i);
    if (!module.Modified()) continue;
    std::vector<std::string> changed;
    if (ide::FormEditor* form = module.Form(); form != nullptr && form->GetModified()) {
      form->SyncFromComponents();
      if (same_as_disk(form->GetFileName(), form->Document().Write())) {
        form->ClearModified();  // marked, but nothing in it changed
      } else {
        changed.push_back(form->GetFileName());
      }
    }
    ide::SourceEditor& source = module.Source();
    if (source.GetModified()) {
      std::string bytes;
      std::string ignored;
      if (ide::EncodeText(source.Text(), module.SourceEncoding(), &bytes, &ignored) &&
          same_as_disk(module.GetFileName(), bytes)) {
        source.ClearModified();
      } else {
        changed.insert(changed.begin(), module.GetFileName());
      }
    }
    if (!module.Modified()) continue;
    if (!module.Save(false, true)) {
      context_.err << "zori " << command << ": " << module.LastError() << "\n";
      *changed_on_disk = *changed_on_disk || module.ChangedOnDisk();
      ok = false;
      continue;
    }
    for (const std::string& file : changed) context_.out << "wrote " << file << "\n";
    *written += changed.size();
  }
  return ok;
}

}  // namespace zori::cli
