#include "games/SortedWords.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <memory>
#include <string_view>

#include "base/CodePage.h"
#include "base/LetterCase.h"

namespace vornic {
namespace {

// Orders byte strings by the user's locale at secondary strength: letter case is ignored,
// accents are not. Without a collator, by the upper-case bytes.
class CaseInsensitiveOrder {
 public:
  explicit CaseInsensitiveOrder(const LetterCase& CaseIn) : Case(CaseIn) {
    UErrorCode Status = U_ZERO_ERROR;
    // The C locale maps to en_US_POSIX, whose collation is plain code-point order with capitals
    // first: no use for a case-insensitive order, so the root order stands in for it.
    icu::Locale Where = icu::Locale::getDefault();
    if (std::string_view(Where.getName()) == "en_US_POSIX") Where = icu::Locale::getRoot();
    Collator.reset(icu::Collator::createInstance(Where, Status));
    if (U_FAILURE(Status))
      Collator.reset();
    else
      Collator->setStrength(icu::Collator::SECONDARY);
  }

  bool operator()(const std::string& A, const std::string& B) const {
    if (!Collator) return Case.Upper(A) < Case.Upper(B);
    UErrorCode Status = U_ZERO_ERROR;
    const CodePage& Page = Case.Page();
    const auto Order = Collator->compareUTF8(Page.Decode(A), Page.Decode(B), Status);
    return U_SUCCESS(Status) ? Order == UCOL_LESS : Case.Upper(A) < Case.Upper(B);
  }

 private:
  const LetterCase& Case;
  std::shared_ptr<icu::Collator> Collator;
};

}  // namespace

void SortIgnoringCase(std::vector<std::string>& Words, int CharsetCode) {
  std::stable_sort(Words.begin(), Words.end(),
                   CaseInsensitiveOrder(LetterCase::For(CharsetCode, {})));
}

}  // namespace vornic
