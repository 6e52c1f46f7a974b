#pragma once

#include <string>

#include "cli/CliSupport.h"

namespace vornic::cli {

// Draws every game file in Folder as its window shows it and writes the picture beside it as
// ".emf" and, when this build has the Qt renderer, ".png". Names are listed on Context.Out.
void WriteDemoPictures(const std::string& Folder, CliContext& Context);

}  // namespace vornic::cli
