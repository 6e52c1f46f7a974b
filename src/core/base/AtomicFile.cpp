#include "base/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "base/DocumentError.h"
#include "base/SaveTemporaries.h"
#include "base/WriteTarget.h"

namespace vornic {
namespace fs = std::filesystem;
namespace {

// Every reason is passed in as the errno value taken right after the failing call: errno itself
// may have been changed by any call made since.
[[noreturn]] void CannotCreate(const fs::path& Target, const std::string& Reason) {
  throw DocumentError("Cannot create file \"" + Target.string() + "\". " + Reason);
}

[[noreturn]] void CannotCreate(const fs::path& Target, int Reason) {
  CannotCreate(Target, std::strerror(Reason));
}

// Returns 0 or the errno value of the failing write.
int WriteAll(int Descriptor, std::string_view Bytes) {
  while (!Bytes.empty()) {
    const ssize_t Written = ::write(Descriptor, Bytes.data(), Bytes.size());
    if (Written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    Bytes.remove_prefix(static_cast<std::size_t>(Written));
  }
  return 0;
}

// The replaced file's owner, group and permissions; a new file gets 0666 less the umask.
void TakeOverAttributes(int Descriptor, const WriteTarget& Target) {
  if (!Target.Exists) {
    const mode_t Mask = ::umask(0);
    ::umask(Mask);
    ::fchmod(Descriptor, 0666 & ~Mask);
    return;
  }
  // Only root may give a file away; anyone may keep a group they belong to. Failing both, the
  // file becomes the saver's, as any editor's save would make it.
  const bool Kept = ::fchown(Descriptor, Target.Status.st_uid, Target.Status.st_gid) == 0 ||
                    ::fchown(Descriptor, static_cast<uid_t>(-1), Target.Status.st_gid) == 0;
  (void)Kept;
  ::fchmod(Descriptor, Target.Status.st_mode & 07777);
}

// The rename is on disk only once its folder is; a failure here loses nothing already saved.
void SyncFolder(const fs::path& Folder) {
  const int Descriptor = ::open(Folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (Descriptor < 0) return;
  ::fsync(Descriptor);
  ::close(Descriptor);
}

}  // namespace

void WriteFileAtomically(const fs::path& Name, std::string_view Bytes) {
  if (Name.empty()) CannotCreate(Name, ENOENT);
  const WriteTarget Target = ResolveWriteTarget(Name);
  if (Target.Error != 0) CannotCreate(Name, Target.Error);
  if (Target.Exists) {
    if (S_ISDIR(Target.Status.st_mode)) CannotCreate(Name, EISDIR);
    // Renaming over a device or a pipe would replace it with a plain file.
    if (!S_ISREG(Target.Status.st_mode)) CannotCreate(Name, "It is not a regular file.");
    // A file whose write bits are all off is read-only to the user, also when root could
    // replace it: refuse as the platform's file functions would.
    if ((Target.Status.st_mode & 0222) == 0) CannotCreate(Name, EACCES);
    if (::faccessat(AT_FDCWD, Target.Path.c_str(), W_OK, AT_EACCESS) != 0)
      CannotCreate(Name, errno);
  }

  const fs::path Folder = Target.Path.has_parent_path() ? Target.Path.parent_path() : ".";
  RemoveStaleSaveTemporaries(Folder);
  std::string Temporary = SaveTemporaryPattern(Target.Path);
  const int Descriptor = ::mkostemp(Temporary.data(), O_CLOEXEC);
  if (Descriptor < 0) CannotCreate(Name, errno);
  TakeOverAttributes(Descriptor, Target);

  int Reason = WriteAll(Descriptor, Bytes);
  if (Reason == 0 && ::fsync(Descriptor) != 0) Reason = errno;
  if (::close(Descriptor) != 0 && Reason == 0) Reason = errno;
  if (Reason == 0 && ::rename(Temporary.c_str(), Target.Path.c_str()) != 0) Reason = errno;
  if (Reason != 0) {
    ::unlink(Temporary.c_str());
    CannotCreate(Name, Reason);
  }
  SyncFolder(Folder);
}

}  // namespace vornic
