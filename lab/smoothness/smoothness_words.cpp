#include "lab/smoothness/smoothness_words.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "lab/common/number_text.h"

namespace curvix {

namespace {

constexpr int NUMBER_TEXT_SIZE = 32;  // a number of the notes' precisions fits

// "%.3g" for sizes (corrections, gaps, distances), "%.4f" for a bound.
std::string size_text(double value) {
  char text[NUMBER_TEXT_SIZE];
  std::snprintf(text, sizeof text, "%.3g", value);
  return text;
}
std::string bound_text(double value) {
  char text[NUMBER_TEXT_SIZE];
  std::snprintf(text, sizeof text, "%.4f", value);
  return text;
}

struct FallbackWords {
  JsrFallback fallback;
  const char* token;
  const char* why;  // completes "bounds, not exact: "
};

constexpr FallbackWords FALLBACKS[] = {
    {JsrFallback::NONE, "none", "exact"},
    {JsrFallback::COMPLEX_LEADING_EIGENVALUE, "complex_leading_eigenvalue",
     "the candidate product's leading eigenvalue is a complex pair, where the real polytope "
     "cannot close"},
    {JsrFallback::MULTIPLE_LEADING_EIGENVALUE, "multiple_leading_eigenvalue",
     "the candidate product's leading eigenvalue is repeated"},
    {JsrFallback::LEADING_MODULUS_NOT_UNIQUE, "leading_modulus_not_unique",
     "the candidate product has two real eigenvalues of largest modulus"},
    {JsrFallback::ZERO_SPECTRAL_RADIUS, "zero_spectral_radius",
     "every candidate product is nilpotent to rounding"},
    {JsrFallback::EIGENVALUE_FAILURE, "eigenvalue_failure",
     "an eigenvalue iteration did not converge"},
    {JsrFallback::VERTEX_BUDGET_SPENT, "vertex_budget_spent",
     "the invariant polytope reached its vertex budget"},
    {JsrFallback::LP_BUDGET_SPENT, "lp_budget_spent",
     "the invariant polytope spent its budget of linear programs"},
    {JsrFallback::VERTICES_DIVERGED, "vertices_diverged",
     "the invariant polytope's vertices grew without bound: the candidate product is not "
     "spectrum-maximizing"},
    {JsrFallback::LP_FAILURE, "lp_failure", "the linear program solver failed"},
    {JsrFallback::POLYTOPE_NOT_SPANNING, "polytope_not_spanning",
     "the complex polytope closed on a proper subspace only"},
};

const FallbackWords& fallback_words(JsrFallback fallback) {
  for (const FallbackWords& words : FALLBACKS)
    if (words.fallback == fallback) return words;
  return FALLBACKS[0];
}

bool integer_valued(double alpha) {
  return std::fabs(alpha - std::round(alpha)) <= INTEGER_EPSILON;
}

std::string exact_note(const CertifiedSmoothness& c) {
  const char* polytope = c.regularity.rho.complex_polytope
                             ? ": the balanced complex polytope (the leading eigenvalue is a "
                               "complex pair) of "
                             : ": the invariant polytope of ";
  return "exact up to " + size_text(EXACT_REGULARITY_ROUNDING) + polytope +
         std::to_string(c.regularity.rho.polytope_vertices) +
         (c.regularity.rho.polytope_vertices == 1 ? " vertex" : " vertices") + " from " +
         product_text(c.regularity.rho.word) + " closes within its relative tolerance of " +
         size_text(POLYTOPE_TOLERANCE) + ", so its norm is extremal";
}

std::string bounds_note(const CertifiedSmoothness& c) {
  const JointSpectralRadius& rho = c.regularity.rho;
  std::string note = std::string("bounds, not exact: ") + fallback_words(rho.fallback).why +
                     "; the pruned product tree ";
  if (rho.gap_reached)
    return note + "brought the gap to " + size_text(rho.gap) + ", within the target " +
           size_text(FALLBACK_GAP);
  return note + "spent its budget at a gap of " + size_text(rho.gap) + ", short of the target " +
         size_text(FALLBACK_GAP);
}

// The regularity that an integer exponent alpha = k not attained leaves:
// C^(k-1) with a derivative of order k - 1 that is not Lipschitz.
std::string supremum_note(double alpha) {
  const int k = static_cast<int>(std::lround(alpha));
  return "the exponent " + std::to_string(k) +
         " is a supremum, not attained: the limit curves are C" + std::to_string(k - 1) +
         " but their derivative of order " + std::to_string(k - 1) + " is not Lipschitz";
}

void add_regularity_notes(const CertifiedSmoothness& c, std::vector<std::string>& notes) {
  if (!c.second_step) return;
  if (!c.exact) {
    notes.push_back(bounds_note(c));
    return;
  }
  notes.push_back(exact_note(c));
  if (integer_valued(c.lower) && !c.attained) notes.push_back(supremum_note(c.lower));
}

std::string level_range(int from, int to) {
  return from == to ? "level " + std::to_string(from)
                    : "levels " + std::to_string(from) + " to " + std::to_string(to);
}

// The untrusted levels as runs, "levels 7 to 10".
void add_untrusted_notes(const SchemeMode& mode, std::vector<std::string>& notes) {
  const int count = static_cast<int>(mode.trusted.size());
  for (int k = 0; k < count; ++k) {
    if (mode.trusted[static_cast<std::size_t>(k)]) continue;
    int end = k;
    while (end + 1 < count && !mode.trusted[static_cast<std::size_t>(end + 1)]) ++end;
    notes.push_back(level_range(k + 1, end + 1) + ": stencil condition number above " +
                    size_text(CONDITION_LIMIT) +
                    " (digits lost): the masks are not to be trusted and are left out");
    k = end;
  }
}

std::string stationary_note(const SchemeMode& mode) {
  double largest = 0.0;
  for (std::size_t k = 0; k < mode.changes.size(); ++k)
    if (mode.trusted[k]) largest = std::fmax(largest, mode.changes[k]);
  if (mode.stationary)
    return "stationary: every trusted level's mask equals the first one's within rounding (eps "
           "times the condition numbers of their stencil systems, the accuracy of a solve); "
           "they differ by at most " +
           size_text(largest);
  return "not stationary: the trusted level masks differ by up to " + size_text(largest) +
         ", beyond the rounding of their stencil systems";
}

std::string limit_note(const SchemeMode& mode) {
  if (mode.rate_level == 0)
    return "limit unconfirmed: fewer than three consecutive trusted levels lie measurably away "
           "from the flat limit";
  const std::string rate = "distances to the flat limit fall by a factor " + size_text(mode.rate) +
                           " at " + level_range(mode.rate_level - 1, mode.rate_level);
  const std::string extrapolated = "the masks, extrapolated from " +
                                   level_range(mode.rate_level - 2, mode.rate_level) +
                                   " at their own rate, lie ";
  if (!mode.limit_confirmed)
    return "limit unconfirmed: " + rate + ", but " + extrapolated +
           size_text(mode.extrapolation_error) + " from it, more than " +
           size_text(LIMIT_AGREEMENT) + " of the last distance";
  return "limit confirmed: " + rate + "; " + extrapolated + "within " +
         size_text(mode.extrapolation_error) + " of the flat limit";
}

std::string similarity_note(const ModeAnalysis& analysis, int levels) {
  const SchemeMode& mode = analysis.mode;
  const double q = mode.rate;
  std::string note =
      "asymptotic similarity: sum_k d_k 2^(m k) is finite when q 2^m < 1 (taken as "
      "q 2^m <= " +
      size_text(SIMILARITY_MARGIN) + ", a margin for the measured rate); q = " + size_text(q) +
      " gives ";
  if (mode.similarity_order < 0) return note + "no m >= 0: nothing follows for the scheme";
  note += "m <= " + std::to_string(mode.similarity_order) + " (q 2^" +
          std::to_string(mode.similarity_order + 1) + " = " +
          size_text(std::ldexp(q, mode.similarity_order + 1)) + ")";
  const int shown = scheme_class(analysis);
  if (shown < 0) return note + "; the limit rule is not proved C0: nothing follows for the scheme";
  return note + "; with the limit rule " +
         class_text(analysis.scheme.smoothness.smoothness_class, -1) + ", the scheme is C" +
         std::to_string(shown) + ", provided the rate holds beyond level " +
         std::to_string(levels) + "; no more is shown";
}

}  // namespace

std::string product_text(const std::string& word) {
  std::string text;
  for (const char letter : word) text += std::string(text.empty() ? "" : " ") + "T" + letter;
  return text;
}

std::string class_text(int proved, int excluded) {
  const std::string first = proved < 0 ? "not even C0" : "C" + std::to_string(proved);
  if (excluded < 0 || proved < 0) return first;
  return first + ", not C" + std::to_string(excluded);
}

double regularity_lower(const CertifiedSmoothness& c) {
  return c.bounds.status == SmoothnessStatus::ANALYSED ? c.lower
                                                       : std::numeric_limits<double>::quiet_NaN();
}

double regularity_upper(const CertifiedSmoothness& c) {
  return c.bounds.status == SmoothnessStatus::ANALYSED ? c.upper
                                                       : std::numeric_limits<double>::quiet_NaN();
}

std::string regularity_text(const CertifiedSmoothness& c) {
  if (c.bounds.status != SmoothnessStatus::ANALYSED) return "none (no limit)";
  if (c.exact) return short_number(c.lower) + " (exact)";
  const std::string gap =
      std::isfinite(c.upper) ? size_text(c.upper - c.lower) : std::string("infinite");
  return short_number(c.lower) + " to " + short_number(c.upper) + " (bounds, gap " + gap + ")";
}

std::string fallback_token(JsrFallback fallback) {
  return fallback_words(fallback).token;
}

std::vector<std::string> rule_notes(const RuleAnalysis& rule) {
  const CertifiedSmoothness& c = rule.smoothness;
  const SmoothnessReport& report = c.bounds;
  std::vector<std::string> notes;
  if (report.status == SmoothnessStatus::NOT_CONVERGENT) {
    notes.push_back(
        "the weights do not sum to 1 (even up to rounding): the scheme does not converge");
    return notes;
  }
  if (report.corrected)
    notes.push_back("weights moved by at most " + size_text(report.correction) + " to meet the " +
                    std::to_string(report.sum_rules) +
                    " sum rules they meet only up to rounding; the moved weights are shown and "
                    "analysed");
  add_regularity_notes(c, notes);
  if (c.smoothness_class < 0)
    notes.push_back("the bounds do not prove convergence to continuous curves");
  if (c.excluded_class >= 0)
    notes.push_back("upper bound " + bound_text(c.upper) + " excludes C" +
                    std::to_string(c.excluded_class));
  return notes;
}

int scheme_class(const ModeAnalysis& analysis) {
  const int limit_class = analysis.scheme.smoothness.smoothness_class;
  if (analysis.mode.stationary) return limit_class;
  if (!analysis.mode.limit_confirmed) return -1;
  return std::min(limit_class, analysis.mode.similarity_order);
}

std::vector<std::string> levels_notes(const ModeAnalysis& analysis, int levels) {
  const SchemeMode& mode = analysis.mode;
  std::vector<std::string> notes{stationary_note(mode)};
  if (!mode.stationary) {
    notes.push_back(limit_note(mode));
    if (mode.limit_confirmed) notes.push_back(similarity_note(analysis, levels));
  }
  if (analysis.unsolved_level > 0)
    notes.push_back("level " + std::to_string(analysis.unsolved_level) +
                    ": the solver finds the stencil system singular; the levels from there on "
                    "are not analysed");
  add_untrusted_notes(mode, notes);
  for (const std::string& note : rule_notes(analysis.scheme))
    notes.push_back((mode.stationary ? "" : "limit rule: ") + note);
  return notes;
}

}  // namespace curvix
