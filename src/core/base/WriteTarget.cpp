#include "base/WriteTarget.h"

#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace vornic {
namespace fs = std::filesystem;
namespace {

// As many links as the kernel follows in one path (its SYMLOOP_MAX).
constexpr int MaxLinks = 40;

// The kernel's rule for protected links: in a folder anyone may write to but only owners may
// delete from (/tmp), a link is followed only when it is the follower's or the folder's own.
// Following it in user space must not open the hole that rule closes: another user's link in
// /tmp would otherwise make a save replace any file of ours it points at.
bool MayFollow(const fs::path& Link, const struct stat& LinkStatus) {
  struct stat Folder {};
  const fs::path Parent = Link.has_parent_path() ? Link.parent_path() : fs::path(".");
  if (::stat(Parent.c_str(), &Folder) != 0) return false;
  const bool Shared = (Folder.st_mode & S_ISVTX) != 0 && (Folder.st_mode & S_IWOTH) != 0;
  return !Shared || LinkStatus.st_uid == ::geteuid() || LinkStatus.st_uid == Folder.st_uid;
}

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
    if (!MayFollow(Target.Path, Target.Status)) {
      Target.Error = EACCES;
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
