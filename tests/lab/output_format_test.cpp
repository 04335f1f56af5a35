// csv and json must carry every double exactly; text says how it rounds.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "fake_lab_engine.h"
#include "io/json_writer.h"
#include "lab/common/output_text.h"
#include "lab_run_helpers.h"

using namespace curvix;

namespace {

// Doubles whose shortest exact spellings need 16 or 17 digits, and extremes.
constexpr const char* AWKWARD_POINTS =
    "0.1,0.2\n"
    "0.30000000000000004 -2.2250738585072014e-308\n"
    "1.7976931348623157e308, 5e-324\n"
    "123456789.12345679,-0.33333333333333331\n";

bool same_bits(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// The numbers of a comma-separated line, each read with strtod over the whole field.
std::vector<double> csv_numbers(const std::string& line) {
  std::vector<double> values;
  std::istringstream fields(line);
  std::string field;
  while (std::getline(fields, field, ',')) {
    char* end = nullptr;
    values.push_back(std::strtod(field.c_str(), &end));
    EXPECT_EQ(*end, '\0') << "field '" << field << "'";
  }
  return values;
}

// The numbers of the JSON array that follows `key` in `json`.
std::vector<double> json_numbers_after(const std::string& json, const std::string& key) {
  const std::size_t start = json.find(key);
  EXPECT_NE(start, std::string::npos) << key;
  const std::size_t open = json.find('[', start);
  const std::size_t close = json.find(']', open);
  return csv_numbers(json.substr(open + 1, close - open - 1));
}

std::vector<curvix::PlanarPoint> awkward_points() {
  std::vector<curvix::PlanarPoint> points;
  std::istringstream lines(AWKWARD_POINTS);
  std::string line;
  while (std::getline(lines, line)) {
    const std::size_t gap = line.find_first_of(", ");
    points.push_back({std::strtod(line.substr(0, gap).c_str(), nullptr),
                      std::strtod(line.substr(gap + 1).c_str(), nullptr)});
  }
  return points;
}

TEST(LabOutput, CsvRoundTripsEveryDouble) {
  const LabRun mask = run_lab_with({"mask", "--scheme", "rbf6", "--format", "csv"});
  ASSERT_EQ(mask.status, 0) << mask.err;
  std::istringstream mask_lines(mask.out);
  std::string header;
  std::string row;
  std::getline(mask_lines, header);
  std::getline(mask_lines, row);
  EXPECT_EQ(header, "t1,t2,t3,t4,t5,t6,w1,w2,w3,w4,w5,w6,sum,degree");
  const std::vector<double> values = csv_numbers(row);
  ASSERT_EQ(values.size(), 14u);
  for (std::size_t m = 0; m < 6; ++m) EXPECT_TRUE(same_bits(values[6 + m], FAKE_WEIGHTS[m])) << m;

  const LabRun refine = run_lab_with(
      {"refine", "--scheme", "nr4", "--format", "csv", "--all-levels"}, AWKWARD_POINTS);
  ASSERT_EQ(refine.status, 0) << refine.err;
  std::istringstream lines(refine.out);
  std::getline(lines, header);
  EXPECT_EQ(header, "level,index,x,y");
  for (const curvix::PlanarPoint& expected : awkward_points()) {
    std::getline(lines, row);
    const std::vector<double> fields = csv_numbers(row);
    ASSERT_EQ(fields.size(), 4u) << row;
    EXPECT_TRUE(same_bits(fields[2], expected.x)) << row;
    EXPECT_TRUE(same_bits(fields[3], expected.y)) << row;
  }

  // Text fields are quoted only as needed, with inner quotes doubled.
  const LabRun smoothness = run_lab_with({"smoothness", "--weights", "0.1,0.7", "--format", "csv"});
  ASSERT_EQ(smoothness.status, 0) << smoothness.err;
  EXPECT_NE(smoothness.out.find("\nw1,0.1\n"), std::string::npos);
  EXPECT_NE(smoothness.out.find("\nnote,upper bound 0.6667 excludes C2\n"), std::string::npos)
      << smoothness.out;
  EXPECT_EQ(curvix::csv_field("fake note, with \"quotes\""), "\"fake note, with \"\"quotes\"\"\"");
}

TEST(LabOutput, JsonRoundTripsEveryDouble) {
  const LabRun mask = run_lab_with({"mask", "--scheme", "rbf6", "--format", "json"});
  ASSERT_EQ(mask.status, 0) << mask.err;
  const std::vector<double> weights = json_numbers_after(mask.out, "\"weights\":");
  ASSERT_EQ(weights.size(), 6u);
  for (std::size_t m = 0; m < 6; ++m) EXPECT_TRUE(same_bits(weights[m], FAKE_WEIGHTS[m])) << m;

  const LabRun curve = run_lab_with(
      {"curve", "--kind", "bezier", "--samples", "4", "--format", "json"}, AWKWARD_POINTS);
  ASSERT_EQ(curve.status, 0) << curve.err;
  const std::string& json = curve.out;
  const std::size_t last = json.rfind('[');
  const std::vector<double> sample =
      csv_numbers(json.substr(last + 1, json.find(']', last) - last - 1));
  ASSERT_EQ(sample.size(), 2u);
  EXPECT_TRUE(same_bits(sample[0], 0.1 + 3 / 3.0));
  EXPECT_TRUE(same_bits(sample[1], 0.2 + 3 / 7.0));

  const LabRun smoothness =
      run_lab_with({"smoothness", "--weights", "0.1,0.7", "--format", "json"});
  ASSERT_EQ(smoothness.status, 0) << smoothness.err;
  EXPECT_NE(smoothness.out.find("\"holder_lower\":0.3333333333333333,"), std::string::npos);
  EXPECT_NE(smoothness.out.find("\"notes\":[\"upper bound 0.6667 excludes C2\"]"),
            std::string::npos)
      << smoothness.out;
  EXPECT_EQ(curvix::json_string("fake note, with \"quotes\""),
            "\"fake note, with \\\"quotes\\\"\"");
}

// Text rounds to 10 digits and says so, and its points read back as input
// (short of the largest doubles, which round up past the range).
TEST(LabOutput, TextSaysHowItRoundsAndReadsBackAsInput) {
  const LabRun text = run_lab_with({"refine", "--scheme", "dd"}, AWKWARD_POINTS);
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_NE(text.out.find("# numbers rounded to 10 significant digits"), std::string::npos);
  EXPECT_NE(text.out.find("\n0.3 -2.225073859e-308\n"), std::string::npos) << text.out;
  const LabRun level1 = run_lab_with({"refine", "--scheme", "dd"}, "0.1,0.2\n1e300 -3\n");
  const LabRun again = run_lab_with({"refine", "--scheme", "dd", "--format", "csv"}, level1.out);
  EXPECT_EQ(again.status, 0) << again.err;
  EXPECT_NE(again.out.find("\n1,7,"), std::string::npos) << again.out;  // 4 points became 8
}

}  // namespace
