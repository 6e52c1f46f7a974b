#pragma once

#include <utility>
#include <vector>

#include "base/RandomGenerator.h"

namespace vornic {

// The jumble's shuffle: for every i, item i trades places with a uniformly chosen item (itself
// included). Not a uniform permutation, but the order in which it draws from the program's
// generator is part of what a seed reproduces.
template <typename Item>
void ExchangeShuffle(std::vector<Item>& Items) {
  const int Count = static_cast<int>(Items.size());
  for (int i = 0; i < Count; ++i)
    std::swap(Items[static_cast<std::size_t>(i)],
              Items[static_cast<std::size_t>(RandomGenerator::Uniform(Count))]);
}

}  // namespace vornic
