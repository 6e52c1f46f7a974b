#include "cli/WordListOptions.h"

#include "base/CodePage.h"
#include "base/DocumentError.h"
#include "cli/CliSupport.h"
#include "document/ListLanguage.h"
#include "document/WordListCatalog.h"
#include "document/WordPicker.h"

namespace vornic::cli {
namespace {

std::string LanguageCodes() {
  std::string Codes;
  for (const ListLanguage& Language : ListLanguage::All())
    Codes += (Codes.empty() ? "" : ", ") + std::string(Language.Code);
  return Codes;
}

const ListLanguage& AskedLanguage(const ListOptions& Options, int FontCharset) {
  if (Options.Language) {
    if (const ListLanguage* Found = ListLanguage::Find(*Options.Language)) return *Found;
    throw CliFailure(BadUsage, "Unknown language \"" + *Options.Language + "\": use one of " +
                                   LanguageCodes() + ".");
  }
  const ListLanguage* OfPage =
      Options.FontCharset->count() > 0 ? ListLanguage::OfCharset(FontCharset) : nullptr;
  return OfPage ? *OfPage : ListLanguage::All().front();
}

}  // namespace

void AddListOptions(CLI::App& Command, ListOptions& Options) {
  CLI::Option* List = Command.add_option(
      "--list", Options.List,
      "Words from a word list by name (see the lists command): your own first, else the "
      "program's in the puzzle's language");
  Command.add_option("--pick", Options.Pick, "Take N words of --list at random (with --seed)")
      ->check(CLI::Range(1, 1000))
      ->needs(List);
  Command
      .add_option("--language", Options.Language,
                  "Language of --list: " + LanguageCodes() +
                      " (default: that of --font-charset, else en); the puzzle takes its code "
                      "page")
      ->needs(List);
  Options.FontCharset = Command.get_option("--font-charset");
}

ListWords ReadListWords(const ListOptions& Options, int& FontCharset,
                        const std::vector<std::string>& Given, int MaxLength) {
  ListWords Result;
  if (!Options.List) return Result;
  const ListLanguage& Language = AskedLanguage(Options, FontCharset);
  const WordListCatalog Catalog = WordListCatalog::Default();
  const std::optional<WordListInfo> List = Catalog.Find(*Options.List, Language.Code);
  if (!List)
    throw CliFailure(BadUsage, "There is no word list \"" + *Options.List + "\" in " +
                                   std::string(Language.Name) +
                                   ": \"vornicpack-cli lists --language " +
                                   std::string(Language.Code) + "\" shows them.");
  if (!List->Language.empty()) {
    Result.Language = ListLanguage::Find(List->Language);
    const int ListPage = CodePage::CodePageNumber(Result.Language->Charset);
    if (Options.FontCharset->count() > 0 && CodePage::CodePageNumber(FontCharset) != ListPage)
      throw CliFailure(BadUsage, "The list \"" + List->Name + "\" is in " +
                                     std::string(Result.Language->Name) +
                                     ", written in code page " + std::to_string(ListPage) +
                                     ", but --font-charset " + std::to_string(FontCharset) +
                                     " chooses code page " +
                                     std::to_string(CodePage::CodePageNumber(FontCharset)) + ".");
    if (Options.FontCharset->count() == 0) FontCharset = Result.Language->Charset;
  }
  std::vector<std::string> Words;
  try {
    Words = Catalog.Words(*List);
  } catch (const DocumentError& Failure) {
    throw CliFailure(BadUsage, Failure.what());
  }
  const WordPicker Picker{CodePage::ForCharset(FontCharset), MaxLength};
  Result.Words =
      Options.Pick ? Picker.Pick(Words, *Options.Pick, Given) : Picker.Usable(Words, Given);
  const std::size_t Wanted = Options.Pick.value_or(1);
  if (Result.Words.size() < Wanted)
    throw CliFailure(NotBuilt, "The list \"" + List->Name + "\" has " +
                                   std::to_string(Picker.Usable(Words, Given).size()) +
                                   " words that fit this puzzle (at most " +
                                   std::to_string(MaxLength) +
                                   " letters, none repeating another), fewer than " +
                                   std::to_string(Wanted) + ".");
  return Result;
}

}  // namespace vornic::cli
