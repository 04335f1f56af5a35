#pragma once
// The commands of curvix-lab, in the order the program's help lists them:
// each is described by its own folder's CommandSpec.

#include <array>

#include "lab/common/lab_command.h"
#include "lab/curve/curve_command.h"
#include "lab/limit/limit_command.h"
#include "lab/mask/mask_command.h"
#include "lab/refine/refine_command.h"
#include "lab/smoothness/smoothness_command.h"

namespace curvix {

inline const std::array<const CommandSpec*, 5> LAB_COMMANDS = {
    &MASK_COMMAND, &REFINE_COMMAND, &CURVE_COMMAND, &SMOOTHNESS_COMMAND, &LIMIT_COMMAND};

}  // namespace curvix
