// Answers files: what a user would do in each modal window, written down for the command
// line, read into a scripted modal driver.
//
//   # comment
//   F_ZORI_Config  set chk_salvar_Auto.Checked True
//   F_ZORI_Config  select cb_Modo 1
//   F_ZORI_Config  click bbtn_Ok
//   F_ZORI_Msg     result mrOk          (also: enter, escape)
//   message        IDCANCEL             (the next message box's answer)
//   file           C:\tools\check.exe (the next file chooser's pick; "file" alone cancels)
//   default        mrCancel             (for windows with no step left)
#pragma once

#include <string>
#include <string_view>

#include "platform/modal_driver.h"

namespace platform {

// Adds the steps of an answers text to driver. file_name only labels errors. Returns false
// and fills err with "file:line:column: what was expected, what was found" on the first
// fault; steps before the fault stay queued.
bool LoadAnswers(std::string_view text, const std::string& file_name, ScriptedModalDriver& driver,
                 std::string* err);

}  // namespace platform
