#pragma once

#include <cstdint>

namespace vornic {

// The program-wide uniform pseudo-random generator. Game windows reseed it from the clock when
// they are created; tests and the command-line tool seed it to reproduce a puzzle.
class RandomGenerator {
 public:
  static void Seed(std::uint64_t Value);
  static void SeedFromClock();
  // A uniform integer from 0 to N - 1; 0 when N is 0 or less.
  static int Uniform(int N);
};

}  // namespace vornic
