#include "base/FastDivider.h"

#include <gtest/gtest.h>

namespace vornic {
namespace {

// Fill letters and grid rows come from it, so it must agree with the division instruction for
// every divisor a grid or a character set gives and up to the largest 32-bit numbers.
TEST(FastDividerTest, AgreesWithDivisionUpToTheLargestNumbers) {
  for (std::uint32_t D = 1; D <= 1000; ++D) {
    const FastDivider By(D);
    for (std::uint32_t N :
         {0u, 1u, D - 1, D, D + 1, 7 * D + 3, 2147483647u, 4294967295u - D, 4294967295u}) {
      ASSERT_EQ(By.Quotient(N), N / D) << N << " / " << D;
      ASSERT_EQ(By.Remainder(N), N % D) << N << " % " << D;
    }
  }
}

}  // namespace
}  // namespace vornic
