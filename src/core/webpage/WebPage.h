#pragma once

#include <nlohmann/json_fwd.hpp>

#include <string>
#include <string_view>
#include <vector>

namespace vornic {

class TVornicGame;
class UserInterface;

// One puzzle of a web page: the document (of a known game) and the heading it gets.
struct WebPagePuzzle {
  const TVornicGame* Game = nullptr;
  std::string Title;  // UTF-8
};

struct WebPageOptions {
  std::string Title;  // the page's title, UTF-8; empty: the only puzzle's, or "Puzzles"
  bool Check = true;  // false: no answers in the page, nothing judged
};

// The web page to solve Puzzles on screen, one after another (with a contents list when there
// are several): one self-contained HTML file whose style, script and puzzle data are inline and
// which asks for nothing over the network (its content security policy forbids it). Titles and
// words go into the page as escaped JSON and are shown as text, never as markup. The answers are
// sealed (PageData.h) with a fresh random salt per puzzle. Throws DocumentError for a document
// of no known game.
std::string MakeWebPage(const std::vector<WebPagePuzzle>& Puzzles, const WebPageOptions& Options);

// "Save web page to solve...": asks Game.Ui for an HTML file (proposed: the puzzle's name, in
// the puzzle's folder), then writes the page of the document alone, titled by its file name.
// A failure is told through Game.Ui and leaves any earlier file as it was. Returns whether a page
// was written.
bool SaveWebPage(const TVornicGame& Game, UserInterface& Ui);

// Text for the page's markup: & < > " ' as character references.
std::string EscapeHtml(std::string_view Text);
// JSON for inside a <script> element: the characters < > & written as \u escapes, so that no
// string can end the element or open a comment. Invalid UTF-8 becomes U+FFFD.
std::string ScriptJson(const nlohmann::json& Value);

}  // namespace vornic
