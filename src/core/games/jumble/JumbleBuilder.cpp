#include "games/jumble/JumbleBuilder.h"

#include <algorithm>
#include <cstdint>
#include <functional>

#include "games/TypedText.h"
#include "games/jumble/ExchangeShuffle.h"
#include "games/jumble/JumbleLayout.h"

namespace vornic {

bool JumbleBuilder::Build(const std::string& Text) {
  if (const std::string Refusal = ControlCharacterRefusal(Text); !Refusal.empty()) {
    Tell(Refusal);
    return false;
  }
  if (IsBlankText(Text)) return false;
  std::vector<std::string> Words = SplitJumbleWords(Text);
  if (Mix) ExchangeShuffle(Words);
  const std::optional<JumbleLayout> Layout = FindJumbleLayout(Words);
  if (!Layout || !Layout->FitsGrid()) {
    Tell(TooLongMessage);
    return false;
  }

  Game.SetSize(Layout->T, Layout->R);
  Game.ClearGrid();
  Game.ResizeImage();
  Game.Words.Add(Text);

  const int N = static_cast<int>(Words.size());
  std::vector<Letter> Letters;
  for (int c = 0; c < Layout->C; ++c) {
    const int S = Layout->ColumnStart(c);
    const int Width = Layout->Widths[static_cast<std::size_t>(c)];
    for (int k = c * Layout->R; k < (c + 1) * Layout->R && k < N; ++k) {
      const std::string& Word = Words[static_cast<std::size_t>(k)];
      const int L = static_cast<int>(Word.size());
      const int Y = k - c * Layout->R + 1;
      const int First = S + Width - L;
      for (int m = 1; m <= L; ++m) {
        Game.SetCell(First + m, Y, Word[static_cast<std::size_t>(m - 1)]);
        Letters.push_back({Word[static_cast<std::size_t>(m - 1)], First + m, Y});
      }
      SetTheGame(Letters, S + 1, First + 1);
    }
  }
  return true;
}

namespace {

std::string LettersOf(const std::vector<JumbleBuilder::Letter>& Letters) {
  std::string Text;
  Text.reserve(Letters.size());
  for (const JumbleBuilder::Letter& Entry : Letters) Text += Entry.Character;
  return Text;
}

}  // namespace

void JumbleBuilder::SetTheGame(std::vector<Letter>& Letters, int A, int B) {
  // Only letters are mixed: punctuation and digits keep their places in the hint as in the
  // answer cells (DON'T gives N'TDO, not O'NDT), and a word without letters shows as it is.
  const CodePage& Page = Game.Codes();
  std::vector<Letter> Mixable;
  for (const Letter& Entry : Letters)
    if (Page.IsLetter(static_cast<std::uint8_t>(Entry.Character))) Mixable.push_back(Entry);
  // A hint that reads as the word gives the answer away (the shuffle leaves half of all
  // two-letter words as they were), so mix again while it does and another order exists.
  const std::string Word = LettersOf(Mixable);
  const bool CanDiffer =
      std::adjacent_find(Word.begin(), Word.end(), std::not_equal_to<>()) != Word.end();
  do {
    ExchangeShuffle(Mixable);
  } while (CanDiffer && LettersOf(Mixable) == Word);
  auto Next = Mixable.begin();
  for (Letter& Entry : Letters)
    if (Page.IsLetter(static_cast<std::uint8_t>(Entry.Character))) Entry = *Next++;
  const std::string Mixed = LettersOf(Letters);
  std::string Data;
  Data.reserve(2 * Letters.size() + 2);
  for (const Letter& Entry : Letters) Data += PathBytes(Entry.X, Entry.Y);
  Data += static_cast<char>(A + PathOffset);
  Data += static_cast<char>(B + PathOffset);
  Game.AddWord(Mixed, Data);
  Letters.clear();
}

bool JumbleBuilder::SetMix(bool NewMix, const std::string& Text) {
  Mix = NewMix;
  if (SplitJumbleWords(Text).empty()) return false;
  return Build(Text);
}

void JumbleBuilder::Tell(const std::string& Text) {
  if (Game.Ui) Game.Ui->Tell(ApplicationTitle, Text, Icon::None);
}

}  // namespace vornic
