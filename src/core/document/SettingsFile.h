#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vornic {

// The program's settings file and its character sets (section "Languages": each key a set's
// name, each value its characters as typed). The file is opened for each operation and closed
// right after; nothing is cached. Text is UTF-8; a file that is not valid UTF-8 is read as
// Windows-1252. Key names compare case-insensitively and keep their file order.
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
  // Throws DocumentError "Unable to write to <path>" when the file cannot be written.
  void EnsureDefaultCharset() const;
  // The characters of a set, or Fallback when the key is missing.
  std::string ReadCharset(const std::string& Name, const std::string& Fallback) const;
  // The names of the sets in file order.
  std::vector<std::string> ListCharsets() const;
  // Both throw DocumentError "Unable to write to <path>" on failure; the file stays as it was.
  void WriteCharset(const std::string& Name, const std::string& Characters) const;
  void DeleteCharset(const std::string& Name) const;

  // A name the file can hold as a key: not empty after trimming, no "=", "[", "]" or line break.
  // Returns an empty string when valid, otherwise the message that refuses it.
  static std::string CheckCharsetName(const std::string& Name);

 private:
  std::filesystem::path FilePath;
};

}  // namespace vornic
