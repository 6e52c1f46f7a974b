#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vornic {

class TVornicGame;

// A language of the program's word lists: the folder its lists lie in, the character set its
// puzzles use (which chooses the code page) and the fill letters of the character set named
// after it in the settings file.
struct ListLanguage {
  std::string_view Code;     // "de": the lists' folder
  std::string_view Name;     // "German": the character set of fill letters (at most 10 characters)
  int Charset;               // the font character set of its puzzles
  std::string_view Letters;  // fill letters, lower case, UTF-8

  // Every language with lists, English first.
  static const std::vector<ListLanguage>& All();
  // The language of a folder code, or null.
  static const ListLanguage* Find(std::string_view Code);
  // The first language whose puzzles use Charset's code page (English for Windows-1252), or
  // null when no list is in that code page.
  static const ListLanguage* OfCharset(int Charset);
};

// Makes Game take Language's code page and fill letters: its Charset, and its character set of
// fill letters, which is added to the settings file under the language's name when missing (the
// file keeps an existing set of that name as the user edited it). Throws DocumentError when the
// settings file cannot be read or written; Game then has the code page but keeps its set. The
// grid is not touched: the caller places its words anew.
void FollowListLanguage(TVornicGame& Game, const ListLanguage& Language);

// Empty when words of From can join a puzzle holding Words in the code page of Charset and the
// puzzle can take From's code page; otherwise the message that says why not. Words are UTF-8.
std::string RefuseLanguageChange(int Charset, const ListLanguage& From,
                                 const std::vector<std::string>& Words);

}  // namespace vornic
