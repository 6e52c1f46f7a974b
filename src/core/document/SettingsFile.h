#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "base/DocumentError.h"

namespace vornic {

class SettingsText;

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

  explicit SettingsFile(std::filesystem::path Path);
  // The settings file where the program keeps it.
  static SettingsFile Default();

  const std::filesystem::path& Path() const { return FilePath; }

  // Writes "English" with its default characters when its value is missing or empty.
  // Throws DocumentError "Unable to write to <path>" when the file cannot be written, and
  // SettingsUnreadable when it cannot be read.
  void EnsureDefaultCharset() const;
  // The characters of a set, or Fallback when the key is missing. A file that cannot be read
  // holds only the default set.
  std::string ReadCharset(const std::string& Name, const std::string& Fallback) const;
  // The names of the sets in file order.
  std::vector<std::string> ListCharsets() const;
  // Both throw DocumentError "Unable to write to <path>" on failure, or SettingsUnreadable; the
  // file then stays as it was.
  void WriteCharset(const std::string& Name, const std::string& Characters) const;
  void DeleteCharset(const std::string& Name) const;

  // A name the file can hold as a key: not empty after trimming, no "=", "[", "]" or line break.
  // Returns an empty string when valid, otherwise the message that refuses it.
  static std::string CheckCharsetName(const std::string& Name);

 private:
  SettingsText Load() const;
  void Store(const SettingsText& Text) const;

  std::filesystem::path FilePath;
};

}  // namespace vornic
