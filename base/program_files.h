#pragma once
// The program's own data folder and the whole-file reads and writes of the files it keeps there
// (the settings and the favourites). Every operation reports its failure as an error code and
// never throws, so a file that cannot be read or written costs the user one message, not the
// program.

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace morvenda {

// $XDG_DATA_HOME/Morvenda/, or $HOME/.local/share/Morvenda/ when XDG_DATA_HOME is unset, empty
// or relative (a relative value would move with the working directory).
std::filesystem::path GetProgramFilesDir();

// Creates the missing folders of the path and an empty file when none of that name exists; an
// existing file keeps its content.
std::error_code EnsureFileExists(const std::filesystem::path& path);

// The whole content of a file.
std::error_code ReadWholeFile(const std::filesystem::path& path, std::string& content);

// Replaces the content of a file in one step: the new content goes to a temporary file beside
// it, reaches the disk, and is renamed over the old. Whatever fails, the old file is left as it
// was and no temporary file stays behind. A file without any write permission counts as
// read-only and is refused, though renaming would replace it. A new file gets the usual
// permissions, an existing one keeps its own.
std::error_code WriteFileAtomically(const std::filesystem::path& path, std::string_view content);

// A short Chinese reason for a failed file operation, for messages that name the file.
std::string FileErrorReason(std::error_code error);

}  // namespace morvenda
