#pragma once
// The words of a smoothness analysis, shared by the documents of one rule,
// of a scheme's levels and of a sweep: each fact the engine returns as a value
// or a flag is worded here once.

#include <string>
#include <vector>

#include "lab/smoothness/smoothness_command.h"

namespace curvix {

// "T0 T1" for the word "01" (spectrum_maximizing_product.h's convention).
std::string product_text(const std::string& word);

// "C1, not C2"; "C2" when nothing is excluded; "not even C0, not C0" never:
// "not even C0" when nothing is proved.
std::string class_text(int proved, int excluded);

// The regularity's bounds, NaN where the rule has no limit to bound.
double regularity_lower(const CertifiedSmoothness& smoothness);
double regularity_upper(const CertifiedSmoothness& smoothness);

// "2 (exact)" or "1.6201 to 1.6390 (bounds, gap 0.019)".
std::string regularity_text(const CertifiedSmoothness& smoothness);

// The reason for bounds as a JSON and csv token ("complex_leading_eigenvalue"),
// "none" when exact.
std::string fallback_token(JsrFallback fallback);

// What the analysis of a rule means, one note per fact.
std::vector<std::string> rule_notes(const RuleAnalysis& rule);

// The notes of a scheme's levels: the mode, the limit's check, asymptotic
// similarity and the levels not to be trusted, then the rule notes of the
// analysed mask or limit rule.
std::vector<std::string> levels_notes(const ModeAnalysis& analysis, int levels);

// The class the levels show for the scheme itself: the one mask's for a
// stationary scheme; for a non-stationary one the smaller of the limit rule's
// proved class and the similarity order, -1 when the limit is unconfirmed.
int scheme_class(const ModeAnalysis& analysis);

}  // namespace curvix
