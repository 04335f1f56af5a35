#pragma once
// The curve samplers run at the vector widths of the solver kernels, chosen
// by the same detection.
#include "linalg/vector_isa.h"
