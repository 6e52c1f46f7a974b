#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vornic {

// Writes a whole file so that a failure never destroys the previous one: the bytes go to a
// hidden temporary file in the target's folder, which then replaces the target. A symbolic link
// is written through: its target (at the end of any chain of links; created when missing) gets
// the bytes and keeps its owner and permissions, and the link stays. Leftovers of earlier saves
// killed mid-way in that folder are removed (SaveTemporaries.h).
// Throws DocumentError "Cannot create file <path>. <reason>" when the folder cannot be written,
// the target is a read-only file, a folder, a device or a pipe, or the links loop; the target
// then stays as it was and no temporary file is left.
void WriteFileAtomically(const std::filesystem::path& Target, std::string_view Bytes);

}  // namespace vornic
