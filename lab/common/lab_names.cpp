#include "lab/common/lab_names.h"

namespace curvix {

std::string rbf_scheme_names() {
  std::string names;
  for (const SchemeInfo& scheme : SCHEMES)
    if (scheme.rbf) names += std::string(names.empty() ? "" : " and ") + scheme.name;
  return names;
}

}  // namespace curvix
