#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "support/FindChild.h"

namespace vornic::test {

// A game file of the given type as its game would write it: Cols x Rows cells and, for each
// word, a rightward entry in its own row from column 1 (so the words must fit the columns and
// there must be a row for each). The type may be any name, also one no game has.
void WriteGameFile(const std::filesystem::path& Path, const std::string& TypeName, int Cols,
                   int Rows, const std::vector<std::string>& Words = {});

}  // namespace vornic::test
