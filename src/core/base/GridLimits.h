#pragma once

#include "base/EmptyChar.h"

namespace vornic {

// The grid sides a user may choose: the grid settings dialog's size fields, the build commands'
// --size, and the sizes a word maze offers; the jumble's layout stays within the same maximum.
inline constexpr int MinGridSide = 3;
inline constexpr int MaxGridSide = 50;

// The largest side a path can record: a path byte holds a coordinate plus PathOffset, and a
// byte ends at 255.
inline constexpr int MaxPathSide = 255 - PathOffset;

}  // namespace vornic
