#pragma once

#include <filesystem>
#include <string_view>

namespace vornic {

// Writes a whole file so that a failure never destroys the previous one: the bytes go to a
// temporary file beside the target, which then replaces it. Throws DocumentError with
// "Cannot create file <path>" when the folder cannot be written or the target is a read-only
// file, and leaves no temporary file.
void WriteFileAtomically(const std::filesystem::path& Target, std::string_view Bytes);

// Reads a whole file. Throws DocumentError "Cannot open file <path>" when it cannot be read.
std::string ReadWholeFile(const std::filesystem::path& Source);

}  // namespace vornic
