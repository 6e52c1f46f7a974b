#pragma once

#include <cstdint>
#include <vector>

namespace vornic {

class TDrawMetaFile;

// The picture's content as an Enhanced Metafile (libUEMF records): header with the bounds and
// a frame in 0.01 mm from the picture size at 96 pixels per inch, the description
// creator NUL description NUL NUL, pens, brushes and fonts created, selected and deleted as GDI
// would, text as ExtTextOutW with one advance per character. Throws DocumentError when a record
// cannot be built (out of memory).
std::vector<std::uint8_t> WriteEmf(const TDrawMetaFile& Picture);

}  // namespace vornic
