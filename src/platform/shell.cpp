#include "platform/shell.h"

#include "platform/process.h"

namespace platform {

bool ShellOpen(std::string_view address, std::string* reason) {
  auto fail = [reason](std::string why) {
    if (reason != nullptr) *reason = std::move(why);
    return false;
  };
  if (address.empty()) return fail("there is no address to open");
  // The opener takes a leading '-' as one of its options.
  if (address.front() == '-') return fail("'" + std::string(address) + "' is not an address");
  if (address.find('\0') != std::string_view::npos) return fail("the address holds a NUL");
  const std::string opener = FindOnPath("xdg-open");
  if (opener.empty()) {
    return fail("no desktop opener (xdg-open) was found to open " + std::string(address));
  }
  // The opener hands over to the desktop and returns; a hung one is not waited for long.
  constexpr int64_t kOpenerTimeLimitMs = 30000;
  const ProcessResult run = RunProcess({opener, std::string(address)}, SW_HIDE, kOpenerTimeLimitMs);
  if (!run.started || run.timed_out) return fail(run.error);
  if (run.exit_code != 0) {
    return fail("the desktop opener could not open " + std::string(address) + " (exit code " +
                std::to_string(run.exit_code) + ")");
  }
  return true;
}

}  // namespace platform
