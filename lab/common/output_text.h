#pragma once
// Building blocks of the text, csv and json documents. csv and json carry
// every double as io/exact_number.h writes it, so that reading them back gives
// the same bits; the text format rounds for people and says so in its header.

#include <string>
#include <vector>

#include "curves/planar_point.h"
#include "io/json_writer.h"
#include "subdivision/refine_levels.h"

namespace curvix {

// A message as one line: messages echo what the user typed or fed in, which
// may hold a newline or a terminal escape, written here as \n, \t or \xHH.
std::string one_line(const std::string& message);

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

// One csv field (RFC 4180): quoted, with inner quotes doubled, when it holds a
// comma, a quote or a line break; as it is otherwise.
std::string csv_field(const std::string& text);

// The member "settings":{"basis":"mq1","r":...,"c":...,"pd":...,"h":...,"w":...}.
void write_settings(JsonWriter& json, const LevelSettings& settings);

// "basis mq1, r 1, c 1, pd 1, h 1, w 0.125" with short numbers.
std::string settings_text(const LevelSettings& settings);

// "x y" lines with short numbers, one point a line.
std::string points_text(const std::vector<PlanarPoint>& points);

// The points as an array of [x, y] arrays.
void write_points(JsonWriter& json, const std::vector<PlanarPoint>& points);

}  // namespace curvix
