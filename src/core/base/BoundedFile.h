#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace vornic {

// The most a game file may hold. The largest puzzle (155 x 155 cells, every cell in words) is
// well under a megabyte, so anything near this limit is not a puzzle.
inline constexpr std::uintmax_t MaxGameFileBytes = 4u << 20;
// Settings and small configuration files: hundreds of character sets fit in a few kilobytes.
inline constexpr std::uintmax_t MaxSettingsFileBytes = 4u << 20;
// A word list may be a whole dictionary.
inline constexpr std::uintmax_t MaxWordListBytes = 32u << 20;

// Reads a whole regular file of at most MaxBytes bytes. A folder, device, pipe or socket is
// refused before it is opened (a pipe would block, a device may never end), and so is a larger
// file; reading stops after MaxBytes + 1 bytes should the file grow meanwhile. Throws
// DocumentError "Cannot open file "<path>". <reason>" naming the real reason.
std::string ReadBoundedFile(const std::filesystem::path& Source, std::uintmax_t MaxBytes);

}  // namespace vornic
