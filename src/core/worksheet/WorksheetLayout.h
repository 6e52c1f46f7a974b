#pragma once

#include <string>
#include <vector>

#include "worksheet/WorksheetPage.h"

namespace vornic {

class TVornicGame;

// Page geometry, millimetres and points.
namespace sheet {
inline constexpr double Margin = 15;
// A picture cell (16 units) is never printed larger than 12 mm.
inline constexpr double MaxMmPerUnit = 12.0 / 16.0;
inline constexpr double TitlePoints = 18;
inline constexpr double NameLinePoints = 12;
inline constexpr double NotesPoints = 13;
inline constexpr double SmallestNotesPoints = 7;
inline constexpr double MmPerPoint = 25.4 / 72.0;
// The advance of every character of the grid font, in points per point of size.
inline constexpr double MonoAdvance = 0.6;
}  // namespace sheet

// The text of the name line.
inline constexpr const char* NameLineText = "Name: ______________________   Date: ____________";
// What an answer key's title starts with.
inline constexpr const char* AnswerKeyPrefix = "Answer key: ";

// Lays out the worksheet of the opened puzzles: for each puzzle in order a page with its title,
// the name line, its puzzle picture and what the solver needs, then for each in the same order
// a page with its answer key (as Options.Pages chooses). The documents stay as they are, their
// pictures included. Throws DocumentError, before drawing anything, for a puzzle whose picture
// is too large to draw (PictureLimits.h).
std::vector<WorksheetPage> LayOutWorksheet(const std::vector<const TVornicGame*>& Games,
                                           const WorksheetOptions& Options);

}  // namespace vornic
