#pragma once

#include <cstdint>

namespace vornic {

// Divides numbers below 2^32 by one divisor, fixed beforehand, with a multiplication instead of
// a division instruction, which costs some twenty times more in the loops that fill and read a
// grid. Exact for every such number: the multiplier carries 64 bits, twice what they need.
class FastDivider {
 public:
  explicit FastDivider(std::uint32_t Divisor = 1)
      : D(Divisor == 0 ? 1 : Divisor), M(~std::uint64_t{0} / D + 1) {}

  std::uint32_t Quotient(std::uint32_t N) const {
    // 2^64 / 1 does not fit the multiplier (it wraps to 0).
    if (D == 1) return N;
    __extension__ typedef unsigned __int128 Wide;
    return static_cast<std::uint32_t>(static_cast<Wide>(N) * M >> 64);
  }
  std::uint32_t Remainder(std::uint32_t N) const { return N - Quotient(N) * D; }

 private:
  std::uint32_t D;
  std::uint64_t M;
};

}  // namespace vornic
