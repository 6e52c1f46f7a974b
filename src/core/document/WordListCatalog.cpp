#include "document/WordListCatalog.h"

#include <algorithm>
#include <system_error>

#include "base/AppPaths.h"
#include "base/BoundedFile.h"
#include "base/CodePage.h"
#include "base/DocumentError.h"
#include "base/TextFileForm.h"
#include "base/TextLines.h"
#include "document/ListLanguage.h"

namespace vornic {
namespace fs = std::filesystem;
namespace {

std::string Trimmed(std::string_view Line) {
  const auto Space = [](char C) { return C == ' ' || C == '\t'; };
  while (!Line.empty() && Space(Line.front())) Line.remove_prefix(1);
  while (!Line.empty() && Space(Line.back())) Line.remove_suffix(1);
  return std::string(Line);
}

// The names of a folder's regular files with Extension, without it, in byte order (the
// program's lists are named in plain ASCII). A missing folder has none.
std::vector<std::string> FileStems(const fs::path& Folder, std::string_view Extension) {
  std::vector<std::string> Stems;
  std::error_code Error;
  fs::directory_iterator Entries(Folder, Error);
  if (Error) return Stems;
  for (const fs::directory_entry& Entry : Entries) {
    const std::string FileName = Entry.path().filename().string();
    std::error_code KindError;
    if (FileName.size() <= Extension.size() || !FileName.ends_with(Extension) ||
        !Entry.is_regular_file(KindError) || !IsValidUtf8(FileName))
      continue;
    Stems.push_back(FileName.substr(0, FileName.size() - Extension.size()));
  }
  std::sort(Stems.begin(), Stems.end());
  return Stems;
}

bool Hidden(const std::vector<WordListInfo>& Before, const WordListInfo& List) {
  return std::any_of(Before.begin(), Before.end(), [&List](const WordListInfo& Earlier) {
    return Earlier.Name == List.Name &&
           (Earlier.Language.empty() || Earlier.Language == List.Language);
  });
}

}  // namespace

WordListCatalog::WordListCatalog(WordListStore SavedStore, fs::path SharedFolder,
                                 fs::path BuiltinRoot)
    : SavedLists(std::move(SavedStore)),
      Shared(std::move(SharedFolder)),
      Builtin(std::move(BuiltinRoot)) {}

WordListCatalog WordListCatalog::Default() {
  WordListStore Saved = WordListStore::Default();
  const fs::path Folder = Saved.Folder();
  return WordListCatalog(std::move(Saved), Folder, BuiltinFolder());
}

fs::path WordListCatalog::BuiltinFolder() {
  return (AppPaths::ProgramFolder() / ".." / "share" / "vornicpack" / "wordlists")
      .lexically_normal();
}

std::vector<WordListInfo> WordListCatalog::Lists(std::string_view Language) const {
  std::vector<WordListInfo> Lists;
  for (const std::string& Name : SavedLists.ListNames()) {
    WordListInfo List{Name, Name, "", 0, false, false, SavedLists.PathOf(Name)};
    try {
      List.Words = SavedLists.Read(Name).size();
    } catch (const DocumentError&) {
      // Listed all the same: the editor shows why it cannot be opened.
    }
    Lists.push_back(std::move(List));
  }
  AddTitled(Shared, false, Language, Lists);
  AddTitled(Builtin, true, Language, Lists);
  return Lists;
}

void WordListCatalog::AddTitled(const fs::path& Root, bool IsBuiltin, std::string_view Language,
                                std::vector<WordListInfo>& Lists) const {
  for (const ListLanguage& Each : ListLanguage::All()) {
    if (!Language.empty() && Each.Code != Language) continue;
    const fs::path Folder = Root / std::string(Each.Code);
    for (const std::string& Name : FileStems(Folder, TitledExtension)) {
      WordListInfo List{Name,
                        Name,
                        std::string(Each.Code),
                        0,
                        IsBuiltin,
                        true,
                        Folder / (Name + std::string(TitledExtension))};
      if (Hidden(Lists, List)) continue;
      try {
        TitledList Read =
            ParseTitled(ReadBoundedFile(List.File, MaxWordListBytes), List.File.string());
        if (!Read.Title.empty()) List.Title = std::move(Read.Title);
        List.Words = Read.Words.size();
      } catch (const DocumentError&) {
        // An unreadable list is offered by its name; reading its words says why it fails.
      }
      Lists.push_back(std::move(List));
    }
  }
}

std::optional<WordListInfo> WordListCatalog::Find(const std::string& Name,
                                                  std::string_view Language) const {
  for (WordListInfo& List : Lists(Language))
    if (List.Name == Name) return std::move(List);
  return std::nullopt;
}

std::vector<std::string> WordListCatalog::Words(const WordListInfo& List) const {
  if (!List.ReadOnly) return SavedLists.Read(List.Name);
  return ParseTitled(ReadBoundedFile(List.File, MaxWordListBytes), List.File.string()).Words;
}

TitledList WordListCatalog::ParseTitled(std::string_view Bytes, const std::string& FileName) {
  TitledList List;
  bool First = true;
  for (const std::string& Line : WordListStore::ParseFile(Bytes, FileName)) {
    std::string Text = Trimmed(Line);
    if (First)
      List.Title = std::move(Text);
    else if (!Text.empty())
      List.Words.push_back(std::move(Text));
    First = false;
  }
  return List;
}

}  // namespace vornic
