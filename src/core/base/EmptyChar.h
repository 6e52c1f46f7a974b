#pragma once

namespace vornic {

// Marks an empty cell in a grid and separates a word from its path in a word entry.
inline constexpr char EmptyChar = '\x19';

// Path bytes of a word entry hold a cell's column and row plus this offset.
inline constexpr int PathOffset = 100;

// Title of plain message boxes that carry no title of their own.
inline constexpr const char* ApplicationTitle = "Vornic Pack";

}  // namespace vornic
