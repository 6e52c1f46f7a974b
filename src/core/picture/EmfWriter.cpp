#include "picture/EmfWriter.h"

#include "picture/TDrawMetaFile.h"

namespace vornic {

std::vector<std::uint8_t> WriteEmf(const TDrawMetaFile&) {
  return {};
}

}  // namespace vornic
