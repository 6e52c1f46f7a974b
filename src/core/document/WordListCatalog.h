#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/WordListStore.h"

namespace vornic {

// One word list as the program offers it.
struct WordListInfo {
  std::string Name;      // the file name without its extension: how a list is asked for
  std::string Title;     // the title line of a titled list; a saved list's name
  std::string Language;  // the folder code of a titled list ("de"); empty for a saved list
  std::size_t Words = 0;
  bool Builtin = false;  // one of the program's own lists
  // Titled lists (the program's and those shared into the word-list folder) are never written;
  // only saved lists are edited.
  bool ReadOnly = false;
  std::filesystem::path File;
};

// A titled list's file: its title line and its words.
struct TitledList {
  std::string Title;
  std::vector<std::string> Words;
};

// Every word list the program offers, in the order in which a name is looked up: the saved lists
// of the word-list folder ("<name>.lst", edited in the word list editor), then titled lists
// shared into that folder ("<language>/<name>.txt"), then the program's own lists in the same
// layout. A list hides every later list of its name (a titled list only those of its language).
class WordListCatalog {
 public:
  static constexpr std::string_view TitledExtension = ".txt";

  WordListCatalog(WordListStore SavedStore, std::filesystem::path SharedFolder,
                  std::filesystem::path BuiltinRoot);
  // The lists where the program keeps them.
  static WordListCatalog Default();
  // Where the program's own lists lie: share/vornicpack/wordlists beside the program's bin/
  // folder, both in a build folder and in an installation.
  static std::filesystem::path BuiltinFolder();

  const WordListStore& Saved() const { return SavedLists; }

  // The lists in lookup order, hidden ones left out; with a language, its titled lists and every
  // saved list (whose language is not known). A list that cannot be read counts no words.
  std::vector<WordListInfo> Lists(std::string_view Language = {}) const;
  // The first list of that name: a saved one, else a titled one of the language.
  std::optional<WordListInfo> Find(const std::string& Name, std::string_view Language) const;
  // The words of a list as its file holds them. Throws DocumentError when it cannot be read.
  std::vector<std::string> Words(const WordListInfo& List) const;

  // A titled list's text: the first line is the title, every other line a word; empty lines and
  // a byte-order mark are left out, and so is space at either end of a line. Throws
  // DocumentError naming FileName when the bytes are no text.
  static TitledList ParseTitled(std::string_view Bytes, const std::string& FileName);

 private:
  void AddTitled(const std::filesystem::path& Root, bool IsBuiltin, std::string_view Language,
                 std::vector<WordListInfo>& Lists) const;

  WordListStore SavedLists;
  std::filesystem::path Shared;
  std::filesystem::path Builtin;
};

}  // namespace vornic
