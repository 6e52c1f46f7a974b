#pragma once

#include <optional>
#include <string>
#include <vector>

#include "games/maze/MazeBuilder.h"
#include "games/maze/MazeSizes.h"

namespace vornic {

class TVornicGame;

// The word maze window's work on its document, without the window: the window reads its edits
// into this input, and shows what the document holds afterwards.
struct MazeInput {
  std::string Phrase;              // bytes of the document's code page
  std::vector<std::string> Words;  // one per line of the word list, in line order
};

// Why the input cannot be built, or nothing when it can: a control character in the phrase or
// a word (it would collide with the cell markers), or a word listed twice. CharsetCode chooses
// the code page that names the word.
std::optional<std::string> CheckMazeInput(const MazeInput& Input, int CharsetCode = 1);

// What to tell the user when a build of Input in Size fails: the message names the size, what
// stands in the way and what to change. Empty when nothing does: a build of that input in that
// size always succeeds (the builder falls back on a twisted path when its walk gives up).
std::string MazeBuildFailure(const MazeInput& Input, MazeSize Size, int CharsetCode = 1);

// The window's Build with a size chosen: stores the size in the document's settings, resizes
// the picture and runs the builder. On success the document's Grid is the built grid; on
// failure (refused input, see MazeBuildFailure) the document is as it was: puzzle, settings,
// picture and modified state. The picture of a new maze is left to the caller (DrawGrid, then
// ShowWord(0) for the phrase).
[[nodiscard]] bool BuildMazeGame(TVornicGame& Game, MazeBuilder& Builder, const MazeInput& Input,
                                 MazeSize Size);

// What an opened maze gives back: entry 0's text is the phrase, the other entries the words.
MazeInput MazeInputFromDocument(const TVornicGame& Game);

// "Copy Words to Clipboard": the phrase, an empty line, then the words sorted without regard to
// letter case in the order of the user's locale, each line ended by CR LF. Bytes of the
// document's code page (CharsetCode chooses it).
std::string MazeWordsText(const MazeInput& Input, int CharsetCode);

}  // namespace vornic
