#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/TGridSettings.h"

namespace vornic {

// The bytes of a ".gm" game file: type name length (32-bit little-endian) and name, the 40-byte
// settings record, grid length and grid, then each word entry followed by CR LF.
struct GameFileContent {
  std::string TypeName;
  TGridSettings Settings;
  std::string Grid;
  std::vector<std::string> Words;
};

std::string SerializeGameFile(const GameFileContent& Content);

enum class GameFileStatus {
  Ok,         // the file is of the expected type and was read
  OtherType,  // the type name (read whole) names another game; nothing else was read
  Damaged,    // too short, a length out of range, or a grid that is not Cols x Rows
};

struct ParsedGameFile {
  GameFileStatus Status = GameFileStatus::Damaged;
  GameFileContent Content;  // TypeName set for Ok and OtherType; the rest only for Ok
};

// Never trusts the file: every length is checked against what the file holds before anything
// is allocated. The type name comparison is exact (byte for byte, case-sensitive).
ParsedGameFile ParseGameFile(std::string_view Bytes, std::string_view ExpectedType);

// Splits word list text into entries at CR LF, lone CR and lone LF; a last line without a
// break is an entry; a zero byte ends the text.
std::vector<std::string> SplitLines(std::string_view Text);

}  // namespace vornic

namespace vornic {
// The type name a game file starts with; nothing when the file is too short or the length is out
// of range.
std::optional<std::string> PeekTypeName(std::string_view Bytes);
}  // namespace vornic
