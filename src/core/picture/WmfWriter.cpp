#include "picture/WmfWriter.h"

#include "picture/TDrawMetaFile.h"

namespace vornic {

std::vector<std::uint8_t> WriteWmf(const TDrawMetaFile&) {
  return {};
}

}  // namespace vornic
