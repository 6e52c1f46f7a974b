#include "base/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <thread>

#include "base/DocumentError.h"

namespace vornic {

std::filesystem::path FileLock::LockFileOf(const std::filesystem::path& Target) {
  std::filesystem::path Lock = Target;
  Lock += ".lock";
  return Lock;
}

FileLock::FileLock(const std::filesystem::path& Target, std::chrono::milliseconds Wait) {
  const std::filesystem::path Lock = LockFileOf(Target);
  Descriptor = ::open(Lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (Descriptor < 0)
    throw DocumentError("Unable to write to " + Target.string() + ": the lock file \"" +
                        Lock.string() + "\" cannot be made. " + std::strerror(errno));
  const auto Deadline = std::chrono::steady_clock::now() + Wait;
  while (::flock(Descriptor, LOCK_EX | LOCK_NB) != 0) {
    const int Reason = errno;
    if (Reason == EINTR) continue;
    const bool Held = Reason == EWOULDBLOCK;
    if (!Held || std::chrono::steady_clock::now() >= Deadline) {
      ::close(Descriptor);
      throw DocumentError(
          "Unable to write to " + Target.string() +
          (Held ? ": another program is changing it (it holds \"" + Lock.string() +
                      "\"). Try again in a moment."
                : ": \"" + Lock.string() + "\" cannot be locked. " + std::strerror(Reason)));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

FileLock::~FileLock() {
  ::flock(Descriptor, LOCK_UN);
  ::close(Descriptor);
}

}  // namespace vornic
