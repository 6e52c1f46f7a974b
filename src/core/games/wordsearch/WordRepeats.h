#pragma once

#include <string>
#include <vector>

#include "games/wordsearch/WordReadings.h"

namespace vornic {

class TVornicGame;

// Fills every empty cell with a letter drawn from the document's character set, as Fill Blanks
// always did, then draws again the fill letters that let a listed word (Readings: the words, with
// the places of the document's entries allowed) be read anywhere but at its entry's place, until
// no such second reading is left. Only fill letters change. Returns how many words can still be
// read more than once: 0 unless the set has too few letters to hide them (a set of one letter),
// or placed words themselves spell a listed word a second time (a word inside another). Those
// readings go into Left, in the order of the grid.
int FillHidingWords(TVornicGame& Game, const WordReadings& Readings,
                    std::vector<WordReadings::Reading>& Left);

// Gives each of Cells, emptied in a filled grid, a letter of the document's character set
// through which no listed word reads a second time where one can be found. Left: the readings
// the fill could not hide before, and those still readable after. Returns how many words can be
// read more than once, as FillHidingWords does.
int FillCellsHidingWords(TVornicGame& Game, const WordReadings& Readings,
                         const std::vector<int>& Cells, std::vector<WordReadings::Reading>& Left);

// What a fill that left Repeating words readable more than once says ("" for none).
std::string RepeatNotice(int Repeating);

// For every word entry of the document, in order: in how many places its word can be read in
// the grid (0 for an entry without a word).
std::vector<int> CountEntryReadings(const TVornicGame& Game);

}  // namespace vornic
