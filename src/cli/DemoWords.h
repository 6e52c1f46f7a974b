#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace vornic::cli {

// Count words of the program's list Name in Language drawn at random, fitting Side letters; the
// fixed Fallback when the program's lists are not where the program looks for them.
std::vector<std::string> FromList(const char* Name, const char* Language, std::size_t Count,
                                  int Side, std::vector<std::string> Fallback);

}  // namespace vornic::cli
