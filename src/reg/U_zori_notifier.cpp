#include "reg/U_zori_notifier.h"

// The notifier is registered so the IDE's events reach the add-in; none of them is acted
// on yet, and the cancel flag is never set.
void TZORIIDEEvents::FileNotification(ide::TOTAFileNotification, const std::string&, bool&) {}
void TZORIIDEEvents::BeforeCompile(const std::shared_ptr<ide::IOTAProject>&, bool&) {}
void TZORIIDEEvents::AfterCompile(bool) {}
void TZORIIDEEvents::BeforeCompile(const std::shared_ptr<ide::IOTAProject>&, bool, bool&) {}
void TZORIIDEEvents::AfterCompile(bool, bool) {}
