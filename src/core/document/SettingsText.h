#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/TextFileForm.h"

namespace vornic {

// The text of an INI settings file, read as the platform's INI functions read it and edited line
// by line: an edit changes, adds or removes only the lines of its key, and every other byte
// (sections, order, comments, spacing, line ends, lines that are not understood, the file's
// encoding) stays as it was.
//
// Reading: "[name]" starts a section; "key=value" lines belong to the section above them; lines
// starting with ";" or "#", and lines without "=", are kept but mean nothing. Section and key
// names compare without regard to case, blanks around names and values do not count, matching
// quotes around a value are not part of it, and of two equal keys the first counts. Sections of
// the same name read as one.
class SettingsText {
 public:
  // Never throws: bytes that are no settings text give an object with a Problem, which reads as
  // empty and must not be written back.
  static SettingsText Parse(std::string_view Bytes);

  // Why the bytes are not a settings text (a zero byte or other control bytes, damaged UTF-16);
  // empty when they are.
  const std::string& Problem() const { return Trouble; }

  // Whether two section or key names are the same name (UTF-8, compared without regard to case).
  static bool SameName(std::string_view Left, std::string_view Right);

  // Names and values are UTF-8.
  std::optional<std::string> Value(std::string_view Section, std::string_view Key) const;
  std::vector<std::string> Keys(std::string_view Section) const;

  // Gives the first line of Key a new value, or adds a line after the section's last key (a new
  // section at the end when there is none). Key must be a name the file can hold and Value hold
  // no line break. Returns false, changing nothing, when a file in Windows-1252 cannot hold the
  // text and cannot be turned into UTF-8 without loss.
  bool Set(std::string_view Section, std::string_view Key, std::string_view Value);
  // Removes every line of Key in the section; false when there was none.
  bool Remove(std::string_view Section, std::string_view Key);

  // The file's bytes, in the form it was read in.
  std::string Bytes() const;

 private:
  // A header or key line of the section asked for; offsets are into Text.
  struct Found {
    std::size_t Begin, End, Next;  // the line, its content's end, the start of the next line
    bool Header;
    std::string_view Key;    // raw bytes, for keys
    std::string_view Value;  // raw bytes, quotes removed
    std::size_t ValueStart;  // where the value starts (with its quotes)
  };

  // Calls Each for the header and key lines of Section in file order until it returns false.
  // Nothing is held per line, so that a file of millions of lines costs no more than its bytes.
  void Visit(std::string_view Section, const std::function<bool(const Found&)>& Each) const;
  bool IsKey(const Found& Line, const std::u32string& Wanted) const;
  std::string Decode(std::string_view Raw) const;
  bool Encodable(std::string_view Utf8) const;
  std::string Encode(std::string_view Utf8) const;
  std::string LineBreak() const;

  TextFileForm Form = TextFileForm::Plain;
  bool Windows1252 = false;  // a plain file that is not UTF-8; its bytes are kept as they are
  std::string Text;          // the file without its byte order mark; UTF-8 for UTF-16 files
  std::string Trouble;
};

}  // namespace vornic
