#include "cli/CommandText.h"

#include "cli/CliSupport.h"
#include "document/SettingsFile.h"
#include "games/TypedText.h"

namespace vornic::cli {

std::string ReadCommandText(const LetterCase& Case, std::string_view Utf8, const std::string& What,
                            bool MayBeBlank) {
  const std::string Prefix = What.empty() ? std::string() : What + ": ";
  // Read as it stands, a broken sequence would be refused as the replacement character, which
  // the user never typed.
  if (!IsValidUtf8(Utf8))
    throw CliFailure(BadUsage, Prefix +
                                   "The text is not valid UTF-8. Give it in UTF-8, as the "
                                   "terminal and text files of this system hold it.");
  const TypedText Typed = ReadTypedText(Case, Utf8);
  if (!Typed.Ok()) throw CliFailure(BadUsage, Prefix + Typed.Refusal);
  if (!MayBeBlank && IsBlankText(Typed.Bytes))
    throw CliFailure(BadUsage, Prefix + BlankTextMessage);
  return Typed.Bytes;
}

const LetterCase& CaseOfNewPuzzle(int FontCharset) {
  return LetterCase::For(FontCharset, SettingsFile::DefaultName);
}

}  // namespace vornic::cli
