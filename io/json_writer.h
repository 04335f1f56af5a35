#pragma once
// Builds one JSON document as text, compact (no spaces), the commas between
// members and elements placed by the writer. Numbers are exact_number text, so
// they read back bit for bit; JSON has no spelling for infinities and NaN, so
// a non-finite number is written as null. Strings are escaped as RFC 8259
// asks: quote, backslash and control characters.
//
//   JsonWriter json;
//   json.begin_object().key("r").number(1.0).key("points").begin_array().end_array().end_object();
//   json.text() == "{\"r\":1,\"points\":[]}"

#include <string>
#include <vector>

namespace curvix {

class JsonWriter {
 public:
  JsonWriter& begin_object();
  JsonWriter& end_object();
  JsonWriter& begin_array();
  JsonWriter& end_array();

  // The name of the next member of the open object.
  JsonWriter& key(const std::string& name);

  JsonWriter& number(double value);
  JsonWriter& integer(long long value);
  JsonWriter& boolean(bool value);
  JsonWriter& string(const std::string& value);
  JsonWriter& null();
  // [v1,v2,...] of number values.
  JsonWriter& numbers(const std::vector<double>& values);

  const std::string& text() const { return text_; }

 private:
  void before_value();
  void open(char bracket);   // a container begins
  void close(char bracket);  // and ends

  std::string text_;
  bool first_in_container_ = true;  // no comma before the next member or element
  bool after_key_ = false;          // a key was written: its value follows directly
};

// A JSON string literal with quotes, backslashes and control characters escaped.
std::string json_string(const std::string& text);

}  // namespace curvix
