#include "base/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "base/DocumentError.h"

namespace vornic {
namespace fs = std::filesystem;
namespace {

[[noreturn]] void CannotCreate(const fs::path& Target) {
  const std::string Reason = std::strerror(errno);
  throw DocumentError("Cannot create file \"" + Target.string() + "\". " + Reason);
}

bool WriteAll(int Descriptor, std::string_view Bytes) {
  while (!Bytes.empty()) {
    const ssize_t Written = ::write(Descriptor, Bytes.data(), Bytes.size());
    if (Written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    Bytes.remove_prefix(static_cast<std::size_t>(Written));
  }
  return true;
}

}  // namespace

void WriteFileAtomically(const fs::path& Target, std::string_view Bytes) {
  if (Target.empty()) {
    errno = ENOENT;
    CannotCreate(Target);
  }
  // A file whose write bits are all off is read-only to the user, also when root could replace
  // it: refuse as the platform's file functions would.
  struct stat Current {};
  if (::stat(Target.c_str(), &Current) == 0 && S_ISREG(Current.st_mode) &&
      (Current.st_mode & 0222) == 0) {
    errno = EACCES;
    CannotCreate(Target);
  }
  const fs::path Folder = Target.has_parent_path() ? Target.parent_path() : fs::path(".");
  std::string Pattern = (Folder / ("." + Target.filename().string() + ".XXXXXX")).string();
  const int Descriptor = ::mkstemp(Pattern.data());
  if (Descriptor < 0) CannotCreate(Target);

  // Keep the permissions of a file being replaced; new files get the usual 0666 & ~umask.
  struct stat Existing {};
  mode_t Mode;
  if (::stat(Target.c_str(), &Existing) == 0) {
    Mode = Existing.st_mode & 07777;
  } else {
    const mode_t Mask = ::umask(0);
    ::umask(Mask);
    Mode = 0666 & ~Mask;
  }
  ::fchmod(Descriptor, Mode);

  const bool Written = WriteAll(Descriptor, Bytes) && ::fsync(Descriptor) == 0;
  const int SavedErrno = errno;
  const bool Closed = ::close(Descriptor) == 0;
  if (!Written || !Closed || ::rename(Pattern.c_str(), Target.c_str()) != 0) {
    const int Reason = Written && Closed ? errno : SavedErrno;
    ::unlink(Pattern.c_str());
    errno = Reason;
    CannotCreate(Target);
  }
}

std::string ReadWholeFile(const fs::path& Source) {
  std::ifstream In(Source, std::ios::binary);
  std::error_code Error;
  if (!In || fs::is_directory(Source, Error))
    throw DocumentError("Cannot open file \"" + Source.string() + "\". " +
                        (errno != 0 ? std::strerror(errno) : "The file cannot be read."));
  std::ostringstream Buffer;
  Buffer << In.rdbuf();
  if (In.bad()) throw DocumentError("Cannot open file \"" + Source.string() + "\".");
  return std::move(Buffer).str();
}

}  // namespace vornic
