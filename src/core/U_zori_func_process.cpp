#include <optional>

#include "core/U_zori_func.h"
#include "platform/process.h"

int FN_WinExecAndWait(const std::string& Comando, int Modo, int LimiteSegundos,
                      platform::ProcessResult* Resultado) {
  std::optional<int64_t> limit;
  if (LimiteSegundos > 0) limit = int64_t{LimiteSegundos} * 1000;
  // Any mode but hidden shows the program, as the show-mode values of the platform do.
  platform::ProcessResult result = platform::RunCommandLine(
      Comando, Modo == platform::SW_HIDE ? platform::SW_HIDE : platform::SW_SHOW, limit);
  const int code =
      result.started && !result.timed_out && result.error.empty() ? result.exit_code : -1;
  if (Resultado != nullptr) *Resultado = std::move(result);
  return code;
}
