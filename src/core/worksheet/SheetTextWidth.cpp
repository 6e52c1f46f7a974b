#include "worksheet/SheetTextWidth.h"

#include <array>

#include "worksheet/WorksheetLayout.h"

namespace vornic {
namespace {

// Advances of the characters ' ' to '~' in thousandths of the size (Arial, Liberation Sans).
constexpr std::array<int, 95> SansAdvance{
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333,  278, 278, 556, 556, 556,
    556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556, 1015, 667, 667, 722, 722, 667,
    611, 778, 722, 278, 500, 667, 556, 833, 722, 778, 667, 778, 722, 667,  611, 722, 667, 944, 667,
    667, 611, 278, 278, 278, 469, 556, 333, 556, 556, 500, 556, 556, 278,  556, 556, 222, 222, 500,
    222, 833, 556, 556, 556, 556, 333, 500, 278, 556, 500, 722, 500, 500,  500, 334, 260, 334, 584};
// Any other character: as wide as the widest capitals.
constexpr int OtherAdvance = 800;
// Bold sans-serif letters are at most this much wider.
constexpr double BoldFactor = 1.12;

bool StartsCharacter(char C) {
  return (static_cast<unsigned char>(C) & 0xC0) != 0x80;
}

std::vector<std::string> Words(const std::string& Utf8) {
  std::vector<std::string> Result;
  std::string Word;
  for (const char C : Utf8) {
    if (static_cast<unsigned char>(C) <= ' ') {
      if (!Word.empty()) Result.push_back(std::move(Word));
      Word.clear();
    } else {
      Word += C;
    }
  }
  if (!Word.empty()) Result.push_back(std::move(Word));
  return Result;
}

}  // namespace

double TextWidth(const std::string& Utf8, double Points, bool Bold, bool Mono) {
  double Thousandths = 0;
  for (const char C : Utf8) {
    if (!StartsCharacter(C)) continue;
    const auto Code = static_cast<unsigned char>(C);
    if (Mono)
      Thousandths += 1000 * sheet::MonoAdvance;
    else
      Thousandths += Code >= ' ' && Code <= '~' ? SansAdvance[Code - ' '] : OtherAdvance;
  }
  if (Bold && !Mono) Thousandths *= BoldFactor;
  return Thousandths / 1000 * Points * sheet::MmPerPoint;
}

std::vector<std::string> WrapText(const std::string& Utf8, double Width, double Points, bool Bold,
                                  bool Mono) {
  const auto Fits = [&](const std::string& Line) {
    return TextWidth(Line, Points, Bold, Mono) <= Width;
  };
  std::vector<std::string> Lines;
  std::string Line;
  for (std::string Word : Words(Utf8)) {
    if (!Line.empty() && Fits(Line + ' ' + Word)) {
      Line += ' ' + Word;
      continue;
    }
    if (!Line.empty()) Lines.push_back(std::move(Line));
    Line.clear();
    // A word longer than a line: as much of it as fits on each line, whole characters.
    while (!Fits(Word)) {
      std::size_t Cut = 0, Next = 0;
      do {
        Cut = Next;
        Next = Cut + 1;
        while (Next < Word.size() && !StartsCharacter(Word[Next])) ++Next;
      } while (Next <= Word.size() && Fits(Word.substr(0, Next)));
      if (Cut == 0) Cut = Next;  // not even one character fits: one to a line
      Lines.push_back(Word.substr(0, Cut));
      Word.erase(0, Cut);
      if (Word.empty()) break;
    }
    Line = std::move(Word);
  }
  if (!Line.empty()) Lines.push_back(std::move(Line));
  return Lines;
}

}  // namespace vornic
