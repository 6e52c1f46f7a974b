#include "base/CharsetNames.h"

namespace vornic {

int CharsetIndex(int Code) {
  for (std::size_t Index = 0; Index < CharsetNames.size(); ++Index)
    if (CharsetNames[Index].Code == Code) return static_cast<int>(Index);
  return 1;
}

int CharsetAtIndex(int Index) {
  if (Index < 0 || static_cast<std::size_t>(Index) >= CharsetNames.size()) return 1;
  return CharsetNames[static_cast<std::size_t>(Index)].Code;
}

}  // namespace vornic
