#include "base/WriteTarget.h"

#include <cerrno>
#include <system_error>

namespace vornic {
namespace fs = std::filesystem;
namespace {

// As many links as the kernel follows in one path (its SYMLOOP_MAX).
constexpr int MaxLinks = 40;

}  // namespace

WriteTarget ResolveWriteTarget(const fs::path& Name) {
  WriteTarget Target;
  Target.Path = Name;
  for (int Links = 0; Links <= MaxLinks; ++Links) {
    if (::lstat(Target.Path.c_str(), &Target.Status) != 0) {
      // A name that does not exist yet is a new file; any other failure is the reason.
      if (errno != ENOENT) Target.Error = errno;
      return Target;
    }
    if (!S_ISLNK(Target.Status.st_mode)) {
      Target.Exists = true;
      return Target;
    }
    std::error_code Error;
    const fs::path Next = fs::read_symlink(Target.Path, Error);
    if (Error) {
      Target.Error = Error.value();
      return Target;
    }
    // A relative link names its target from the link's own folder.
    Target.Path = Next.is_absolute() ? Next : Target.Path.parent_path() / Next;
  }
  Target.Error = ELOOP;
  return Target;
}

}  // namespace vornic
