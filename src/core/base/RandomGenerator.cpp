#include "base/RandomGenerator.h"

#include <chrono>
#include <random>

namespace vornic {
namespace {

__extension__ typedef unsigned __int128 UInt128;

// Made when the program starts rather than on first use, so that every draw reaches it
// directly; nothing draws before main.
std::mt19937_64 Instance{std::random_device{}()};

std::mt19937_64& Engine() {
  return Instance;
}

}  // namespace

void RandomGenerator::Seed(std::uint64_t Value) {
  Engine().seed(Value);
}

void RandomGenerator::SeedFromClock() {
  Engine().seed(static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

int RandomGenerator::Uniform(int N) {
  if (N <= 0) return 0;
  // Lemire's multiply-shift with rejection: unbiased and the same on every standard library.
  const std::uint64_t Range = static_cast<std::uint64_t>(N);
  std::uint64_t X = Engine()();
  UInt128 M = static_cast<UInt128>(X) * Range;
  auto Low = static_cast<std::uint64_t>(M);
  if (Low < Range) {
    const std::uint64_t Threshold = (0 - Range) % Range;
    while (Low < Threshold) {
      X = Engine()();
      M = static_cast<UInt128>(X) * Range;
      Low = static_cast<std::uint64_t>(M);
    }
  }
  return static_cast<int>(M >> 64);
}

}  // namespace vornic
