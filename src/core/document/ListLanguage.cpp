#include "document/ListLanguage.h"

#include "base/CodePage.h"
#include "base/DocumentError.h"
#include "document/SettingsFile.h"
#include "document/TVornicGame.h"

namespace vornic {

const std::vector<ListLanguage>& ListLanguage::All() {
  static const std::vector<ListLanguage> Languages{
      {"en", SettingsFile::DefaultName, 1, SettingsFile::DefaultCharacters},
      {"de", "German", 1, "abcdefghijklmnopqrstuvwxyzäöüß"},
      {"fr", "French", 1, "abcdefghijklmnopqrstuvwxyzàâçéèêëîïôùûœ"},
      {"es", "Spanish", 1, "abcdefghijklmnñopqrstuvwxyzáéíóúü"},
      {"pl", "Polish", 238, "aąbcćdeęfghijklłmnńoóprsśtuwyzźż"},
      {"ru", "Russian", 204, "абвгдеёжзийклмнопрстуфхцчшщъыьэюя"},
      {"el", "Greek", 161, "αβγδεζηθικλμνξοπρστυφχψω"},
      {"tr", "Turkish", 162, "abcçdefgğhıijklmnoöprsştuüvyz"},
  };
  return Languages;
}

const ListLanguage* ListLanguage::Find(std::string_view Code) {
  for (const ListLanguage& Language : All())
    if (Language.Code == Code) return &Language;
  return nullptr;
}

const ListLanguage* ListLanguage::OfCharset(int Charset) {
  const int Page = CodePage::CodePageNumber(Charset);
  for (const ListLanguage& Language : All())
    if (CodePage::CodePageNumber(Language.Charset) == Page) return &Language;
  return nullptr;
}

void FollowListLanguage(TVornicGame& Game, const ListLanguage& Language) {
  const std::string Name(Language.Name);
  Game.Settings.Charset = static_cast<std::uint8_t>(Language.Charset);
  try {
    const SettingsFile Settings = SettingsFile::Default();
    if (Settings.ReadCharset(Name, "").empty())
      Settings.WriteCharset(Name, std::string(Language.Letters));
  } catch (const DocumentError&) {
    Game.LoadCharset();
    throw;
  }
  // Every language's name is at most 10 plain letters: the record always takes it.
  static_cast<void>(Game.Settings.SetLanguageName(Name));
  Game.LoadCharset();
}

std::string RefuseLanguageChange(int Charset, const ListLanguage& From,
                                 const std::vector<std::string>& Words) {
  if (CodePage::CodePageNumber(Charset) == CodePage::CodePageNumber(From.Charset)) return {};
  const CodePage& Target = CodePage::ForCharset(From.Charset);
  for (const std::string& Word : Words) {
    const CodePage::EncodeResult Encoded = Target.Encode(Word);
    if (!Encoded.Ok())
      return "A list in " + std::string(From.Name) + " needs code page " +
             std::to_string(Target.Number()) + ", which cannot hold the character \"" +
             Encoded.Unencodable + "\" of \"" + Word +
             "\", a word the puzzle already has. Remove such words first.";
  }
  return {};
}

}  // namespace vornic
