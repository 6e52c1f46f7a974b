#include "document/WordPicker.h"

#include <algorithm>
#include <set>

#include "base/CodePage.h"
#include "base/ControlBytes.h"
#include "base/RandomGenerator.h"
#include "document/WordListStore.h"

namespace vornic {
namespace {

// A word's bytes in the code page, upper-cased; empty when it cannot be drawn.
std::string Fitting(const CodePage& Page, int MaxLength, const std::string& Word) {
  const CodePage::EncodeResult Encoded = Page.Encode(UpperCaseWord(Word, Page));
  if (!Encoded.Ok() || Encoded.Bytes.empty() ||
      Encoded.Bytes.size() > static_cast<std::size_t>(MaxLength))
    return {};
  const bool OneWord = std::none_of(Encoded.Bytes.begin(), Encoded.Bytes.end(),
                                    [](char Byte) { return Byte == ' ' || IsControlByte(Byte); });
  return OneWord ? Encoded.Bytes : std::string();
}

}  // namespace

std::vector<std::string> WordPicker::Usable(const std::vector<std::string>& Words,
                                            const std::vector<std::string>& Taken) const {
  // Compared as upper-cased bytes, in both directions.
  std::set<std::string> Seen;
  const auto Remember = [&Seen](const std::string& Bytes) {
    Seen.insert(Bytes);
    Seen.insert(std::string(Bytes.rbegin(), Bytes.rend()));
  };
  for (const std::string& Word : Taken) Remember(Page.Upper(Page.EncodeDroppingUnencodable(Word)));
  std::vector<std::string> Result;
  for (const std::string& Word : Words) {
    const std::string Bytes = Fitting(Page, MaxLength, Word);
    if (Bytes.empty() || Seen.contains(Bytes)) continue;
    Remember(Bytes);
    Result.push_back(Page.Decode(Bytes));
  }
  return Result;
}

std::vector<std::string> WordPicker::Pick(const std::vector<std::string>& Words, std::size_t Count,
                                          const std::vector<std::string>& Taken) const {
  std::vector<std::string> Pool = Usable(Words, Taken);
  // A partial Fisher-Yates shuffle: the first Count places get a uniform draw each.
  const std::size_t Drawn = std::min(Count, Pool.size());
  for (std::size_t i = 0; i < Drawn; ++i) {
    const std::size_t j =
        i + static_cast<std::size_t>(RandomGenerator::Uniform(static_cast<int>(Pool.size() - i)));
    std::swap(Pool[i], Pool[j]);
  }
  Pool.resize(Drawn);
  return Pool;
}

}  // namespace vornic
