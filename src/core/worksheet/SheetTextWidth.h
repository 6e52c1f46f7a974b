#pragma once

#include <string>
#include <vector>

namespace vornic {

// How wide a line of worksheet text prints, in millimetres, without asking a font: the grid
// font advances 0.6 of the size for every character; the sans-serif font (metrically Arial's)
// by its published widths for ASCII, generously for bold and for every other character, so that
// a line measured to fit never runs past its box.
double TextWidth(const std::string& Utf8, double Points, bool Bold, bool Mono);

// Text in lines no wider than Width: broken at white space (runs of it count as one space), a
// word longer than a line broken where the line ends. No lines for text of white space only.
std::vector<std::string> WrapText(const std::string& Utf8, double Width, double Points, bool Bold,
                                  bool Mono);

}  // namespace vornic
