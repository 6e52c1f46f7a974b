#pragma once

#include <string>
#include <vector>

namespace vornic {

// Sorts words (bytes of the code page CharsetCode chooses) as "Copy Words to Clipboard" lists
// them: by the user's locale with letter case ignored, accents not; equal words keep their order.
void SortIgnoringCase(std::vector<std::string>& Words, int CharsetCode);

}  // namespace vornic
