#include <nlohmann/json.hpp>

#include <iomanip>
#include <sstream>

#include "cli/CliSupport.h"
#include "games/GameTable.h"
#include "games/wordsearch/WordRepeats.h"

namespace vornic::cli {
namespace {

struct InfoOptions {
  std::string File;
  bool Json = false;
};

struct SplitEntry {
  std::string Text;   // bytes before the first EmptyChar (the whole entry when there is none)
  std::string After;  // bytes after it
};

SplitEntry Split(const std::string& Entry) {
  const auto Separator = Entry.find(EmptyChar);
  if (Separator == std::string::npos) return {Entry, {}};
  return {Entry.substr(0, Separator), Entry.substr(Separator + 1)};
}

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
  const GameInfo* Info = FindGameByTag(1);
  const bool WordSearch = Info && Game.GameName == Info->TypeName;
  const std::vector<int> Readings = WordSearch ? CountEntryReadings(Game) : std::vector<int>{};
  for (std::size_t i = 0; i < Game.Words.size(); ++i) {
    const SplitEntry Parts = Split(Game.Words[i]);
    std::vector<int> After;
    for (char Byte : Parts.After) After.push_back(static_cast<std::uint8_t>(Byte));
    nlohmann::ordered_json Word = {{"text", Game.Codes().Decode(Parts.Text)}, {"after", After}};
    if (WordSearch) Word["readings"] = Readings[i];
    Words.push_back(Word);
  }
  nlohmann::ordered_json Document = {
      {"type", Game.GameName}, {"settings", Settings}, {"grid", GridRows(Game)}, {"words", Words}};
  Out << Document.dump(2) << '\n';
}

// "(x,y) (x,y) ..." when the bytes read as a path of cells, else the bytes in hexadecimal.
std::string DescribeAfter(const std::string& After) {
  std::ostringstream Text;
  bool IsPath = After.size() % 2 == 0;
  for (char Byte : After) IsPath = IsPath && static_cast<std::uint8_t>(Byte) > PathOffset;
  for (std::size_t i = 0; i < After.size(); i += IsPath ? 2 : 1) {
    if (i > 0) Text << ' ';
    if (IsPath)
      Text << '(' << static_cast<std::uint8_t>(After[i]) - PathOffset << ','
           << static_cast<std::uint8_t>(After[i + 1]) - PathOffset << ')';
    else
      Text << std::hex << std::setw(2) << std::setfill('0')
           << int{static_cast<std::uint8_t>(After[i])} << std::dec;
  }
  return Text.str();
}

void PrintPlain(const std::string& Path, const TVornicGame& Game, std::ostream& Out) {
  const TGridSettings& S = Game.Settings;
  Out << "File: " << Path << '\n'
      << "Game: " << Game.GameName << '\n'
      << "Size: " << S.Cols << " x " << S.Rows << '\n'
      << "Character set: " << Game.Codes().Decode(S.LanguageName()) << " (font character set "
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
      Shown += C == U'\x19' ? std::string(".") : Utf32ToUtf8(std::u32string(1, C));
    }
    Out << "  " << Shown << '\n';
  }
  Out << "Words (" << Game.Words.size() << "):\n";
  for (const std::string& Entry : Game.Words) {
    const SplitEntry Parts = Split(Entry);
    Out << "  " << Game.Codes().Decode(Parts.Text);
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
