// TZORIIDEEvents: the add-in's IDE notifier, registered by Register and removed at unload.
// It answers every IDE event and, for now, does nothing with any of them: closing the
// datasets and running a program before a compile, and applying the layout when a project
// loads, come with the notifier's own work.
#pragma once

#include <memory>
#include <string>

#include "ide/ToolsAPI.h"

class TZORIIDEEvents : public ide::TNotifierObject, public ide::IOTAIDENotifier50 {
 public:
  void FileNotification(ide::TOTAFileNotification NotifyCode, const std::string& FileName,
                        bool& Cancel) override;
  void BeforeCompile(const std::shared_ptr<ide::IOTAProject>& Project, bool& Cancel) override;
  void AfterCompile(bool Succeeded) override;
  void BeforeCompile(const std::shared_ptr<ide::IOTAProject>& Project, bool IsCodeInsight,
                     bool& Cancel) override;
  void AfterCompile(bool Succeeded, bool IsCodeInsight) override;
};
