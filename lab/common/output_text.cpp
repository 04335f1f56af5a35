#include "lab/common/output_text.h"

#include "io/exact_number.h"
#include "lab/common/number_text.h"

namespace curvix {

std::string one_line(const std::string& message) {
  static const char* const HEX = "0123456789abcdef";
  std::string line;
  for (const char c : message) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\n') {
      line += "\\n";
    } else if (c == '\t') {
      line += "\\t";
    } else if (byte < 0x20 || byte == 0x7f) {
      line += std::string("\\x") + HEX[byte >> 4] + HEX[byte & 0xf];
    } else {
      line += c;
    }
  }
  return line;
}

const char* const TEXT_PRECISION_NOTE =
    "# numbers rounded to 10 significant digits; --format csv or json gives them exactly";

namespace {

constexpr std::size_t TEXT_COLUMN_WIDTH = 18;  // a signed 10-digit number with exponent, and a gap
constexpr std::size_t CSV_FIELD_GUESS =
    20;  // bytes a csv number and its comma take, at most a few more

std::string padded(const std::string& field) {
  if (field.size() >= TEXT_COLUMN_WIDTH) return field + " ";
  return field + std::string(TEXT_COLUMN_WIDTH - field.size(), ' ');
}

// Joins fields with `separator`; fields are already formatted.
std::string joined(const std::vector<std::string>& fields, const std::string& separator) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) line += (i == 0 ? "" : separator) + fields[i];
  return line;
}

std::string padded_line(const std::vector<std::string>& fields) {
  std::string line;
  for (const std::string& field : fields) line += padded(field);
  line.erase(line.find_last_not_of(' ') + 1);
  return line;
}

template <typename Format>
std::vector<std::string> formatted_row(const std::vector<double>& row, Format format) {
  std::vector<std::string> fields;
  for (double value : row) fields.push_back(format(value));
  return fields;
}

}  // namespace

// Written straight into the document: a refinement's csv has a hundred
// thousand rows, and a string per number would cost more than the numbers.
std::string table_csv(const NumberTable& table) {
  std::string document = joined(table.columns, ",") + "\n";
  document.reserve(document.size() + table.rows.size() * table.columns.size() * CSV_FIELD_GUESS);
  char number[EXACT_NUMBER_MAX];
  for (const auto& row : table.rows) {
    for (std::size_t i = 0; i < row.size(); ++i) {
      if (i != 0) document += ',';
      document.append(number, static_cast<std::size_t>(write_exact_number(row[i], number)));
    }
    document += '\n';
  }
  return document;
}

std::string table_text(const NumberTable& table) {
  std::string document = padded_line(table.columns) + "\n";
  for (const auto& row : table.rows)
    document += padded_line(formatted_row(row, short_number)) + "\n";
  return document;
}

std::string csv_field(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) quoted += (c == '"') ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

void write_settings(JsonWriter& json, const LevelSettings& settings) {
  const RbfSettings& rbf = settings.subdivision.rbf;
  json.key("settings").begin_object();
  json.key("basis").string(basis_info(rbf.basis).name);
  json.key("r").number(rbf.r).key("c").number(rbf.c).key("pd").integer(rbf.pd);
  json.key("h").number(settings.h).key("w").number(settings.subdivision.tension);
  json.end_object();
}

std::string settings_text(const LevelSettings& settings) {
  const RbfSettings& rbf = settings.subdivision.rbf;
  return std::string("basis ") + basis_info(rbf.basis).name + ", r " + short_number(rbf.r) +
         ", c " + short_number(rbf.c) + ", pd " + std::to_string(rbf.pd) + ", h " +
         short_number(settings.h) + ", w " + short_number(settings.subdivision.tension);
}

std::string points_text(const std::vector<PlanarPoint>& points) {
  std::string text;
  for (const PlanarPoint& p : points) text += short_number(p.x) + " " + short_number(p.y) + "\n";
  return text;
}

void write_points(JsonWriter& json, const std::vector<PlanarPoint>& points) {
  json.begin_array();
  for (const PlanarPoint& p : points) json.begin_array().number(p.x).number(p.y).end_array();
  json.end_array();
}

}  // namespace curvix
