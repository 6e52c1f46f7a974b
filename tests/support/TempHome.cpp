#include "support/TempHome.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace vornic::test {

TempHome::TempHome() {
  std::string Pattern = (std::filesystem::temp_directory_path() / "vornic-test-XXXXXX").string();
  if (::mkdtemp(Pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  Folder = Pattern;
  ::setenv("VORNICPACK_HOME", Folder.c_str(), 1);
}

TempHome::~TempHome() {
  ::unsetenv("VORNICPACK_HOME");
  std::error_code Ignored;
  std::filesystem::permissions(Folder, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, Ignored);
  std::filesystem::remove_all(Folder, Ignored);
}

std::string ReadFile(const std::filesystem::path& Path) {
  std::ifstream In(Path, std::ios::binary);
  std::ostringstream Buffer;
  Buffer << In.rdbuf();
  return Buffer.str();
}

void WriteFile(const std::filesystem::path& Path, const std::string& Bytes) {
  std::ofstream Out(Path, std::ios::binary | std::ios::trunc);
  Out << Bytes;
}

}  // namespace vornic::test
