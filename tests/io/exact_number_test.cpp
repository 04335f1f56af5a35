// Exact numbers are the shortest text that reads back bit for bit, the same
// whether the standard library's std::to_chars writes them or, where it has
// none (the page), printf and strtod do.
#include "io/exact_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

namespace {

using curvix::exact_number;
using curvix::exact_number_by_printf;

double from_bits(std::uint64_t bits) {
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

bool same_bits(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// Awkward doubles: both ends of the range, powers of two (whose rounding
// interval is narrower below), integers around 2^53, where fixed and
// scientific notation trade places, and random bit patterns.
std::vector<double> awkward_doubles() {
  std::vector<double> values = {0.1,
                                0.3,
                                1.0 / 3.0,
                                100.0,
                                0.001,
                                0.0001,
                                1e15,
                                1e16,
                                1.2345678901234568e+20,
                                1e21,
                                123456.0,
                                9007199254740993.0,
                                std::numeric_limits<double>::max(),
                                std::numeric_limits<double>::min(),
                                std::numeric_limits<double>::denorm_min(),
                                std::numeric_limits<double>::epsilon()};
  for (int e = -1074; e <= 1023; ++e) values.push_back(std::ldexp(1.0, e));
  for (int e = -30; e <= 30; ++e) {
    values.push_back(std::pow(10.0, e));
    values.push_back(std::nextafter(std::pow(10.0, e), 0.0));
  }
  std::mt19937_64 rng(20261207);
  for (int i = 0; i < 40000; ++i) {
    const double v = from_bits(rng());
    if (std::isfinite(v)) values.push_back(v);
  }
  std::uniform_real_distribution<double> pixels(-1000.0, 1000.0);
  for (int i = 0; i < 10000; ++i) values.push_back(pixels(rng));
  return values;
}

TEST(ExactNumber, ShortestTextReadsBackBitForBit) {
  EXPECT_EQ(exact_number(0.1), "0.1");
  EXPECT_EQ(exact_number(0.1 + 0.2), "0.30000000000000004");
  EXPECT_EQ(exact_number(100.0), "100");
  EXPECT_EQ(exact_number(1e20), "1e+20");
  EXPECT_EQ(exact_number(0.0001), "1e-04");
  EXPECT_EQ(exact_number(-0.0), "-0");
  EXPECT_EQ(exact_number(5e-324), "5e-324");
  for (const double v : awkward_doubles()) {
    const std::string text = exact_number(v);
    ASSERT_TRUE(same_bits(std::strtod(text.c_str(), nullptr), v)) << text;
    ASSERT_LE(text.size(), 24u) << text;
  }
}

TEST(ExactNumber, PrintfVersionWritesWhatToCharsWrites) {
  for (const double special :
       {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
        std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::quiet_NaN(), 0.0,
        -0.0})
    EXPECT_EQ(exact_number_by_printf(special), exact_number(special));
  for (const double v : awkward_doubles()) {
    ASSERT_EQ(exact_number_by_printf(v), exact_number(v)) << v;
    ASSERT_EQ(exact_number_by_printf(-v), exact_number(-v)) << v;
  }
}

}  // namespace
