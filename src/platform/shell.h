// The shell's "open": hands a web or mail address to the desktop's opener.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Opens address with the desktop's opener (xdg-open on PATH), as its single argument and
// never through a shell. False with the reason in *reason when there is no opener, the
// address is empty or could be taken for an option, or the opener reported a failure.
bool ShellOpen(std::string_view address, std::string* reason);

}  // namespace platform
