#pragma once

#include <cstdint>
#include <vector>

namespace vornic {

class TDrawMetaFile;

// The picture's content as a placeable Windows Metafile (libUEMF records), text in the code
// page of each font's character set. Throws DocumentError when a record cannot be built.
std::vector<std::uint8_t> WriteWmf(const TDrawMetaFile& Picture);

}  // namespace vornic
