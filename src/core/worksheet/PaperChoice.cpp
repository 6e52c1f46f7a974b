#include "worksheet/PaperChoice.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace vornic {

PaperDimensions Dimensions(PaperSize Paper, bool Landscape) {
  const PaperDimensions Upright =
      Paper == PaperSize::Letter ? PaperDimensions{215.9, 279.4} : PaperDimensions{210, 297};
  return Landscape ? PaperDimensions{Upright.Height, Upright.Width} : Upright;
}

PaperSize PaperForLocale(std::string_view LocaleName) {
  // The territories whose locales print on Letter.
  static constexpr std::array<std::string_view, 15> LetterTerritories{
      "US", "CA", "MX", "PR", "PH", "CL", "CO", "CR", "GT", "NI", "PA", "SV", "VE", "DO", "BZ"};
  const auto Underscore = LocaleName.find('_');
  if (Underscore == std::string_view::npos) return PaperSize::A4;
  std::string_view Territory = LocaleName.substr(Underscore + 1);
  Territory = Territory.substr(0, Territory.find_first_of(".@"));
  const bool Letter = std::find(LetterTerritories.begin(), LetterTerritories.end(), Territory) !=
                      LetterTerritories.end();
  return Letter ? PaperSize::Letter : PaperSize::A4;
}

PaperSize DefaultPaper() {
  for (const char* Name : {"LC_ALL", "LC_PAPER", "LANG"}) {
    const char* Value = std::getenv(Name);
    if (Value && *Value) return PaperForLocale(Value);
  }
  return PaperSize::A4;
}

}  // namespace vornic
