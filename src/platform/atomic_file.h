// Writing a whole file so that a crash or a full disk never leaves it half written.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Writes bytes to a temporary file in path's folder, flushes it to disk and renames it over
// path. On any failure the temporary file is removed, an existing file at path is left as
// it was, and EFileError "<path>: cannot write: <reason>" is raised. A symbolic link is
// written through: the file it names is replaced and the link stays.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// Reads a whole file; raises EFileError "<path>: cannot read: <reason>".
std::string ReadWholeFile(const std::string& path);

// The file a write to path replaces: path itself, or the file a symbolic link at path
// names.
std::string WriteTarget(const std::string& path);

// Writes bytes to a new temporary file beside target (named after it and this process),
// flushed to disk, with the permissions of the file it is to replace. Returns 0 with
// *temp set, or an errno value with nothing left behind.
int WriteTemporary(const std::string& target, std::string_view bytes, std::string* temp);

// Removes the temporary files beside target that processes no longer running (killed in
// the middle of a write) left behind.
void RemoveStaleTemporaries(const std::string& target);

// Makes the renames done in path's folder durable; a failure here undoes nothing.
void SyncFolderOf(const std::string& path);

}  // namespace platform
