#include "reg/U_zori_notifier.h"

#include "core/U_zori_func.h"
#include "platform/menus.h"
#include "platform/process.h"
#include "reg/U_zori_reg.h"

namespace {

// Closes the datasets of every open form, unattended. An error here must not let the
// compile go on with live datasets, nor reach the IDE as a crash: it is shown and the
// compile is cancelled.
bool FN_Fecha_DataSets_Antes() {
  try {
    v_Inst_ZORIIDEx->PR_OnClick_Close_DataSets(nullptr);
    return true;
  } catch (const std::exception& e) {
    PR_Mensagem("", std::string(e.what()) + "\r\nBeforeCompile");
    return false;
  }
}

bool FN_Em_Branco(const std::string& text) {
  return text.find_first_not_of(" \t") == std::string::npos;
}

}  // namespace

void TZORIIDEEvents::FileNotification(ide::TOTAFileNotification NotifyCode, const std::string&,
                                      bool&) {
  // Only the project load during start-up: once the menu is built, the build applied it.
  if (NotifyCode != ide::ofnProjectDesktopLoad || v_Inst_ZORIIDEx == nullptr) return;
  if (!FN_Valor_Config("chk_auto_layout").AsBoolean() || v_Inst_ZORIIDEx->FMenuBuilt) return;
  v_Inst_ZORIIDEx->PR_OnClick_PL(v_Inst_ZORIIDEx->FMenuZORI);
}

void TZORIIDEEvents::BeforeCompile(const std::shared_ptr<ide::IOTAProject>&, bool&) {}
void TZORIIDEEvents::AfterCompile(bool) {}

void TZORIIDEEvents::BeforeCompile(const std::shared_ptr<ide::IOTAProject>&, bool IsCodeInsight,
                                   bool& Cancel) {
  if (IsCodeInsight || v_Inst_ZORIIDEx == nullptr) return;
  if (FN_Valor_Config("chk_before_compile").AsBoolean() && !FN_Fecha_DataSets_Antes()) {
    Cancel = true;
    return;
  }
  if (!FN_Valor_Config("chk_Exec_BComp").AsBoolean()) return;

  const int esperado = FN_Valor_Config("spe_Exec_BComp").AsInteger();
  const int modo =
      FN_Valor_Config("cb_Modo").AsInteger() == 0 ? platform::SW_HIDE : platform::SW_SHOW;
  const std::string programa = FN_Valor_Config("edt_app_exec").AsString();
  // The blank always separates the program from its parameters, even empty ones.
  const std::string comando = programa + " " + FN_Valor_Config("edt_Params").AsString();
  platform::ProcessResult resultado;
  // A blank program name is a program that cannot start, never a run of the parameters.
  FN_WinExecAndWait(FN_Em_Branco(programa) ? std::string() : comando, modo,
                    FN_Valor_Config("spe_limite_exec").AsInteger(), &resultado);
  // A program that did not run to its own end cancels the compile whatever code is
  // expected: -1 must not pass for "could not start".
  const bool terminou =
      resultado.started && !resultado.timed_out && !resultado.signaled && resultado.error.empty();
  if (!terminou || resultado.exit_code != esperado) Cancel = true;
}

void TZORIIDEEvents::AfterCompile(bool, bool) {}
