#include "document/SettingsText.h"

#include <unicode/uchar.h>

#include <algorithm>
#include <set>

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
  if (Blank || InQuotes) return std::string(1, '"').append(Value).append(1, '"');
  return std::string(Value);
}

}  // namespace

SettingsText SettingsText::Parse(std::string_view Bytes) {
  SettingsText Result;
  UnwrappedText Unwrapped = UnwrapTextFile(Bytes);
  Result.Form = Unwrapped.Form;
  Result.Trouble = std::move(Unwrapped.Problem);
  if (Result.Trouble.empty() &&
      std::any_of(Unwrapped.Text.begin(), Unwrapped.Text.end(), IsForeignControl))
    Result.Trouble = "It holds control bytes, so it is not a text file.";
  if (!Result.Trouble.empty()) return Result;
  Result.Text = std::move(Unwrapped.Text);
  Result.Windows1252 = Result.Form == TextFileForm::Plain && !IsValidUtf8(Result.Text);
  return Result;
}

bool SettingsText::SameName(std::string_view Left, std::string_view Right) {
  return Folded(Left) == Folded(Right);
}

void SettingsText::Visit(std::string_view Section,
                         const std::function<bool(const Found&)>& Each) const {
  const std::u32string Wanted = Folded(Section);
  const std::string_view All = Text;
  bool Inside = false;
  for (std::size_t Begin = 0; Begin < All.size();) {
    const std::size_t End = std::min(All.find_first_of("\r\n", Begin), All.size());
    std::size_t Next = End;
    if (Next < All.size() && All[Next] == '\r') ++Next;
    if (Next < All.size() && All[Next] == '\n') ++Next;
    const std::string_view Content = All.substr(Begin, End - Begin);
    const std::string_view Trimmed = Trim(Content);
    Found Line{Begin, End, Next, false, {}, {}, 0};
    Begin = Next;
    if (Trimmed.starts_with('[')) {
      if (const auto Close = Trimmed.find(']'); Close != std::string_view::npos) {
        Inside = Folded(Decode(Trim(Trimmed.substr(1, Close - 1)))) == Wanted;
        Line.Header = true;
        if (Inside && !Each(Line)) return;
        continue;
      }
    }
    if (!Inside || Trimmed.empty() || Trimmed.front() == ';' || Trimmed.front() == '#') continue;
    const auto Equals = Content.find('=');
    if (Equals == std::string_view::npos) continue;
    Line.Key = Trim(Content.substr(0, Equals));
    if (Line.Key.empty()) continue;
    const std::size_t Start =
        std::min(Content.find_first_not_of(Blanks, Equals + 1), Content.size());
    Line.Value = TrimRight(Content.substr(Start));
    if (Line.Value.size() >= 2 && IsQuote(Line.Value.front()) &&
        Line.Value.back() == Line.Value.front())
      Line.Value = Line.Value.substr(1, Line.Value.size() - 2);
    Line.ValueStart = Line.Begin + Start;
    if (!Each(Line)) return;
  }
}

bool SettingsText::IsKey(const Found& Line, const std::u32string& Wanted) const {
  return !Line.Header && Folded(Decode(Line.Key)) == Wanted;
}

std::optional<std::string> SettingsText::Value(std::string_view Section,
                                               std::string_view Key) const {
  const std::u32string Wanted = Folded(Key);
  std::optional<std::string> Result;
  Visit(Section, [&](const Found& Line) {
    if (IsKey(Line, Wanted)) Result = Decode(Line.Value);
    return !Result;
  });
  return Result;
}

std::vector<std::string> SettingsText::Keys(std::string_view Section) const {
  std::vector<std::string> Names;
  std::set<std::u32string> Seen;
  Visit(Section, [&](const Found& Line) {
    if (Line.Header) return true;
    std::string Name = Decode(Line.Key);
    if (Seen.insert(Folded(Name)).second) Names.push_back(std::move(Name));
    return true;
  });
  return Names;
}

bool SettingsText::Set(std::string_view Section, std::string_view Key, std::string_view Value) {
  if (!Encodable(Section) || !Encodable(Key) || !Encodable(Value)) {
    // Only a file without bytes that Windows-1252 leaves undefined turns into UTF-8 unchanged.
    const CodePage& Page = CodePage::ForCharset(0);
    for (const char C : Text)
      if (!Page.ToUnicode(static_cast<std::uint8_t>(C))) return false;
    Text = Windows1252ToUtf8(Text);
    Windows1252 = false;
  }
  const std::string Break = LineBreak();
  const std::string Written = Encode(Quoted(Value));
  const std::u32string Wanted = Folded(Key);
  std::optional<Found> Same, Last;
  Visit(Section, [&](const Found& Line) {
    if (IsKey(Line, Wanted)) Same = Line;
    Last = Line;
    return !Same;
  });
  if (Same) {
    Text.replace(Same->ValueStart, Same->End - Same->ValueStart, Written);
    return true;
  }
  const std::string Entry = Encode(Key) + "=" + Written + Break;
  if (!Last) {
    if (!Text.empty() && Text.back() != '\n' && Text.back() != '\r') Text += Break;
    Text.append("[").append(Encode(Section)).append("]").append(Break).append(Entry);
  } else if (Last->Next == Last->End) {  // the last line of the file, without a line break
    Text.insert(Last->End, Break + Entry);
  } else {
    Text.insert(Last->Next, Entry);
  }
  return true;
}

bool SettingsText::Remove(std::string_view Section, std::string_view Key) {
  const std::u32string Wanted = Folded(Key);
  std::string Kept;
  std::size_t Copied = 0;
  bool Removed = false;
  Visit(Section, [&](const Found& Line) {
    if (!IsKey(Line, Wanted)) return true;
    Kept.append(Text, Copied, Line.Begin - Copied);
    Copied = Line.Next;
    Removed = true;
    return true;
  });
  if (!Removed) return false;
  Kept.append(Text, Copied);
  Text = std::move(Kept);
  return true;
}

std::string SettingsText::Bytes() const {
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
  const auto At = Text.find_first_of("\r\n");
  if (At != std::string::npos)
    return Text.compare(At, 2, "\r\n") == 0 ? "\r\n" : Text.substr(At, 1);
  const bool Windows = Form == TextFileForm::Utf16Le || Form == TextFileForm::Utf16Be;
  return Windows ? "\r\n" : "\n";
}

}  // namespace vornic
