#pragma once

#include <array>

#include "app/point.h"

// Parameter values t[1..MAX_POINTS] of the working points, 1-based: t[i]
// belongs to the point at 0-based index i - 1. Slot 0 exists and is never read.
using ParameterValues = std::array<double, MAX_POINTS + 1>;
