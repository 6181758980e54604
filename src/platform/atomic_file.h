// Writing a whole file so that a crash or a full disk never leaves it half written.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Writes bytes to a temporary file in path's folder, flushes it to disk and renames it over
// path. On any failure the temporary file is removed, an existing file at path is left as
// it was, and EFileError "<path>: cannot write: <reason>" is raised.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// Reads a whole file; raises EFileError "<path>: cannot read: <reason>".
std::string ReadWholeFile(const std::string& path);

}  // namespace platform
