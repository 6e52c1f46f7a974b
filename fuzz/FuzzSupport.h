#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/DocumentError.h"
#include "base/GridLimits.h"
#include "document/TVornicGame.h"
#include "picture/EmfWriter.h"
#include "picture/WmfWriter.h"

namespace vornic::fuzz {

// The largest grid side drawn: a little beyond the largest side a path can record, where
// entries stop making sense. A file may name sides up to 65535 with few or no cells; drawing
// such a picture only takes long (that bound belongs to the picture code), so the fuzzer would
// spend its time there instead of on the readers.
inline constexpr int MaxFuzzSide = MaxPathSide + 15;

inline std::string_view BytesOf(const std::uint8_t* Data, std::size_t Size) {
  return {reinterpret_cast<const char*>(Data), Size};
}

// A private folder for the settings file and the word lists, in memory where the system has
// one, so that no input touches the user's files and writes cost little. Made once per run.
const std::string& ScratchFolder();

// A windowless document of a game, made without Init: Init reads and writes the settings file,
// which no input here needs.
inline void MakeDocument(TVornicGame& Game, std::string_view TypeName) {
  Game.GameName = std::string(TypeName);
  Game.MetaFile.Create(PictureCreator, Game.GameName);
}

// Both metafile exports of the recorded picture. A picture a format cannot hold is refused with
// a DocumentError, which is a sound answer; anything else escapes and is a fault.
inline void ExportPicture(const TVornicGame& Game) {
  try {
    (void)WriteEmf(Game.MetaFile);
  } catch (const DocumentError&) {
  }
  try {
    (void)WriteWmf(Game.MetaFile);
  } catch (const DocumentError&) {
  }
}

}  // namespace vornic::fuzz
