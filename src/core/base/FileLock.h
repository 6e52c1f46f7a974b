#pragma once

#include <chrono>
#include <filesystem>

namespace vornic {

// An exclusive lock between programs on a file, held through a lock file beside it (the file's
// name + ".lock", locked with flock, so that a program that dies lets go at once). For a
// read-change-write of a file that several programs may change. The lock file stays.
class FileLock {
 public:
  // Waits up to Wait for the lock on Target. Throws DocumentError naming the file when the lock
  // file cannot be made (the system's reason) or another program holds the lock for longer.
  FileLock(const std::filesystem::path& Target, std::chrono::milliseconds Wait);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  static std::filesystem::path LockFileOf(const std::filesystem::path& Target);

 private:
  int Descriptor = -1;
};

}  // namespace vornic
