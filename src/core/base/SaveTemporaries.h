#pragma once

#include <filesystem>
#include <string>

namespace vornic {

// The temporary files a save writes before it replaces its target. Their names are hidden and
// carry the saving process's id, so that a later save in the same folder can tell a leftover of
// a killed save from anything else:  .<target name>.vornic-<pid>-XXXXXX

// A mkstemp pattern for a temporary file beside Target (in Target's folder). A very long target
// name is shortened so the temporary name stays within the file system's name limit.
std::string SaveTemporaryPattern(const std::filesystem::path& Target);

// Removes from Folder the temporary files of earlier saves that can no longer finish: regular
// files of this user, named by SaveTemporaryPattern, whose saving process is gone (and that have
// not been written for a minute), or that have not been written for ten minutes. Nothing else
// is touched; errors are ignored, as tidying must never fail a save.
void RemoveStaleSaveTemporaries(const std::filesystem::path& Folder);

}  // namespace vornic
