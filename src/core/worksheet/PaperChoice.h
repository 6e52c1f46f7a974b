#pragma once

#include <string_view>

#include "worksheet/WorksheetPage.h"

namespace vornic {

// The paper of a locale name such as "en_US.UTF-8" or "fr_CA@euro": US Letter for the countries
// that use it (the United States, Canada, Mexico, the Philippines and much of Central and South
// America), A4 for every other name, "C" and "POSIX" included.
PaperSize PaperForLocale(std::string_view LocaleName);

// The user's paper: the locale that decides paper sizes (LC_ALL, else LC_PAPER, else LANG, the
// first that is set and not empty), A4 when none is set.
PaperSize DefaultPaper();

}  // namespace vornic
