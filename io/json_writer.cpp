#include "io/json_writer.h"

#include <cmath>
#include <cstdio>

#include "io/exact_number.h"

namespace curvix {

namespace {

constexpr unsigned FIRST_PRINTABLE = 0x20;  // below it, JSON needs \u escapes
constexpr int ESCAPE_TEXT_SIZE = 8;         // "\u001f" and its terminator

}  // namespace

std::string json_string(const std::string& text) {
  std::string quoted = "\"";
  for (const char c : text) {
    const auto code = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (code < FIRST_PRINTABLE) {
      char escape[ESCAPE_TEXT_SIZE];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(code));
      quoted += escape;
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

void JsonWriter::before_value() {
  if (!after_key_ && !first_in_container_) text_ += ',';
  after_key_ = false;
  first_in_container_ = false;
}

void JsonWriter::open(char bracket) {
  before_value();
  text_ += bracket;
  first_in_container_ = true;
}

void JsonWriter::close(char bracket) {
  text_ += bracket;
  first_in_container_ = false;
}

JsonWriter& JsonWriter::begin_object() {
  open('{');
  return *this;
}

JsonWriter& JsonWriter::end_object() {
  close('}');
  return *this;
}

JsonWriter& JsonWriter::begin_array() {
  open('[');
  return *this;
}

JsonWriter& JsonWriter::end_array() {
  close(']');
  return *this;
}

JsonWriter& JsonWriter::key(const std::string& name) {
  before_value();
  text_ += json_string(name) + ':';
  after_key_ = true;
  return *this;
}

JsonWriter& JsonWriter::number(double value) {
  before_value();
  text_ += std::isfinite(value) ? exact_number(value) : std::string("null");
  return *this;
}

JsonWriter& JsonWriter::integer(long long value) {
  before_value();
  text_ += std::to_string(value);
  return *this;
}

JsonWriter& JsonWriter::boolean(bool value) {
  before_value();
  text_ += value ? "true" : "false";
  return *this;
}

JsonWriter& JsonWriter::string(const std::string& value) {
  before_value();
  text_ += json_string(value);
  return *this;
}

JsonWriter& JsonWriter::null() {
  before_value();
  text_ += "null";
  return *this;
}

JsonWriter& JsonWriter::numbers(const std::vector<double>& values) {
  begin_array();
  for (const double value : values) number(value);
  return end_array();
}

}  // namespace curvix
