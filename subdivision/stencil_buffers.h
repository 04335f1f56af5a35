#pragma once

#include <array>

// Largest stencil system the RBF subdivision stores: K = stencil size + pd + 1.
constexpr int STENCIL_SYSTEM_MAX = 100;

// Inverse of one stencil's system matrix, 0-based rows and columns 0..K-1.
using StencilInverse = std::array<std::array<double, STENCIL_SYSTEM_MAX>, STENCIL_SYSTEM_MAX>;
