#pragma once

#include <sys/stat.h>

#include <filesystem>

namespace vornic {

// Where a save of a name really lands. A symbolic link is followed to its target, through any
// chain of links, so that a save writes the linked file and keeps the link; a link whose
// target does not exist yet lands on that target, which the save creates. Another user's link in
// a shared folder such as /tmp is not followed (EACCES), as the kernel would not follow it.
struct WriteTarget {
  std::filesystem::path Path;  // the file to replace or create
  bool Exists = false;         // whether Path exists; Status then describes it
  struct stat Status {};
  int Error = 0;  // an errno value when the name cannot be followed (ELOOP for a loop of links)
};

WriteTarget ResolveWriteTarget(const std::filesystem::path& Name);

}  // namespace vornic
