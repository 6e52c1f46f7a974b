#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vornic {

// The document's word list: entries of bytes in the document's code page. Every change calls
// the change notification, through which the document marks itself modified.
class WordList {
 public:
  using const_iterator = std::vector<std::string>::const_iterator;

  void SetOnChange(std::function<void()> Handler) { OnChange = std::move(Handler); }

  void Add(std::string Entry);
  void Insert(std::size_t Index, std::string Entry);
  void Set(std::size_t Index, std::string Entry);
  void Erase(std::size_t Index);
  // Empties the list; an empty list stays unchanged and sends no notification.
  void Clear();
  // Replaces the whole list (one notification).
  void Assign(std::vector<std::string> NewEntries);

  std::size_t size() const { return Entries.size(); }
  bool empty() const { return Entries.empty(); }
  const std::string& operator[](std::size_t Index) const { return Entries[Index]; }
  const_iterator begin() const { return Entries.begin(); }
  const_iterator end() const { return Entries.end(); }
  const std::vector<std::string>& Items() const { return Entries; }
  // New with every change, and unlike the stamp of any other list: a reader that kept it knows,
  // without comparing entries, whether the list is still as it saw it.
  std::uint64_t Stamp() const { return ChangeStamp; }

 private:
  static std::uint64_t NextStamp();
  void Changed() {
    ChangeStamp = NextStamp();
    if (OnChange) OnChange();
  }

  std::vector<std::string> Entries;
  std::function<void()> OnChange;
  std::uint64_t ChangeStamp = NextStamp();
};

}  // namespace vornic
