#include "document/WordList.h"

#include <atomic>

namespace vornic {

std::uint64_t WordList::NextStamp() {
  static std::atomic<std::uint64_t> Last{0};
  return ++Last;
}

void WordList::Add(std::string Entry) {
  Entries.push_back(std::move(Entry));
  Changed();
}

void WordList::Insert(std::size_t Index, std::string Entry) {
  Entries.insert(Entries.begin() + static_cast<std::ptrdiff_t>(Index), std::move(Entry));
  Changed();
}

void WordList::Set(std::size_t Index, std::string Entry) {
  Entries.at(Index) = std::move(Entry);
  Changed();
}

void WordList::Erase(std::size_t Index) {
  Entries.erase(Entries.begin() + static_cast<std::ptrdiff_t>(Index));
  Changed();
}

void WordList::Clear() {
  if (Entries.empty()) return;
  Entries.clear();
  Changed();
}

void WordList::Assign(std::vector<std::string> NewEntries) {
  Entries = std::move(NewEntries);
  Changed();
}

}  // namespace vornic
