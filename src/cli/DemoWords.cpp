#include "cli/DemoWords.h"

#include "base/CodePage.h"
#include "document/ListLanguage.h"
#include "document/WordListCatalog.h"
#include "document/WordPicker.h"

namespace vornic::cli {

std::vector<std::string> FromList(const char* Name, const char* Language, std::size_t Count,
                                  int Side, std::vector<std::string> Fallback) {
  const WordListCatalog Catalog = WordListCatalog::Default();
  const std::optional<WordListInfo> List = Catalog.Find(Name, Language);
  if (!List || !List->Builtin) return Fallback;
  const WordPicker Picker{CodePage::ForCharset(ListLanguage::Find(Language)->Charset), Side};
  std::vector<std::string> Words = Picker.Pick(Catalog.Words(*List), Count);
  return Words.size() == Count ? Words : Fallback;
}

}  // namespace vornic::cli
