#include "lab/output_text.h"

#include <cmath>
#include <cstdio>

#include "lab/number_text.h"
#include "lab/option_values.h"

const char* const TEXT_PRECISION_NOTE =
    "# numbers rounded to 10 significant digits; --format csv or json gives all 17";

namespace {

constexpr std::size_t TEXT_COLUMN_WIDTH = 18;  // a signed 10-digit number with exponent, and a gap

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

std::string table_csv(const NumberTable& table) {
  std::string document = joined(table.columns, ",") + "\n";
  for (const auto& row : table.rows)
    document += joined(formatted_row(row, exact_number), ",") + "\n";
  return document;
}

std::string table_text(const NumberTable& table) {
  std::string document = padded_line(table.columns) + "\n";
  for (const auto& row : table.rows)
    document += padded_line(formatted_row(row, short_number)) + "\n";
  return document;
}

std::string json_string(const std::string& text) {
  std::string quoted = "\"";
  for (const char c : text) {
    const auto code = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (code < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(code));
      quoted += escape;
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

std::string json_number(double value) {
  return std::isfinite(value) ? exact_number(value) : std::string("null");
}

std::string json_array(const std::vector<double>& values) {
  std::vector<std::string> fields;
  for (double value : values) fields.push_back(json_number(value));
  return "[" + joined(fields, ",") + "]";
}

std::string settings_json(const LabSettings& settings) {
  return std::string("{\"basis\":") + json_string(basis_name(settings.basis)) +
         ",\"r\":" + json_number(settings.r) + ",\"c\":" + json_number(settings.c) +
         ",\"pd\":" + std::to_string(settings.pd) + ",\"h\":" + json_number(settings.h) +
         ",\"w\":" + json_number(settings.w) + "}";
}

std::string settings_text(const LabSettings& settings) {
  return std::string("basis ") + basis_name(settings.basis) + ", r " + short_number(settings.r) +
         ", c " + short_number(settings.c) + ", pd " + std::to_string(settings.pd) + ", h " +
         short_number(settings.h) + ", w " + short_number(settings.w);
}
