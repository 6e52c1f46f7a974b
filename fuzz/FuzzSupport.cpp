#include "FuzzSupport.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace vornic::fuzz {

const std::string& ScratchFolder() {
  // Never destroyed: the exit handler below still needs it.
  static const std::string& Folder = *new std::string([] {
    namespace fs = std::filesystem;
    std::error_code Error;
    const fs::path Base =
        fs::is_directory("/dev/shm", Error) ? fs::path("/dev/shm") : fs::temp_directory_path();
    const fs::path Made = Base / ("vornicpack-fuzz-" + std::to_string(::getpid()));
    fs::create_directories(Made);
    // The settings file and the word lists of every document go here (AppPaths).
    ::setenv("VORNICPACK_HOME", Made.c_str(), 1);
    std::atexit([] {
      std::error_code Ignored;
      fs::remove_all(ScratchFolder(), Ignored);
    });
    return Made.string();
  }());
  return Folder;
}

}  // namespace vornic::fuzz
