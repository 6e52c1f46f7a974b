#pragma once

#include <string>
#include <vector>

#include "worksheet/WorksheetPage.h"

namespace vornic {

class TVornicGame;

// Page geometry, millimetres and points.
namespace sheet {
inline constexpr double Margin = 15;
// A picture cell (16 units) is never printed larger than 12 mm, nor in large print than 16 mm.
inline constexpr double MaxMmPerUnit = 12.0 / 16.0;
inline constexpr double LargeMaxMmPerUnit = 16.0 / 16.0;
// In large print a grid whose cells would come out smaller gets a page of its own.
inline constexpr double LargeCellMm = 8;
inline constexpr double TitlePoints = 18;
inline constexpr double NameLinePoints = 12;
inline constexpr double NotesPoints = 13;
inline constexpr double SmallestNotesPoints = 7;
// Large print: nothing the solver reads or writes on is set smaller than this.
inline constexpr double LargePoints = 16;
inline constexpr double LargeTitlePoints = 24;
inline constexpr double LargeNotesPoints = 18;
inline constexpr double MmPerPoint = 25.4 / 72.0;
// The advance of every character of the grid font, in points per point of size.
inline constexpr double MonoAdvance = 0.6;
// Ruled answer lines: their distance apart, and the room a handwritten character takes.
inline constexpr double AnswerLineGap = 10;
inline constexpr double LargeAnswerLineGap = 14;
inline constexpr double HandwrittenMm = 5;
inline constexpr double LargeHandwrittenMm = 7;
}  // namespace sheet

// The text of the name line.
inline constexpr const char* NameLineText = "Name: ______________________   Date: ____________";
// What stands above the answer written out on a key.
inline constexpr const char* AnswerLabel = "Answer:";
// What an answer key's title starts with.
inline constexpr const char* AnswerKeyPrefix = "Answer key: ";

// Lays out the worksheet of the opened puzzles: for each puzzle in order a page with its title,
// the name line, the instruction, its puzzle picture and what the solver needs (the word list,
// room for the answer), then for each in the same order a page with its answer key and the
// answer written out (as Options.Pages chooses). In large print a grid too large for large
// cells follows its puzzle page on a page of its own. The documents stay as they are, their
// pictures included. Throws DocumentError, before drawing anything, for a puzzle whose picture
// is too large to draw (PictureLimits.h).
std::vector<WorksheetPage> LayOutWorksheet(const std::vector<const TVornicGame*>& Games,
                                           const WorksheetOptions& Options);

}  // namespace vornic
