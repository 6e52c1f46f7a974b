#pragma once

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/DocumentError.h"

namespace vornic {

class SettingsText;
class FileLock;

// A settings file that exists but cannot be read (not a text file, too large, not a regular
// file, no permission). It is never written: the program works with its default set instead.
class SettingsUnreadable : public DocumentError {
 public:
  using DocumentError::DocumentError;
};

// The program's settings file and its character sets (section "Languages": each key a set's
// name, each value its characters as typed). The file is opened for each operation and closed
// right after; nothing is cached. Names and values are UTF-8; the file may be UTF-8, Windows-1252
// (older installations) or UTF-16 with its byte order mark, and keeps its form. How the file is
// read and edited, keeping every byte an operation does not change, is SettingsText's.
class SettingsFile {
 public:
  static constexpr const char* Section = "Languages";
  static constexpr const char* DefaultName = "English";
  static constexpr const char* DefaultCharacters = "qwertyuiopasdfghjklzxcvbnm";
  static constexpr std::size_t MaxValueLength = 2047;
  // How long a change waits for another program's change of the file to end (the lock file
  // beside it, FileLock); tests shorten it.
  static inline std::chrono::milliseconds LockWait{5000};

  explicit SettingsFile(std::filesystem::path Path);
  // The settings file where the program keeps it.
  static SettingsFile Default();

  const std::filesystem::path& Path() const { return FilePath; }

  // Writes "English" with its default characters when its value is missing or empty.
  // Throws DocumentError "Unable to write to <path>" with the system's reason when the file
  // cannot be written, and SettingsUnreadable when it cannot be read.
  void EnsureDefaultCharset() const;
  // The characters of a set, or Fallback when the key is missing. The default set is built in:
  // a file that cannot be read or written, or that lacks it, still gives its characters.
  std::string ReadCharset(const std::string& Name, const std::string& Fallback) const;
  // The names of the sets in file order, the built-in default set first when the file lacks it.
  std::vector<std::string> ListCharsets() const;
  // Both throw DocumentError "Unable to write to <path>" with the reason on failure, or
  // SettingsUnreadable; the file then stays as it was. The read-change-write holds the file's
  // lock, so that two programs changing sets at once both keep their change.
  void WriteCharset(const std::string& Name, const std::string& Characters) const;
  void DeleteCharset(const std::string& Name) const;

  // A name the file can hold as a key: not empty after trimming, no "=", "[", "]" or line break.
  // Returns an empty string when valid, otherwise the message that refuses it.
  static std::string CheckCharsetName(const std::string& Name);

 private:
  SettingsText Load() const;
  void Store(const SettingsText& Text) const;
  // The lock of a read-change-write; throws DocumentError as a failed write does.
  std::unique_ptr<FileLock> LockFile() const;

  std::filesystem::path FilePath;
};

}  // namespace vornic
