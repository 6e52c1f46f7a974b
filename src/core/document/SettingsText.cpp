#include "document/SettingsText.h"

#include <unicode/uchar.h>

#include <algorithm>

#include "base/CodePage.h"

namespace vornic {
namespace {

constexpr std::string_view Blanks = " \t";

std::string_view TrimRight(std::string_view Text) {
  const auto Last = Text.find_last_not_of(Blanks);
  return Last == std::string_view::npos ? std::string_view() : Text.substr(0, Last + 1);
}

std::string_view Trim(std::string_view Text) {
  const auto First = Text.find_first_not_of(Blanks);
  return First == std::string_view::npos ? std::string_view() : TrimRight(Text.substr(First));
}

bool IsQuote(char C) {
  return C == '"' || C == '\'';
}

// Names compare as the platform's INI functions compare them: without regard to case.
std::u32string Folded(std::string_view Utf8) {
  std::u32string Text = Utf8ToUtf32(Utf8);
  for (char32_t& C : Text) C = static_cast<char32_t>(u_foldCase(static_cast<UChar32>(C), 0));
  return Text;
}

// Control bytes other than blanks and line ends (and the old end-of-file mark) do not occur in
// a text someone wrote: such a file is something else, and writing it back would damage it.
bool IsForeignControl(char C) {
  const auto Byte = static_cast<unsigned char>(C);
  return Byte < 0x20 && std::string_view("\t\n\r\f\v\x1A").find(C) == std::string_view::npos;
}

// A value as written: quoted when reading would otherwise drop its outer blanks or quotes.
std::string Quoted(std::string_view Value) {
  const bool Blank = !Value.empty() && (Blanks.find(Value.front()) != std::string_view::npos ||
                                        Blanks.find(Value.back()) != std::string_view::npos);
  const bool InQuotes =
      Value.size() >= 2 && IsQuote(Value.front()) && Value.back() == Value.front();
  if (Blank || InQuotes) return "\"" + std::string(Value) + "\"";
  return std::string(Value);
}

}  // namespace

SettingsText SettingsText::Parse(std::string_view Bytes) {
  SettingsText Result;
  UnwrappedText Unwrapped = UnwrapTextFile(Bytes);
  Result.Form = Unwrapped.Form;
  if (!Unwrapped.Problem.empty()) {
    Result.Trouble = std::move(Unwrapped.Problem);
    return Result;
  }
  const std::string_view Text = Unwrapped.Text;
  for (const char C : Text) {
    if (IsForeignControl(C)) {
      Result.Trouble = "It holds control bytes, so it is not a text file.";
      return Result;
    }
  }
  Result.Windows1252 = Result.Form == TextFileForm::Plain && !IsValidUtf8(Text);
  std::size_t Start = 0;
  while (Start < Text.size()) {
    std::size_t End = Text.find_first_of("\r\n", Start);
    if (End == std::string_view::npos) End = Text.size();
    std::size_t Next = End;
    if (Next < Text.size() && Text[Next] == '\r') ++Next;
    if (Next < Text.size() && Text[Next] == '\n') ++Next;
    Result.Lines.push_back(
        {std::string(Text.substr(Start, End - Start)), std::string(Text.substr(End, Next - End))});
    Start = Next;
  }
  return Result;
}

bool SettingsText::SameName(std::string_view Left, std::string_view Right) {
  return Folded(Left) == Folded(Right);
}

std::vector<SettingsText::Found> SettingsText::InSection(std::string_view Section) const {
  const std::u32string Wanted = Folded(Section);
  std::vector<Found> Result;
  bool Inside = false;
  for (std::size_t Index = 0; Index < Lines.size(); ++Index) {
    const std::string_view Content = Lines[Index].Content;
    const std::string_view Trimmed = Trim(Content);
    if (Trimmed.starts_with('[')) {
      if (const auto Close = Trimmed.find(']'); Close != std::string_view::npos) {
        Inside = Folded(Decode(Trim(Trimmed.substr(1, Close - 1)))) == Wanted;
        if (Inside) Result.push_back({Index, true, {}, {}, 0});
        continue;
      }
    }
    if (!Inside || Trimmed.empty() || Trimmed.front() == ';' || Trimmed.front() == '#') continue;
    const auto Equals = Content.find('=');
    if (Equals == std::string_view::npos) continue;
    const std::string_view Key = Trim(Content.substr(0, Equals));
    if (Key.empty()) continue;
    const std::size_t ValueStart =
        std::min(Content.find_first_not_of(Blanks, Equals + 1), Content.size());
    std::string_view Value = TrimRight(Content.substr(ValueStart));
    if (Value.size() >= 2 && IsQuote(Value.front()) && Value.back() == Value.front())
      Value = Value.substr(1, Value.size() - 2);
    Result.push_back({Index, false, Decode(Key), Value, ValueStart});
  }
  return Result;
}

std::optional<std::string> SettingsText::Value(std::string_view Section,
                                               std::string_view Key) const {
  const std::u32string Wanted = Folded(Key);
  for (const Found& Here : InSection(Section))
    if (!Here.Header && Folded(Here.Key) == Wanted) return Decode(Here.Value);
  return std::nullopt;
}

std::vector<std::string> SettingsText::Keys(std::string_view Section) const {
  std::vector<std::string> Names;
  std::vector<std::u32string> Seen;
  for (const Found& Here : InSection(Section)) {
    if (Here.Header) continue;
    std::u32string Name = Folded(Here.Key);
    if (std::find(Seen.begin(), Seen.end(), Name) != Seen.end()) continue;
    Seen.push_back(std::move(Name));
    Names.push_back(Here.Key);
  }
  return Names;
}

bool SettingsText::Set(std::string_view Section, std::string_view Key, std::string_view Value) {
  if (!Encodable(Section) || !Encodable(Key) || !Encodable(Value)) {
    // Only a file without bytes that Windows-1252 leaves undefined turns into UTF-8 unchanged.
    const CodePage& Page = CodePage::ForCharset(0);
    for (const Line& Text : Lines)
      for (const char C : Text.Content)
        if (!Page.ToUnicode(static_cast<std::uint8_t>(C))) return false;
    for (Line& Text : Lines) Text.Content = Windows1252ToUtf8(Text.Content);
    Windows1252 = false;
  }
  const std::string Break = LineBreak();
  const std::string Written = Encode(Quoted(Value));
  const std::u32string Wanted = Folded(Key);
  std::optional<std::size_t> After;
  for (const Found& Here : InSection(Section)) {
    if (!Here.Header && Folded(Here.Key) == Wanted) {
      std::string& Content = Lines[Here.Index].Content;
      Content = Content.substr(0, Here.ValueStart) + Written;
      return true;
    }
    After = Here.Index;
  }
  if (!After) {
    if (!Lines.empty() && Lines.back().Ending.empty()) Lines.back().Ending = Break;
    Lines.push_back({"[" + Encode(Section) + "]", Break});
    After = Lines.size() - 1;
  }
  if (Lines[*After].Ending.empty()) Lines[*After].Ending = Break;
  Lines.insert(Lines.begin() + static_cast<std::ptrdiff_t>(*After + 1),
               Line{Encode(Key) + "=" + Written, Break});
  return true;
}

bool SettingsText::Remove(std::string_view Section, std::string_view Key) {
  const std::u32string Wanted = Folded(Key);
  const std::vector<Found> Matches = InSection(Section);
  bool Removed = false;
  for (auto Here = Matches.rbegin(); Here != Matches.rend(); ++Here) {
    if (Here->Header || Folded(Here->Key) != Wanted) continue;
    Lines.erase(Lines.begin() + static_cast<std::ptrdiff_t>(Here->Index));
    Removed = true;
  }
  return Removed;
}

std::string SettingsText::Bytes() const {
  std::string Text;
  for (const Line& Each : Lines) Text += Each.Content + Each.Ending;
  return WrapTextFile(Text, Form);
}

std::string SettingsText::Decode(std::string_view Raw) const {
  return Windows1252 ? Windows1252ToUtf8(Raw) : std::string(Raw);
}

bool SettingsText::Encodable(std::string_view Utf8) const {
  return !Windows1252 || CodePage::ForCharset(0).Encode(Utf8).Ok();
}

std::string SettingsText::Encode(std::string_view Utf8) const {
  return Windows1252 ? CodePage::ForCharset(0).Encode(Utf8).Bytes : std::string(Utf8);
}

std::string SettingsText::LineBreak() const {
  for (const Line& Each : Lines)
    if (!Each.Ending.empty()) return Each.Ending;
  const bool Windows = Form == TextFileForm::Utf16Le || Form == TextFileForm::Utf16Be;
  return Windows ? "\r\n" : "\n";
}

}  // namespace vornic
