#include <algorithm>
#include <cctype>
#include <map>

#include "base/GridLimits.h"
#include "cli/CliSupport.h"
#include "cli/CommandText.h"
#include "cli/DemoWords.h"
#include "cli/GameCommands.h"
#include "cli/WordListOptions.h"
#include "document/ListLanguage.h"
#include "document/SettingsFile.h"
#include "games/wordsearch/WordRepeats.h"
#include "games/wordsearch/WordSearchDescriptor.h"
#include "games/wordsearch/WordSearchPlacer.h"

namespace vornic::cli {
namespace {

struct WordSearchOptions {
  std::string Output;
  std::string Size = "15x10";
  std::string Words;
  std::string WordsFile;
  std::string Directions = "all";
  bool NoIntersections = false;
  bool Fill = false;
  std::string Charset = SettingsFile::DefaultName;
  const CLI::Option* CharsetOption = nullptr;
  int FontCharset = 1;
  std::optional<std::uint64_t> Seed;
  ListOptions List;
};

void ApplyDirections(const std::string& Text, WordSearchPlacer& Placer) {
  if (Text == "all" || Text == "ALL") return;
  static const std::map<std::string, int> TagOf{{"N", 1},  {"S", 2},  {"W", 3},  {"E", 4},
                                                {"NE", 5}, {"NW", 6}, {"SE", 7}, {"SW", 8}};
  if (SplitCommas(Text).empty())
    throw CliFailure(BadUsage,
                     "No directions given: use all, or a comma list of N,S,E,W,NE,NW,SE,SW.");
  for (int Tag = 1; Tag <= 8; ++Tag)
    Placer.SetEnabled(WordSearchPlacer::DirectionOfTag(Tag), false);
  for (std::string Item : SplitCommas(Text)) {
    for (char& C : Item) C = static_cast<char>(std::toupper(static_cast<unsigned char>(C)));
    auto Found = TagOf.find(Item);
    if (Found == TagOf.end())
      throw CliFailure(BadUsage, "Unknown direction \"" + Item +
                                     "\": use all, or a comma list of N,S,E,W,NE,NW,SE,SW.");
    Placer.SetEnabled(WordSearchPlacer::DirectionOfTag(Found->second), true);
  }
}

bool SameIgnoringCase(std::string_view A, std::string_view B) {
  return std::equal(A.begin(), A.end(), B.begin(), B.end(), [](char X, char Y) {
    return std::tolower(static_cast<unsigned char>(X)) ==
           std::tolower(static_cast<unsigned char>(Y));
  });
}

// Names are looked up as the settings file compares its keys (ignoring ASCII case); the puzzle
// keeps the set's name as the file spells it.
void SetCharacterSet(TVornicGame& Game, const std::string& Asked) {
  const SettingsFile Settings = SettingsFile::Default();
  const std::vector<std::string> Known = Settings.ListCharsets();
  const auto Found = std::find_if(Known.begin(), Known.end(), [&Asked](const std::string& Key) {
    return SameIgnoringCase(Key, Asked);
  });
  if (Found == Known.end())
    throw CliFailure(BadUsage, "The character set \"" + Asked + "\" is not in " +
                                   Settings.Path().string() + ".");
  const std::string& Name = *Found;
  const CodePage::EncodeResult Encoded = Game.Codes().Encode(Name);
  if (!Encoded.Ok() || !Game.Settings.SetLanguageName(Encoded.Bytes))
    throw CliFailure(BadUsage, "The character set name \"" + Name +
                                   "\" cannot be stored in a puzzle (at most 10 characters).");
  Game.LoadCharset();
}

// A long list that does not fit would bury the output in messages: one line for each word that
// was not placed, up to a limit, then how many more there are.
void TellRefusals(const std::vector<std::string>& Refusals, CliContext& Context) {
  constexpr std::size_t Shown = 10;
  for (std::size_t i = 0; i < Refusals.size() && i < Shown; ++i) {
    std::string Line = Refusals[i];
    for (std::size_t Break = Line.find('\n'); Break != std::string::npos; Break = Line.find('\n'))
      Line.replace(Break, 1, ": ");
    Context.Err << Line << '\n';
  }
  if (Refusals.size() > Shown)
    Context.Err << Refusals.size() - Shown << " more words could not be placed.\n";
}

void RunWordSearch(const WordSearchOptions& Options, CliContext& Context) {
  const auto [Cols, Rows] = ParseSize(Options.Size, MinGridSide, MaxGridSide);
  SeedGenerator(Options.Seed);
  std::vector<std::string> Words = SplitCommas(Options.Words);
  if (!Options.WordsFile.empty()) {
    RefuseOutputOverInput(Options.Output, {Options.WordsFile});
    std::vector<std::string> FromFile = ReadWordsFile(Options.WordsFile);
    Words.insert(Words.end(), FromFile.begin(), FromFile.end());
  }
  int FontCharset = Options.FontCharset;
  const ListWords Listed = ReadListWords(Options.List, FontCharset, Words, std::max(Cols, Rows));
  Words.insert(Words.end(), Listed.Words.begin(), Listed.Words.end());
  // A word that cannot be used at all is bad usage, as in every builder; one that only finds no
  // place is told and left out while the others are placed.
  for (const std::string& Word : Words)
    static_cast<void>(ReadCommandText(LetterCase::For(FontCharset, Options.Charset), Word,
                                      "The word \"" + Word + "\""));
  if (Words.empty())
    throw CliFailure(BadUsage, "No words given: list them with --words, --words-file or --list.");

  TVornicGame Game;
  FindDescriptor(WordSearchDescriptor::Name.TypeName)->InitDocument(Game, &Context.Ui);
  Game.SetSize(Cols, Rows);
  Game.Settings.Charset = static_cast<std::uint8_t>(FontCharset);
  StartNew(Game);
  // The fill letters follow a list's language unless a character set was asked for.
  if (Listed.Language && Options.CharsetOption->count() == 0)
    FollowListLanguage(Game, *Listed.Language);
  else
    SetCharacterSet(Game, Options.Charset);

  WordSearchPlacer Placer(Game);
  ApplyDirections(Options.Directions, Placer);
  Placer.Intersect = !Options.NoIntersections;
  const int ToldBefore = Context.Ui.Told;
  std::vector<std::string> Refusals;
  Placer.PlaceEditedList(Words, &Refusals);
  TellRefusals(Refusals, Context);
  const int Repeating = Options.Fill ? Placer.FillBlanks() : 0;
  // A puzzle that lacks a word is not the one asked for: any file of that name stays as it was.
  if (Context.Ui.Told > ToldBefore || !Refusals.empty())
    throw CliFailure(NotBuilt, "Nothing was written to " + Options.Output + ".");
  SaveGame(Game, Options.Output);
  Context.Out << "Wrote " << ShownPath(Options.Output) << ": " << Cols << " x " << Rows << ", "
              << Placer.PlacedWords.size() << " of " << Words.size() << " words placed.\n";
  // A repeat the fill could not hide is told, with what causes one.
  if (Repeating > 0) Context.Out << RepeatNotice(Repeating) << '\n';
}

std::unique_ptr<GameView> ViewOf(const RenderOptions& Options) {
  auto View = std::make_unique<WordSearchView>();
  View->Highlight = Options.Highlight;
  return View;
}

WordSearchInput Sample(int Cols, int Rows, std::vector<std::string> Words, bool Fill) {
  WordSearchInput Input;
  Input.Cols = Cols;
  Input.Rows = Rows;
  Input.Words = std::move(Words);
  Input.Fill = Fill;
  return Input;
}

void WriteSamples(const SampleWriter& Write) {
  Write("wordsearch-animals.gm",
        Sample(15, 10,
               FromList("animals", "en", 8, 10,
                        {"CAT", "DOG", "HORSE", "RABBIT", "TIGER", "ZEBRA", "MOUSE"}),
               true),
        1);
  Write("wordsearch-fruit-answers.gm",
        Sample(12, 12,
               FromList("fruit", "en", 8, 12,
                        {"APPLE", "BANANA", "CHERRY", "GRAPE", "LEMON", "MANGO"}),
               false),
        1);
  // A list in another script: the puzzle takes the Russian code page.
  const std::vector<std::string> Russian = FromList("animals", "ru", 8, 12, {});
  if (!Russian.empty())
    Write("wordsearch-russian-animals-answers.gm", Sample(12, 12, Russian, false),
          ListLanguage::Find("ru")->Charset);
}

void AddWordSearchCommand(CLI::App& App, CliContext& Context) {
  auto Options = std::make_shared<WordSearchOptions>();
  CLI::App* Command = App.add_subcommand(std::string(WordSearchDescriptor::Name.CliName),
                                         "Build a word search puzzle");
  Command->add_option("-o,--output", Options->Output, "Game file to write (.gm)")->required();
  Command->add_option("--size", Options->Size, "COLSxROWS, 3..50 each (default 15x10)");
  Command->add_option("--words", Options->Words, "Comma-separated words, placed in order");
  Command->add_option("--words-file", Options->WordsFile, "File with one word per line (UTF-8)");
  Command->add_option("--directions", Options->Directions,
                      "all, or a comma list of N,S,E,W,NE,NW,SE,SW (default all)");
  Command->add_flag("--no-intersections", Options->NoIntersections, "Words may not share cells");
  Command->add_flag("--fill", Options->Fill, "Fill empty cells from the character set");
  Options->CharsetOption =
      Command->add_option("--charset", Options->Charset,
                          "Character set of the settings file used by --fill (default English, "
                          "or the language of --list)");
  AddFontCharsetAndSeed(*Command, Options->FontCharset, Options->Seed);
  AddListOptions(*Command, Options->List);
  Command->callback([Options, &Context] { RunWordSearch(*Options, Context); });
}

}  // namespace

GameCommand WordSearchCommand() {
  return {WordSearchDescriptor::Name.TypeName, &AddWordSearchCommand, &ViewOf, &WriteSamples};
}

}  // namespace vornic::cli
