#include "font/glf_reader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "font/byte_cursor.h"
#include "glf_test_files.h"

using namespace curvix;

namespace {

const char* const FORMAT_MESSAGE = "Error reading font file: incorrect file format\n";
const char* const DUPLICATE_MESSAGE = "Error reading font file: encountered symbols in font\n";

// Parses a heap copy of exactly `bytes`, so a sanitizer build catches any read
// past its end.
GlfStatus parse(const Bytes& bytes, VectorFont& font) {
  const Bytes exact(bytes.begin(), bytes.end());
  return parse_glf(exact.data(), exact.size(), font);
}

struct FileResult {
  int result;
  std::string output;
};

FileResult read_file(const Bytes& bytes, VectorFont& font) {
  TempDir dir;
  const std::string path = dir.write("font.glf", bytes);
  testing::internal::CaptureStdout();
  const int result = read_glf_file(path.c_str(), font);
  return {result, testing::internal::GetCapturedStdout()};
}

TEST(GlfReader, ReadsEveryFieldOfEachRecord) {
  VectorFont font;
  const FileResult r = read_file(small_font(), font);
  ASSERT_EQ(r.result, 0);
  EXPECT_EQ(r.output, "");
  EXPECT_STREQ(font.name.data(), "test font");
  EXPECT_EQ(font.symbol_count, 3);

  const FontSymbol& b = *font.symbols['B'];
  EXPECT_EQ(b.vertex_count, 7);
  EXPECT_EQ(b.triangle_count, 3);
  EXPECT_EQ(b.contour_count, 2);
  ASSERT_EQ(b.vertices.size(), 7u);
  EXPECT_EQ(b.vertices[5].x, 0.25f);
  EXPECT_EQ(b.vertices[6].y, 0.25f);
  EXPECT_EQ(b.triangles, (std::vector<FontTriangle>{{0, 1, 2}, {0, 2, 3}, {4, 5, 6}}));
  EXPECT_EQ(b.contour_ends, (std::vector<std::uint8_t>{3, 6}));

  int present = 0;
  for (const auto& symbol : font.symbols) present += symbol != nullptr;
  EXPECT_EQ(present, 3);
}

TEST(GlfReader, IndexesSymbolsByUnsignedCodeInAnyOrder) {
  const Bytes bytes = GlfBytes()
                          .header(3)
                          .record(255, {{1, 1}}, {}, {0})
                          .record(0, {{2, 2}}, {}, {0})
                          .record(128, {{3, 3}}, {}, {0})
                          .bytes();
  VectorFont font;
  ASSERT_EQ(parse(bytes, font), GlfStatus::OK);
  ASSERT_TRUE(font.symbols[255] && font.symbols[0] && font.symbols[128]);
  EXPECT_EQ(font.symbols[255]->vertices[0].x, 1.0f);
  EXPECT_EQ(font.symbols[0]->vertices[0].x, 2.0f);
  EXPECT_EQ(font.symbols[128]->vertices[0].x, 3.0f);
}

TEST(GlfReader, ZeroSymbolsGiveAnEmptyFont) {
  VectorFont font;
  const FileResult r = read_file(GlfBytes().header(0).bytes(), font);
  EXPECT_EQ(r.result, 0);
  EXPECT_EQ(r.output, "");
  EXPECT_EQ(font.symbol_count, 0);
  for (const auto& symbol : font.symbols) EXPECT_EQ(symbol, nullptr);
}

TEST(GlfReader, NameIsZeroTerminatedAfterItsBytes) {
  const std::string full(GLF_NAME_SIZE, 'N');
  VectorFont font;
  ASSERT_EQ(parse(GlfBytes().header(0, full).bytes(), font), GlfStatus::OK);
  EXPECT_EQ(std::strlen(font.name.data()), 96u);
  EXPECT_EQ(std::string(font.name.data()), full);

  VectorFont padded;
  ASSERT_EQ(parse(GlfBytes().header(0, "Garamond").bytes(), padded), GlfStatus::OK);
  EXPECT_STREQ(padded.name.data(), "Garamond");
}

TEST(GlfReader, BytesAreLittleEndianOnAnyHost) {
  // 00 00 80 3F is 1.0f stored least significant byte first; read the other
  // way round, 3F 80 00 00 is a tiny subnormal, not 1.0.
  const Bytes bytes = GlfBytes()
                          .header(1)
                          .raw({'x', 2, 0, 1})
                          .raw({0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0x80, 0xBF})
                          .raw({0x3F, 0x80, 0x00, 0x00, 0x00, 0x00, 0x20, 0x41})
                          .raw({1})
                          .bytes();
  VectorFont font;
  ASSERT_EQ(parse(bytes, font), GlfStatus::OK);
  const FontSymbol& x = *font.symbols['x'];
  EXPECT_EQ(x.vertices[0].x, 1.0f);
  EXPECT_EQ(x.vertices[0].y, -1.0f);
  EXPECT_NE(x.vertices[1].x, 1.0f);
  EXPECT_EQ(x.vertices[1].y, 10.0f);

  const std::uint8_t one[4] = {0x00, 0x00, 0x80, 0x3F};
  EXPECT_EQ(decode_f32_le(one), 1.0f);
}

TEST(GlfReader, HostByteOrderMatchesTheCompiler) {
  EXPECT_EQ(host_is_little_endian(), __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__);
}

TEST(GlfReader, ExtentsNarrowFromTheirStartValues) {
  const Bytes bytes =
      GlfBytes()
          .header(2)
          .record(' ', {}, {}, {})
          .record('v', {{0.5f, -0.25f}, {-0.75f, 0.5f}, {0.125f, 0.0f}}, {{0, 1, 2}}, {2})
          .bytes();
  VectorFont font;
  ASSERT_EQ(parse(bytes, font), GlfStatus::OK);
  const FontSymbol& empty = *font.symbols[' '];
  EXPECT_EQ(empty.min_x, 10.0f);
  EXPECT_EQ(empty.max_x, -10.0f);
  EXPECT_EQ(empty.min_y, 10.0f);
  EXPECT_EQ(empty.max_y, -10.0f);
  const FontSymbol& v = *font.symbols['v'];
  EXPECT_EQ(v.min_x, -0.75f);
  EXPECT_EQ(v.max_x, 0.5f);
  EXPECT_EQ(v.min_y, -0.25f);
  EXPECT_EQ(v.max_y, 0.5f);
}

TEST(GlfReader, ExtentsStartAtTenNotAtTheFirstVertex) {
  // A lone vertex at (20, -20) passes only the tests against max_x and min_y.
  const Bytes bytes = GlfBytes().header(1).record('f', {{20.0f, -20.0f}}, {}, {0}).bytes();
  VectorFont font;
  ASSERT_EQ(parse(bytes, font), GlfStatus::OK);
  const FontSymbol& f = *font.symbols['f'];
  EXPECT_EQ(f.min_x, 10.0f);
  EXPECT_EQ(f.max_x, 20.0f);
  EXPECT_EQ(f.min_y, -20.0f);
  EXPECT_EQ(f.max_y, -10.0f);
}

TEST(GlfReader, LargestRecordFitsEveryCount) {
  std::vector<std::pair<float, float>> vertices;
  std::vector<std::array<std::uint8_t, 3>> triangles;
  std::vector<std::uint8_t> ends;
  for (int i = 0; i < 255; ++i) {
    const auto k = static_cast<std::uint8_t>(i);
    vertices.emplace_back(static_cast<float>(i) / 255.0f, 0.0f);
    triangles.push_back({k, 254, 0});
    ends.push_back(k);  // one-vertex contours: strictly rising, last is 254
  }
  VectorFont font;
  ASSERT_EQ(parse(GlfBytes().header(1).record('z', vertices, triangles, ends).bytes(), font),
            GlfStatus::OK);
  const FontSymbol& z = *font.symbols['z'];
  EXPECT_EQ(z.vertex_count, 255);
  EXPECT_EQ(z.triangle_count, 255);
  EXPECT_EQ(z.contour_count, 255);
  EXPECT_EQ(z.contour_ends.back(), 254);
}

TEST(GlfReader, BytesAfterTheDeclaredRecordsAreIgnored) {
  const Bytes bytes = GlfBytes().header(0).raw({'x', 9, 9, 9, 1, 2, 3}).bytes();
  VectorFont font;
  EXPECT_EQ(parse(bytes, font), GlfStatus::OK);
  EXPECT_EQ(font.symbols['x'], nullptr);
}

TEST(GlfReader, WrongMagicPrintsTheFormatMessage) {
  for (const std::string magic : {"GLX", "glf", "XLF"}) {
    VectorFont font;
    const FileResult r = read_file(GlfBytes().header(0, "x", magic).bytes(), font);
    EXPECT_EQ(r.result, -1) << magic;
    EXPECT_EQ(r.output, FORMAT_MESSAGE) << magic;
  }
}

TEST(GlfReader, FilesShorterThanTheMagicAreOfTheWrongFormat) {
  for (const Bytes& bytes : {Bytes{}, Bytes{'G'}, Bytes{'G', 'L'}}) {
    VectorFont font;
    const FileResult r = read_file(bytes, font);
    EXPECT_EQ(r.result, -1) << bytes.size();
    EXPECT_EQ(r.output, FORMAT_MESSAGE) << bytes.size();
  }
}

TEST(GlfReader, RepeatedCodePrintsTheSymbolsMessage) {
  const Bytes bytes = GlfBytes()
                          .header(3)
                          .record('A', {{0, 0}}, {}, {0})
                          .record('B', {{0, 0}}, {}, {0})
                          .record('A', {{1, 1}}, {}, {0})
                          .bytes();
  VectorFont font;
  const FileResult r = read_file(bytes, font);
  EXPECT_EQ(r.result, -1);
  EXPECT_EQ(r.output, DUPLICATE_MESSAGE);
  // The first record for the code is the one kept while the caller discards the font.
  EXPECT_EQ(font.symbols['A']->vertices[0].x, 0.0f);
}

TEST(GlfReader, RepeatedCodeIsReportedBeforeItsPayloadIsNeeded) {
  const Bytes bytes =
      GlfBytes().header(2).record('A', {{0, 0}}, {}, {0}).raw({'A', 200, 200, 200}).bytes();
  VectorFont font;
  EXPECT_EQ(parse(bytes, font), GlfStatus::DUPLICATE_SYMBOL);
}

TEST(GlfReader, EveryTruncationIsRejected) {
  const Bytes whole = small_font();
  for (std::size_t size = 0; size < whole.size(); ++size) {
    const Bytes prefix(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
    VectorFont font;
    const GlfStatus expected = size < GLF_MAGIC_SIZE ? GlfStatus::BAD_MAGIC : GlfStatus::TRUNCATED;
    EXPECT_EQ(parse(prefix, font), expected) << "size " << size;
  }
  VectorFont font;
  EXPECT_EQ(parse(whole, font), GlfStatus::OK);
}

TEST(GlfReader, CountsBeyondTheRemainingBytesAreRejected) {
  // A record that declares 255 of everything but brings only a few bytes.
  const Bytes bytes = GlfBytes().header(1).raw({'A', 255, 255, 255, 0, 0, 0, 0}).bytes();
  VectorFont font;
  EXPECT_EQ(parse(bytes, font), GlfStatus::TRUNCATED);
  EXPECT_EQ(font.symbols['A'], nullptr);
}

TEST(GlfReader, SymbolsBreakingTheInvariantsAreRejected) {
  using V = std::vector<std::pair<float, float>>;
  using T = std::vector<std::array<std::uint8_t, 3>>;
  using E = std::vector<std::uint8_t>;
  const V three = {{0, 0}, {1, 0}, {0, 1}};
  struct Case {
    const char* what;
    V vertices;
    T triangles;
    E ends;
  };
  const std::vector<Case> cases = {
      {"triangle index equal to vertex_count", three, {{0, 1, 3}}, {2}},
      {"triangle index far out", three, {{255, 1, 2}}, {2}},
      {"triangle without vertices", {}, {{0, 0, 0}}, {}},
      {"last contour end short of the last vertex", three, {{0, 1, 2}}, {1}},
      {"last contour end past the last vertex", three, {{0, 1, 2}}, {3}},
      {"contour ends repeating", three, {{0, 1, 2}}, {1, 1, 2}},
      {"contour ends falling", three, {{0, 1, 2}}, {1, 0, 2}},
      {"vertices without contours", three, {{0, 1, 2}}, {}},
      {"contour without vertices", {}, {}, {0}},
  };
  for (const Case& c : cases) {
    VectorFont font;
    const FileResult r =
        read_file(GlfBytes().header(1).record('A', c.vertices, c.triangles, c.ends).bytes(), font);
    EXPECT_EQ(r.result, -1) << c.what;
    EXPECT_EQ(r.output, "") << c.what;
  }
}

}  // namespace
