#include "document/GameFile.h"

#include <cstdint>

#include "base/TextLines.h"

namespace vornic {
namespace {

void PutLength(std::string& Out, std::size_t Length) {
  const auto Value = static_cast<std::uint32_t>(Length);
  for (int i = 0; i < 4; ++i) Out.push_back(static_cast<char>(Value >> (8 * i)));
}

// Reads a 32-bit signed length; nothing when fewer than 4 bytes remain or it is negative or
// longer than what follows.
std::optional<std::size_t> TakeLength(std::string_view& Rest) {
  if (Rest.size() < 4) return std::nullopt;
  std::uint32_t Raw = 0;
  for (int i = 0; i < 4; ++i)
    Raw |= std::uint32_t{static_cast<std::uint8_t>(Rest[static_cast<std::size_t>(i)])} << (8 * i);
  Rest.remove_prefix(4);
  const auto Value = static_cast<std::int32_t>(Raw);
  if (Value < 0 || static_cast<std::size_t>(Value) > Rest.size()) return std::nullopt;
  return static_cast<std::size_t>(Value);
}

}  // namespace

std::string SerializeGameFile(const GameFileContent& Content) {
  std::string Out;
  PutLength(Out, Content.TypeName.size());
  Out += Content.TypeName;
  const auto Settings = Content.Settings.ToBytes();
  Out.append(reinterpret_cast<const char*>(Settings.data()), Settings.size());
  PutLength(Out, Content.Grid.size());
  Out += Content.Grid;
  Out += JoinCrLf(Content.Words);
  return Out;
}

ParsedGameFile ParseGameFile(std::string_view Bytes, std::string_view ExpectedType) {
  ParsedGameFile Result;
  std::string_view Rest = Bytes;
  const auto NameLength = TakeLength(Rest);
  if (!NameLength) return Result;
  Result.Content.TypeName = std::string(Rest.substr(0, *NameLength));
  Rest.remove_prefix(*NameLength);
  if (Result.Content.TypeName != ExpectedType) {
    Result.Status = GameFileStatus::OtherType;
    return Result;
  }
  if (Rest.size() < TGridSettings::ByteSize) return Result;
  Result.Content.Settings =
      TGridSettings::FromBytes(reinterpret_cast<const std::uint8_t*>(Rest.data()));
  Rest.remove_prefix(TGridSettings::ByteSize);
  const auto GridLength = TakeLength(Rest);
  const std::size_t Cells =
      std::size_t{Result.Content.Settings.Cols} * std::size_t{Result.Content.Settings.Rows};
  if (!GridLength || *GridLength != Cells) return Result;
  Result.Content.Grid = std::string(Rest.substr(0, *GridLength));
  Rest.remove_prefix(*GridLength);
  Result.Content.Words = SplitLines(Rest);
  Result.Status = GameFileStatus::Ok;
  return Result;
}

std::vector<std::string> SplitLines(std::string_view Text) {
  if (const auto Zero = Text.find('\0'); Zero != std::string_view::npos)
    Text = Text.substr(0, Zero);
  return SplitLineBreaks(Text);
}

}  // namespace vornic

namespace vornic {
std::optional<std::string> PeekTypeName(std::string_view Bytes) {
  ParsedGameFile Parsed = ParseGameFile(Bytes, std::string_view("\0", 1));
  if (Parsed.Status == GameFileStatus::Damaged) return std::nullopt;
  return Parsed.Content.TypeName;
}
}  // namespace vornic
