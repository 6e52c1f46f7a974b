#include "webpage/WebPage.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "base/AppPaths.h"
#include "base/AtomicFile.h"
#include "base/DocumentError.h"
#include "base/EmptyChar.h"
#include "base/Sha256.h"
#include "base/UserInterface.h"
#include "document/TVornicGame.h"
#include "games/GameDescriptor.h"
#include "games/GameTable.h"
#include "games/PageData.h"
#include "webpage/WebTemplate.h"
#include "worksheet/SolverNotes.h"

namespace vornic {
namespace {

// The script's files in the order they go into the page: the shared parts, each game's own
// script (named after its command-line name) in the order of the game table, then the page.
std::vector<std::string> ScriptFiles() {
  std::vector<std::string> Files{"sha256.js", "board.js", "boxes.js"};
  for (const GameInfo& Game : GameTable()) Files.push_back(std::string(Game.CliName) + ".js");
  Files.push_back("page.js");
  return Files;
}

std::string FreshSalt() {
  static constexpr char Digits[] = "0123456789abcdef";
  std::random_device Source;
  std::string Salt;
  for (int i = 0; i < 32; ++i) Salt += Digits[Source() % 16];
  return Salt;
}

// The language whose upper-casing the page applies to typed letters, where it differs from the
// default: the code pages of Turkish, Greek and Baltic letters.
std::string_view CaseLanguage(int Charset) {
  switch (Charset) {
    case 162:
      return "tr";
    case 161:
      return "el";
    case 186:
      return "lt";
    default:
      return "";
  }
}

nlohmann::json PuzzleData(const WebPagePuzzle& Puzzle, bool Check) {
  const TVornicGame& Game = *Puzzle.Game;
  const GameDescriptor* Descriptor = DescriptorOf(Game);
  if (!Descriptor) throw DocumentError("\"" + Game.GameName + "\" is not a game of this program");
  const AnswerSeal Seal = Check ? AnswerSeal(FreshSalt()) : AnswerSeal();
  const SheetParts Notes = NotesFor(Game);
  nlohmann::json Data = {{"title", Puzzle.Title},
                         {"game", Descriptor->Info().CliName},
                         {"lang", CaseLanguage(Game.Settings.Charset)},
                         {"words", Notes.SortedWords},
                         {"data", Descriptor->PageData(Game, Seal)}};
  if (Check) Data["salt"] = Seal.Salt();
  return Data;
}

// Template with each "{{NAME}}" replaced by its value, in one pass: a value is never searched
// for names itself.
std::string Fill(std::string_view Template,
                 const std::vector<std::pair<std::string_view, std::string>>& Values) {
  std::string Page;
  std::size_t At = 0;
  for (std::size_t Open; (Open = Template.find("{{", At)) != std::string_view::npos;) {
    Page.append(Template.substr(At, Open - At));
    const std::size_t Close = Template.find("}}", Open);
    const std::string_view Name = Template.substr(Open + 2, Close - Open - 2);
    const auto Value = std::find_if(Values.begin(), Values.end(),
                                    [Name](const auto& Item) { return Item.first == Name; });
    if (Close == std::string_view::npos || Value == Values.end()) {
      Page += "{{";
      At = Open + 2;
    } else {
      Page += Value->second;
      At = Close + 2;
    }
  }
  Page.append(Template.substr(At));
  return Page;
}

}  // namespace

std::string EscapeHtml(std::string_view Text) {
  std::string Escaped;
  for (const char C : Text) {
    switch (C) {
      case '&':
        Escaped += "&amp;";
        break;
      case '<':
        Escaped += "&lt;";
        break;
      case '>':
        Escaped += "&gt;";
        break;
      case '"':
        Escaped += "&quot;";
        break;
      case '\'':
        Escaped += "&#39;";
        break;
      default:
        Escaped += C;
    }
  }
  return Escaped;
}

std::string ScriptJson(const nlohmann::json& Value) {
  const std::string Text = Value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
  std::string Safe;
  for (const char C : Text) {
    switch (C) {
      case '<':
        Safe += "\\u003c";
        break;
      case '>':
        Safe += "\\u003e";
        break;
      case '&':
        Safe += "\\u0026";
        break;
      default:
        Safe += C;
    }
  }
  return Safe;
}

std::string MakeWebPage(const std::vector<WebPagePuzzle>& Puzzles, const WebPageOptions& Options) {
  std::string Title = Options.Title;
  if (Title.empty()) Title = Puzzles.size() == 1 ? Puzzles[0].Title : "Puzzles";
  nlohmann::json Data = {
      {"title", Title}, {"check", Options.Check}, {"puzzles", nlohmann::json::array()}};
  for (const WebPagePuzzle& Puzzle : Puzzles)
    Data["puzzles"].push_back(PuzzleData(Puzzle, Options.Check));

  std::string Script;
  for (const std::string& File : ScriptFiles()) Script.append(WebTemplate(File));
  const std::string Style(WebTemplate("page.css"));
  // Only this script and this style may run: should anything slip markup into the page, it can
  // neither run nor load anything.
  const std::string Policy = "default-src 'none'; script-src 'sha256-" + Sha256Base64(Script) +
                             "'; style-src 'sha256-" + Sha256Base64(Style) +
                             "'; img-src data:; base-uri 'none'; form-action 'none'";
  return Fill(WebTemplate("page.html"), {{"POLICY", Policy},
                                         {"TITLE", EscapeHtml(Title)},
                                         {"STYLE", Style},
                                         {"DATA", ScriptJson(Data)},
                                         {"SCRIPT", Script}});
}

bool SaveWebPage(const TVornicGame& Game, UserInterface& Ui) {
  const std::filesystem::path File(Game.FileName);
  const std::string Title = Game.FileName.empty() ? Game.DisplayName() : File.stem().string();
  FileDialogRequest Request;
  Request.Filter = "Web page (*.html)|*.html";
  Request.DefaultExt = "*.html";
  Request.InitialDir =
      Game.FileName.empty() ? AppPaths::DialogFolder().string() : File.parent_path().string();
  Request.ProposedName = Title + ".html";
  Request.OverwritePrompt = true;
  const std::optional<std::string> Chosen = Ui.ChooseSaveFile(Request);
  if (!Chosen) return false;
  try {
    WriteFileAtomically(*Chosen, MakeWebPage({{&Game, Title}}, {}));
    return true;
  } catch (const std::exception& Failure) {
    Ui.Tell(ApplicationTitle, Failure.what(), Icon::Error);
    return false;
  }
}

}  // namespace vornic
