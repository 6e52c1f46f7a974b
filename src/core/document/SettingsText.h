#pragma once

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
  struct Line {
    std::string Content;
    std::string Ending;  // "\r\n", "\n", "\r", or nothing on a last line without a break
  };
  // A line of the section asked for: its header, or one of its keys with the value's bytes.
  struct Found {
    std::size_t Index;
    bool Header;
    std::string Key;         // UTF-8, for keys
    std::string_view Value;  // raw bytes, quotes removed
    std::size_t ValueStart;  // where the value starts in the line
  };

  std::vector<Found> InSection(std::string_view Section) const;
  std::string Decode(std::string_view Raw) const;
  bool Encodable(std::string_view Utf8) const;
  std::string Encode(std::string_view Utf8) const;
  std::string LineBreak() const;

  TextFileForm Form = TextFileForm::Plain;
  bool Windows1252 = false;  // a plain file that is not UTF-8; its bytes are kept as they are
  std::vector<Line> Lines;
  std::string Trouble;
};

}  // namespace vornic
