#include <nlohmann/json.hpp>

#include <algorithm>
#include <iomanip>
#include <sstream>

#include "cli/CliSupport.h"
#include "cli/TerminalText.h"
#include "document/WordEntry.h"
#include "games/GameDescriptor.h"
#include "games/GameTable.h"
#include "games/wordsearch/WordRepeats.h"

namespace vornic::cli {
namespace {

struct InfoOptions {
  std::string File;
  bool Json = false;
};

std::vector<std::string> GridRows(const TVornicGame& Game) {
  std::vector<std::string> Rows;
  const std::size_t Cols = Game.Settings.Cols;
  for (std::size_t Y = 0; Y < Game.Settings.Rows; ++Y)
    Rows.push_back(Game.Codes().Decode(std::string_view(Game.Grid).substr(Y * Cols, Cols)));
  return Rows;
}

void PrintJson(const TVornicGame& Game, std::ostream& Out) {
  const TGridSettings& S = Game.Settings;
  nlohmann::ordered_json Settings = {{"BackColor", S.BackColor},
                                     {"LineColor", S.LineColor},
                                     {"FontColor", S.FontColor},
                                     {"MarkFontColor", S.MarkFontColor},
                                     {"MarkBackColor", S.MarkBackColor},
                                     {"Bold", S.Bold},
                                     {"Reserved", S.Reserved},
                                     {"GridLines", S.GridLines},
                                     {"Shadow", S.Shadow},
                                     {"Cols", S.Cols},
                                     {"Rows", S.Rows},
                                     {"Charset", S.Charset},
                                     {"Language", Game.Codes().Decode(S.LanguageName())}};
  nlohmann::ordered_json Words = nlohmann::ordered_json::array();
  // A word search tells how often each word can be read: more than once is a second answer.
  const bool WordSearch = Game.GameName == GameTypeName::WordSearch;
  const std::vector<int> Readings = WordSearch ? CountEntryReadings(Game) : std::vector<int>{};
  for (std::size_t i = 0; i < Game.Words.size(); ++i) {
    const SplitWordEntry Parts = SplitEntry(Game.Words[i]);
    std::vector<int> After;
    for (char Byte : Parts.After) After.push_back(static_cast<std::uint8_t>(Byte));
    nlohmann::ordered_json Word = {{"text", Game.Codes().Decode(Parts.Item)}, {"after", After}};
    if (WordSearch) Word["readings"] = Readings[i];
    Words.push_back(Word);
  }
  nlohmann::ordered_json Document = {
      {"type", Game.GameName}, {"settings", Settings}, {"grid", GridRows(Game)}, {"words", Words}};
  Out << Document.dump(2) << '\n';
}

// "(x,y) (x,y) ..." when the bytes read as a path of cells, else the bytes in hexadecimal.
std::string DescribeAfter(std::string_view After) {
  std::ostringstream Text;
  const std::vector<GridCell> Cells = DecodePath(After, After.size() / 2);
  const bool IsPath =
      After.size() % 2 == 0 &&
      std::all_of(Cells.begin(), Cells.end(), [](GridCell C) { return C.X > 0 && C.Y > 0; });
  if (IsPath) {
    for (std::size_t i = 0; i < Cells.size(); ++i)
      Text << (i > 0 ? " " : "") << '(' << Cells[i].X << ',' << Cells[i].Y << ')';
    return Text.str();
  }
  for (std::size_t i = 0; i < After.size(); ++i)
    Text << (i > 0 ? " " : "") << std::hex << std::setw(2) << std::setfill('0')
         << int{static_cast<std::uint8_t>(After[i])} << std::dec;
  return Text.str();
}

// A file's text as the terminal may show it: its control characters escaped.
std::string Printable(const TVornicGame& Game, std::string_view Bytes) {
  return EscapeControls(Game.Codes().Decode(Bytes), TextBytes::Utf8);
}

void PrintPlain(const std::string& Path, const TVornicGame& Game, std::ostream& Out) {
  const TGridSettings& S = Game.Settings;
  Out << "File: " << EscapeControls(Path, TextBytes::Utf8) << '\n'
      << "Game: " << DescriptorOf(Game)->TypeName() << '\n'
      << "Size: " << S.Cols << " x " << S.Rows << '\n'
      << "Character set: " << Printable(Game, S.LanguageName()) << " (font character set "
      << int{S.Charset} << ", code page " << Game.Codes().Number() << ")\n"
      << std::hex << std::uppercase << std::setfill('0') << "Colours: back #" << std::setw(6)
      << S.BackColor << ", lines #" << std::setw(6) << S.LineColor << ", letters #" << std::setw(6)
      << S.FontColor << ", marked letters #" << std::setw(6) << S.MarkFontColor
      << ", marked cells #" << std::setw(6) << S.MarkBackColor << std::dec << std::nouppercase
      << std::setfill(' ') << " (0xBBGGRR)\n"
      << "Bold: " << (S.Bold ? "yes" : "no") << ", grid lines: " << (S.GridLines ? "yes" : "no")
      << ", shadow: " << (S.Shadow ? "yes" : "no") << '\n'
      << "Grid:\n";
  for (std::string Row : GridRows(Game)) {
    std::string Shown;
    for (char32_t C : Utf8ToUtf32(Row)) {
      if (!Shown.empty()) Shown += ' ';
      Shown += C == U'\x19' ? std::string(".")
                            : EscapeControls(Utf32ToUtf8(std::u32string(1, C)), TextBytes::Utf8);
    }
    Out << "  " << Shown << '\n';
  }
  Out << "Words (" << Game.Words.size() << "):\n";
  for (const std::string& Entry : Game.Words) {
    const SplitWordEntry Parts = SplitEntry(Entry);
    Out << "  " << Printable(Game, Parts.Item);
    if (!Parts.After.empty()) Out << "  " << DescribeAfter(Parts.After);
    Out << '\n';
  }
}

}  // namespace

void AddInfoCommand(CLI::App& App, CliContext& Context) {
  auto Options = std::make_shared<InfoOptions>();
  CLI::App* Command = App.add_subcommand("info", "Show what a game file holds");
  Command->add_option("file", Options->File, "Game file (.gm)")->required();
  Command->add_flag("--json", Options->Json, "Print JSON for scripts");
  Command->callback([Options, &Context] {
    TVornicGame Game;
    OpenAnyGame(Options->File, Game, Context);
    if (Options->Json)
      PrintJson(Game, Context.Out);
    else
      PrintPlain(Options->File, Game, Context.Out);
  });
}

}  // namespace vornic::cli
