// TZORIIDEEvents: the add-in's IDE notifier, registered by Register and removed at unload.
// Before a compile (not a code-insight one) it closes the designed forms' datasets when so
// configured and runs the configured program, cancelling the compile unless the program
// ran to its end with the expected exit code. A project loaded before the tool menu is
// built gets the stored window layout applied.
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
