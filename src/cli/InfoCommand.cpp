#include <nlohmann/json.hpp>

#include <algorithm>
#include <iomanip>
#include <sstream>

#include "cli/CliSupport.h"
#include "cli/TerminalText.h"
#include "document/WordEntry.h"
#include "games/GameDescriptor.h"

namespace vornic::cli {
namespace {

struct InfoOptions {
  std::string File;
  bool Json = false;
};

// The rows of the grid there are to show: all, as a read file has Cols x Rows cells.
std::size_t GridRowCount(const TVornicGame& Game) {
  const std::size_t Cells = std::size_t{Game.Settings.Cols} * Game.Settings.Rows;
  return Game.Grid.size() >= Cells ? Game.Settings.Rows : 0;
}

// Row Y of the grid, UTF-8.
std::string GridRow(const TVornicGame& Game, std::size_t Y) {
  const std::size_t Cols = Game.Settings.Cols;
  return Game.Codes().Decode(std::string_view(Game.Grid).substr(Y * Cols, Cols));
}

// A JSON value as dump(2) writes it inside a document, Depth levels deep.
void WriteNested(std::ostream& Out, const nlohmann::ordered_json& Value, int Depth) {
  const std::string Text = Value.dump(2);
  const std::string Indent(static_cast<std::size_t>(2 * Depth), ' ');
  for (char C : Text) {
    Out << C;
    if (C == '\n') Out << Indent;
  }
}

// The array "Name" of Count items, each written by Item(i, Depth), laid out as dump(2) lays it.
template <typename WriteItem>
void WriteArray(std::ostream& Out, const char* Name, std::size_t Count, WriteItem&& Item) {
  Out << "  \"" << Name << "\": [";
  if (Count == 0) {
    Out << ']';
    return;
  }
  for (std::size_t i = 0; i < Count; ++i) {
    Out << (i == 0 ? "\n    " : ",\n    ");
    Item(i);
  }
  Out << "\n  ]";
}

// The document as one JSON object, written a row and a word at a time: a file's grid and word
// list can be large, and a JSON tree of them takes many times their size.
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
  Out << "{\n  \"type\": " << nlohmann::ordered_json(Game.GameName).dump() << ",\n  \"settings\": ";
  WriteNested(Out, Settings, 1);
  Out << ",\n";
  WriteArray(Out, "grid", GridRowCount(Game),
             [&](std::size_t Y) { Out << nlohmann::ordered_json(GridRow(Game, Y)).dump(); });
  Out << ",\n";
  // A word search tells how often each word can be read: more than once is a second answer.
  const std::optional<std::vector<int>> Readings = DescriptorOf(Game)->EntryReadings(Game);
  WriteArray(Out, "words", Game.Words.size(), [&](std::size_t i) {
    const SplitWordEntry Parts = SplitEntry(Game.Words[i]);
    nlohmann::ordered_json After = nlohmann::ordered_json::array();
    for (char Byte : Parts.After) After.push_back(static_cast<std::uint8_t>(Byte));
    nlohmann::ordered_json Word = {{"text", Game.Codes().Decode(Parts.Item)},
                                   {"after", std::move(After)}};
    if (Readings) Word["readings"] = (*Readings)[i];
    WriteNested(Out, Word, 2);
  });
  Out << "\n}\n";
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
  // A row at a time, a space before each character but the first (each UTF-8 lead byte), an
  // empty cell as a dot, control characters escaped.
  std::string Shown;
  for (std::size_t Y = 0; Y < GridRowCount(Game); ++Y) {
    const std::string Row = GridRow(Game, Y);
    Shown.clear();
    for (std::size_t i = 0; i < Row.size(); ++i) {
      const bool Lead = (static_cast<unsigned char>(Row[i]) & 0xC0) != 0x80;
      if (Lead && i > 0) Shown += ' ';
      Shown += Row[i] == '\x19' ? '.' : Row[i];
    }
    Out << "  " << EscapeControls(Shown, TextBytes::Utf8) << '\n';
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
