#include <limits>

#include "io/exact_number.h"
#include "lab/common/number_text.h"
#include "lab/common/output_text.h"
#include "lab/smoothness/smoothness_sections.h"
#include "lab/smoothness/smoothness_words.h"

namespace curvix {

namespace {

std::string mode_heading(const SmoothnessOptions& options) {
  const LevelSettings& s = options.settings;
  return std::string("# smoothness of ") + scheme_info(s.subdivision.scheme).name + " (" +
         settings_text(s) + ") over " + std::to_string(options.levels) +
         " levels of the subdivision command, " +
         (s.stationary ? "r halved with h (stationary mode)" : "r fixed while h halves") +
         ", depth " + std::to_string(options.depth) + "\n";
}

// One row a level: its spacing, r, condition, trusted or not, its distance
// to the limit (or change from the first level when stationary), the weights
// and the tension of a four-point rule.
NumberTable level_table(const ModeAnalysis& analysis) {
  const SchemeMode& mode = analysis.mode;
  const bool four_point = analysis.levels.front().row.four_point;
  NumberTable table;
  table.columns = {"level",     "h",       "r",
                   "condition", "trusted", mode.stationary ? "change" : "distance"};
  for (std::size_t m = 1; m <= analysis.levels.front().row.weights.size(); ++m)
    table.columns.push_back("w" + std::to_string(m));
  if (four_point) table.columns.push_back("tension");
  for (std::size_t k = 0; k < analysis.levels.size(); ++k) {
    const LevelAnalysis& level = analysis.levels[k];
    std::vector<double> row{
        static_cast<double>(k + 1),       level.settings.h,
        level.settings.subdivision.rbf.r, level.condition,
        mode.trusted[k] ? 1.0 : 0.0,      mode.stationary ? mode.changes[k] : mode.distances[k]};
    row.insert(row.end(), level.row.weights.begin(), level.row.weights.end());
    if (four_point)
      row.push_back(level.row.four_point ? level.row.tension
                                         : std::numeric_limits<double>::quiet_NaN());
    table.rows.push_back(row);
  }
  return table;
}

std::string rule_heading(const ModeAnalysis& analysis) {
  if (analysis.mode.stationary) return "# the scheme's one mask (level 1's):\n";
  return "# the limit rule checked: the flat limit, polynomial interpolation over " +
         std::to_string(analysis.mode.limit_weights.size()) + " points:\n";
}

std::string first_level_line(const ModeAnalysis& analysis) {
  const CertifiedSmoothness& c = analysis.first_level.smoothness;
  return "level 1's mask alone: " + regularity_text(c) + ", " +
         class_text(c.smoothness_class, c.excluded_class) + "\n";
}

std::string scheme_line(const ModeAnalysis& analysis) {
  const int shown = scheme_class(analysis);
  if (analysis.mode.stationary)
    return "scheme: stationary, " + class_text(shown, analysis.scheme.smoothness.excluded_class) +
           "\n";
  return "scheme: not stationary; " +
         (shown < 0 ? std::string("no class shown")
                    : "C" + std::to_string(shown) + " by asymptotic similarity") +
         "\n";
}

std::string yes_no(bool value) {
  return value ? "true" : "false";
}

}  // namespace

std::string levels_text(const SmoothnessOptions& options, const ModeAnalysis& analysis) {
  std::string text = mode_heading(options) + TEXT_PRECISION_NOTE + "\n" +
                     table_text(level_table(analysis)) + scheme_line(analysis);
  text += rule_heading(analysis) + rule_text(analysis.scheme, options.depth) +
          first_level_line(analysis);
  for (const std::string& line : levels_notes(analysis, options.levels))
    text += "note: " + line + "\n";
  return text;
}

std::string levels_csv(const SmoothnessOptions& options, const ModeAnalysis& analysis) {
  const SchemeMode& mode = analysis.mode;
  std::string csv = "field,value\n";
  const auto field = [&](const std::string& name, const std::string& value) {
    csv += name + "," + value + "\n";
  };
  field("levels", std::to_string(options.levels));
  field("stationary", yes_no(mode.stationary));
  field("scheme_class", std::to_string(scheme_class(analysis)));
  for (std::size_t m = 0; m < mode.limit_weights.size(); ++m)
    field("limit_w" + std::to_string(m + 1), exact_number(mode.limit_weights[m]));
  if (!mode.stationary) {
    field("limit_confirmed", yes_no(mode.limit_confirmed));
    field("rate", exact_number(mode.rate));
    field("rate_level", std::to_string(mode.rate_level));
    field("similarity_order", std::to_string(mode.similarity_order));
  }
  csv += rule_csv(analysis.scheme, "");
  csv += rule_csv(analysis.first_level, "level1_");
  const NumberTable table = level_table(analysis);
  for (std::size_t k = 0; k < table.rows.size(); ++k)
    for (std::size_t j = 1; j < table.columns.size(); ++j)
      field("level" + std::to_string(k + 1) + "_" + table.columns[j],
            exact_number(table.rows[k][j]));
  for (const std::string& line : levels_notes(analysis, options.levels))
    field("note", csv_field(line));
  return csv;
}

void write_levels_members(JsonWriter& json, const SmoothnessOptions& options,
                          const ModeAnalysis& analysis) {
  const SchemeMode& mode = analysis.mode;
  const CertifiedSmoothness& c = analysis.scheme.smoothness;
  json.key("regularity_lower").number(regularity_lower(c));
  json.key("regularity_upper").number(regularity_upper(c));
  json.key("exact").boolean(c.exact).key("stationary").boolean(mode.stationary);
  if (!mode.stationary) {
    json.key("limit_weights").numbers(mode.limit_weights);
    json.key("limit_confirmed").boolean(mode.limit_confirmed);
    json.key("rate").number(mode.rate).key("rate_level").integer(mode.rate_level);
    json.key("extrapolation_error").number(mode.extrapolation_error);
    json.key("similarity_order").integer(mode.similarity_order);
  }
  json.key("scheme_class").integer(scheme_class(analysis));
  json.key("levels_requested").integer(options.levels);
  json.key("unsolved_level").integer(analysis.unsolved_level);
  json.key("rule").begin_object();
  write_rule_members(json, analysis.scheme);
  json.end_object().key("first_level").begin_object();
  write_rule_members(json, analysis.first_level);
  json.end_object().key("levels").begin_array();
  for (std::size_t k = 0; k < analysis.levels.size(); ++k) {
    const LevelAnalysis& level = analysis.levels[k];
    json.begin_object().key("level").integer(static_cast<long long>(k + 1));
    json.key("h").number(level.settings.h).key("r").number(level.settings.subdivision.rbf.r);
    json.key("condition").number(level.condition).key("trusted").boolean(mode.trusted[k]);
    json.key("weights").numbers(level.row.weights);
    if (level.row.four_point) json.key("tension").number(level.row.tension);
    json.key(mode.stationary ? "change" : "distance")
        .number(mode.stationary ? mode.changes[k] : mode.distances[k]);
    json.end_object();
  }
  json.end_array().key("notes").begin_array();
  for (const std::string& line : levels_notes(analysis, options.levels)) json.string(line);
  json.end_array();
}

}  // namespace curvix
