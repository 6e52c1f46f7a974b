#include "base/BoundedFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "base/DocumentError.h"

namespace vornic {
namespace {

[[noreturn]] void Refuse(const std::filesystem::path& Source, const std::string& Reason) {
  throw DocumentError("Cannot open file \"" + Source.string() + "\". " + Reason);
}

// Why a file of this kind cannot be read as a document; empty for a regular file.
std::string KindProblem(const struct stat& Status) {
  if (S_ISREG(Status.st_mode)) return {};
  if (S_ISDIR(Status.st_mode)) return "It is a folder.";
  return "It is not a regular file (a device, pipe or socket).";
}

std::string TooLarge(std::uintmax_t MaxBytes) {
  return "It is larger than " + std::to_string(MaxBytes) + " bytes, more than any puzzle needs.";
}

// Closes the descriptor on every path out.
struct Descriptor {
  int Value;
  ~Descriptor() {
    if (Value >= 0) ::close(Value);
  }
};

}  // namespace

std::string ReadBoundedFile(const std::filesystem::path& Source, std::uintmax_t MaxBytes) {
  struct stat Status {};
  if (::stat(Source.c_str(), &Status) != 0) Refuse(Source, std::strerror(errno));
  if (std::string Problem = KindProblem(Status); !Problem.empty()) Refuse(Source, Problem);
  // Non-blocking, so that a file swapped for a pipe after the check cannot block the open.
  const Descriptor File{::open(Source.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK)};
  if (File.Value < 0) Refuse(Source, std::strerror(errno));
  if (::fstat(File.Value, &Status) != 0) Refuse(Source, std::strerror(errno));
  if (std::string Problem = KindProblem(Status); !Problem.empty()) Refuse(Source, Problem);
  if (static_cast<std::uintmax_t>(Status.st_size) > MaxBytes) Refuse(Source, TooLarge(MaxBytes));

  std::string Bytes(static_cast<std::size_t>(Status.st_size), '\0');
  std::size_t Used = 0;
  for (;;) {
    if (Used == Bytes.size()) {
      if (Bytes.size() > MaxBytes) Refuse(Source, TooLarge(MaxBytes));
      Bytes.resize(Bytes.size() + 4096);  // the file grew since fstat
    }
    const ssize_t Got = ::read(File.Value, Bytes.data() + Used, Bytes.size() - Used);
    if (Got < 0) {
      if (errno == EINTR) continue;
      Refuse(Source, std::strerror(errno));
    }
    if (Got == 0) break;
    Used += static_cast<std::size_t>(Got);
  }
  Bytes.resize(Used);
  if (Bytes.size() > MaxBytes) Refuse(Source, TooLarge(MaxBytes));
  return Bytes;
}

}  // namespace vornic
