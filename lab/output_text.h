#pragma once
// Building blocks of the text, csv and json documents. csv and json carry
// every double as "%.17g" so that reading them back gives the same bits; the
// text format rounds for people and says so in its header. JSON has no
// spelling for infinities or NaN, so a non-finite value is written as null.

#include <string>
#include <vector>

#include "lab/lab_engine.h"

// Heads every text document that rounds its numbers.
extern const char* const TEXT_PRECISION_NOTE;

// Named columns of numbers; integers (indices, degrees) are exact in a double.
struct NumberTable {
  std::vector<std::string> columns;
  std::vector<std::vector<double>> rows;  // each as long as columns
};

// Header line, then one line a row, comma separated, exact numbers.
std::string table_csv(const NumberTable& table);

// Header line, then one line a row, in columns padded for reading, short numbers.
std::string table_text(const NumberTable& table);

// A JSON string literal with quotes, backslashes and control characters escaped.
std::string json_string(const std::string& text);

// An exact number, or null when not finite.
std::string json_number(double value);

// [v1,v2,...] of json_number values.
std::string json_array(const std::vector<double>& values);

// {"basis":"mq1","r":...,...} with exact numbers.
std::string settings_json(const LabSettings& settings);

// "basis mq1, r 1, c 1, pd 1, h 1, w 0.125" with short numbers.
std::string settings_text(const LabSettings& settings);
