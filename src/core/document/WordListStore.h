#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vornic {

class CodePage;

// The saved word lists: one file "<name>.lst" per list in the word-list folder, one word per
// line, every line ended by CR LF, written as UTF-8. A file that is not valid UTF-8 is read as
// Windows-1252 (lists brought from older installations), and UTF-16 with its byte order mark is
// read too. Names and words are UTF-8. Nothing is cached: every call looks at the disk.
class WordListStore {
 public:
  static constexpr std::string_view Extension = ".lst";

  explicit WordListStore(std::filesystem::path Folder);
  // The word-list folder where the program keeps it.
  static WordListStore Default();

  const std::filesystem::path& Folder() const { return ListFolder; }

  // Creates the folder with any missing parents. Returns false when it cannot; the caller then
  // simply finds no saved lists, so the failure is not an error here.
  bool EnsureFolder() const noexcept;

  // The names of the saved lists (file names without ".lst"), sorted without regard to case as
  // a folder listing shows them. Only regular files whose names are valid UTF-8 count; a
  // missing or unreadable folder has no lists.
  std::vector<std::string> ListNames() const;

  std::filesystem::path PathOf(const std::string& Name) const;
  bool Exists(const std::string& Name) const;

  // Empty when Name can name a saved list; otherwise the message that refuses it. A name must
  // stay inside the folder: not empty, not "." or "..", no "/" and no NUL.
  static std::string CheckName(const std::string& Name);

  // The words of a list. Throws DocumentError naming the file when it cannot be read, is larger
  // than MaxWordListBytes or is no text.
  std::vector<std::string> Read(const std::string& Name) const;
  // Replaces the list's file (temporary file, then rename). Throws DocumentError with the
  // refusal of CheckName, or "Cannot create file ..." when it cannot be written; the previous
  // file then stays as it was.
  void Write(const std::string& Name, const std::vector<std::string>& Words) const;
  // Deletes the list's file; a file that is already gone is no error. Throws DocumentError
  // "Cannot delete file ..." when it stays.
  void Remove(const std::string& Name) const;

  // The words of a word-list file's bytes, in any form Read accepts. Throws DocumentError naming
  // FileName when they are no text (a zero byte, damaged UTF-16) rather than cut them short.
  static std::vector<std::string> ParseFile(std::string_view Bytes, const std::string& FileName);
  // Text to words: a line ends at CR, LF or CR LF; empty lines are (empty) words; a final line
  // without its line break still counts; a leading UTF-8 byte-order mark is dropped.
  static std::vector<std::string> ParseLines(std::string_view Utf8);
  // Words to text: each word followed by CR LF; no words is no text. ParseLines gives the same
  // words back.
  static std::string FormatLines(const std::vector<std::string>& Words);

 private:
  std::filesystem::path ListFolder;
};

}  // namespace vornic
