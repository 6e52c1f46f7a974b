#include "base/SaveTemporaries.h"

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <charconv>
#include <ctime>
#include <optional>
#include <string_view>
#include <system_error>

namespace vornic {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view Mark = ".vornic-";
constexpr std::size_t RandomLength = 6;  // mkstemp's XXXXXX
// Names longer than the usual limit of 255 bytes fail to be created; the mark, the process id
// and the random part need at most 30.
constexpr std::size_t MaxKeptName = 200;
// A save writes a few kilobytes; one whose file has not changed for this long has died.
constexpr std::time_t StaleAfterSeconds = 10 * 60;
// The process id names a process of this machine; on a folder shared over the network another
// machine's save may still be writing, and no save takes this long between its writes.
constexpr std::time_t GraceAfterExitSeconds = 60;

// The id of the process that made a temporary file of this name, or nothing for any other name.
std::optional<pid_t> CreatorOf(std::string_view Name) {
  if (Name.size() < 2 + Mark.size() + 2 + RandomLength || Name.front() != '.') return {};
  const std::size_t At = Name.rfind(Mark);
  if (At == std::string_view::npos || At == 0) return {};
  std::string_view Rest = Name.substr(At + Mark.size());
  if (Rest.size() < 2 + RandomLength || Rest[Rest.size() - RandomLength - 1] != '-') return {};
  for (char C : Rest.substr(Rest.size() - RandomLength))
    if (!std::isalnum(static_cast<unsigned char>(C))) return {};
  const std::string_view Digits = Rest.substr(0, Rest.size() - RandomLength - 1);
  pid_t Pid = 0;
  const auto [End, Error] = std::from_chars(Digits.data(), Digits.data() + Digits.size(), Pid);
  if (Error != std::errc() || End != Digits.data() + Digits.size() || Pid <= 0) return {};
  return Pid;
}

bool IsRunning(pid_t Pid) {
  return ::kill(Pid, 0) == 0 || errno != ESRCH;
}

}  // namespace

std::string SaveTemporaryPattern(const fs::path& Target) {
  std::string Name = Target.filename().string();
  if (Name.size() > MaxKeptName) Name.resize(MaxKeptName);
  const fs::path Folder = Target.has_parent_path() ? Target.parent_path() : fs::path(".");
  return (Folder / ("." + Name + std::string(Mark) + std::to_string(::getpid()) + "-XXXXXX"))
      .string();
}

void RemoveStaleSaveTemporaries(const fs::path& Folder) {
  std::error_code Error;
  fs::directory_iterator Entries(Folder.empty() ? fs::path(".") : Folder, Error);
  const std::time_t Now = std::time(nullptr);
  for (; !Error && Entries != fs::directory_iterator(); Entries.increment(Error)) {
    const fs::path& Path = Entries->path();
    const std::optional<pid_t> Creator = CreatorOf(Path.filename().native());
    struct stat Status {};
    if (!Creator || ::lstat(Path.c_str(), &Status) != 0 || !S_ISREG(Status.st_mode) ||
        Status.st_uid != ::geteuid())
      continue;
    const std::time_t Age = Now - Status.st_mtime;
    if (Age >= StaleAfterSeconds || (Age >= GraceAfterExitSeconds && !IsRunning(*Creator)))
      ::unlink(Path.c_str());
  }
}

}  // namespace vornic
