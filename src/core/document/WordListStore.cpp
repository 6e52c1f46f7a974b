#include "document/WordListStore.h"

#include <unicode/uchar.h>

#include <algorithm>
#include <cstring>
#include <system_error>

#include "base/AppPaths.h"
#include "base/AtomicFile.h"
#include "base/BoundedFile.h"
#include "base/CodePage.h"
#include "base/DocumentError.h"
#include "base/TextFileForm.h"
#include "base/TextLines.h"

namespace vornic {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// Case-blind order with a byte-wise tie break, so that the order never depends on the folder.
bool ListedBefore(const std::string& Left, const std::string& Right) {
  auto Fold = [](const std::string& Text) {
    std::u32string Folded = Utf8ToUtf32(Text);
    for (char32_t& Character : Folded)
      Character = static_cast<char32_t>(u_foldCase(static_cast<UChar32>(Character), 0));
    return Folded;
  };
  const std::u32string A = Fold(Left), B = Fold(Right);
  if (A != B) return A < B;
  return Left < Right;
}

}  // namespace

WordListStore::WordListStore(fs::path Folder) : ListFolder(std::move(Folder)) {}

WordListStore WordListStore::Default() {
  return WordListStore(AppPaths::WordListsFolder());
}

bool WordListStore::EnsureFolder() const noexcept {
  std::error_code Error;
  fs::create_directories(ListFolder, Error);
  return fs::is_directory(ListFolder, Error);
}

std::vector<std::string> WordListStore::ListNames() const {
  std::vector<std::string> Names;
  std::error_code Error;
  fs::directory_iterator Entries(ListFolder, Error);
  if (Error) return Names;
  for (const fs::directory_entry& Entry : Entries) {
    const std::string FileName = Entry.path().filename().string();
    if (FileName.size() <= Extension.size() || !FileName.ends_with(Extension)) continue;
    // A folder or a broken link named like a list cannot be read or written as one.
    std::error_code KindError;
    if (!Entry.is_regular_file(KindError)) continue;
    // A name the widgets cannot show as it is could not be written back to the same file.
    if (!IsValidUtf8(FileName)) continue;
    Names.push_back(FileName.substr(0, FileName.size() - Extension.size()));
  }
  std::sort(Names.begin(), Names.end(), ListedBefore);
  return Names;
}

fs::path WordListStore::PathOf(const std::string& Name) const {
  return ListFolder / (Name + std::string(Extension));
}

bool WordListStore::Exists(const std::string& Name) const {
  if (!CheckName(Name).empty()) return false;
  std::error_code Error;
  return fs::is_regular_file(PathOf(Name), Error);
}

std::string WordListStore::CheckName(const std::string& Name) {
  if (Name.empty()) return "Please enter a name for the word list.";
  if (Name == "." || Name == ".." || Name.find('/') != std::string::npos ||
      Name.find('\0') != std::string::npos)
    return std::string(1, '"').append(Name.c_str()) +
           "\" cannot be the name of a word list: a name must not be \".\" or \"..\", nor hold "
           "\"/\".";
  return {};
}

std::vector<std::string> WordListStore::Read(const std::string& Name) const {
  if (const std::string Problem = CheckName(Name); !Problem.empty()) throw DocumentError(Problem);
  const fs::path File = PathOf(Name);
  return ParseFile(ReadBoundedFile(File, MaxWordListBytes), File.string());
}

std::vector<std::string> WordListStore::ParseFile(std::string_view Bytes,
                                                  const std::string& FileName) {
  std::string Problem;
  const std::string Text = TextFileToUtf8(Bytes, Problem);
  if (!Problem.empty()) throw DocumentError("Cannot open file \"" + FileName + "\". " + Problem);
  return SplitLineBreaks(Text);
}

void WordListStore::Write(const std::string& Name, const std::vector<std::string>& Words) const {
  if (const std::string Problem = CheckName(Name); !Problem.empty()) throw DocumentError(Problem);
  // The folder may have gone since the editor opened; a failure shows in the write below.
  EnsureFolder();
  WriteFileAtomically(PathOf(Name), FormatLines(Words));
}

void WordListStore::Remove(const std::string& Name) const {
  if (const std::string Problem = CheckName(Name); !Problem.empty()) throw DocumentError(Problem);
  const fs::path Path = PathOf(Name);
  std::error_code Error;
  fs::remove(Path, Error);
  if (Error)
    throw DocumentError("Cannot delete file \"" + Path.string() + "\". " + Error.message());
}

std::vector<std::string> WordListStore::ParseLines(std::string_view Utf8) {
  if (Utf8.starts_with(ByteOrderMark)) Utf8.remove_prefix(ByteOrderMark.size());
  return SplitLineBreaks(Utf8);
}

std::string WordListStore::FormatLines(const std::vector<std::string>& Words) {
  // A first word that starts with U+FEFF would be read back as a byte-order mark and lose it:
  // a mark of its own in front keeps it.
  if (!Words.empty() && Words.front().starts_with(ByteOrderMark))
    return std::string(ByteOrderMark) + JoinCrLf(Words);
  return JoinCrLf(Words);
}

}  // namespace vornic
