// A saved word list of any content: read, upper-cased into several code pages as the editors
// do, written back and read again, which must give the same words.

#include <cstdint>
#include <fstream>

#include "FuzzSupport.h"
#include "base/LetterCase.h"
#include "document/WordListStore.h"

using namespace vornic;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  fuzz::ScratchFolder();
  const WordListStore Store = WordListStore::Default();
  static const bool Made = Store.EnsureFolder();
  if (!Made) __builtin_trap();
  {
    std::ofstream File(Store.PathOf("fuzz"), std::ios::binary | std::ios::trunc);
    File.write(reinterpret_cast<const char*>(Data), static_cast<std::streamsize>(Size));
  }
  std::vector<std::string> Words;
  try {
    Words = Store.Read("fuzz");
  } catch (const DocumentError&) {
    return 0;  // refused with a message
  }
  for (const std::string& Word : Words)
    for (const int Charset : {0, 238, 204, 161, 255}) {
      const LetterCase& Case = LetterCase::For(Charset, "");
      (void)Case.Page().Encode(Case.UpperText(Word));
    }

  Store.Write("again", Words);
  if (Store.Read("again") != Words) __builtin_trap();  // saving a list must not change it
  return 0;
}
