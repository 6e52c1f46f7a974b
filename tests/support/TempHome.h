#pragma once

#include <filesystem>
#include <string>

namespace vornic::test {

// A fresh temporary folder set as VORNICPACK_HOME for the life of the object, so that the
// settings file and the word lists of a test never touch the real ones. Removed afterwards.
class TempHome {
 public:
  TempHome();
  ~TempHome();
  TempHome(const TempHome&) = delete;
  TempHome& operator=(const TempHome&) = delete;

  const std::filesystem::path& Path() const { return Folder; }
  std::filesystem::path operator/(const std::string& Name) const { return Folder / Name; }
  std::filesystem::path SettingsFile() const { return Folder / "vornicpack.ini"; }

 private:
  std::filesystem::path Folder;
};

// Whole-file helpers for tests.
std::string ReadFile(const std::filesystem::path& Path);
void WriteFile(const std::filesystem::path& Path, const std::string& Bytes);

}  // namespace vornic::test
