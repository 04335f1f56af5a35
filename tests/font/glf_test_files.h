#pragma once
// Builders for GLF test inputs: byte sequences put together field by field,
// and a temporary directory that holds them as files for the path readers.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "font/glf_format.h"
#include "scoped_temp_dir.h"

using Bytes = std::vector<std::uint8_t>;

class GlfBytes {
 public:
  // Magic, the name bytes cut or zero-padded to 96, the count and 28 reserved bytes.
  GlfBytes& header(std::uint8_t symbol_count, const std::string& name = "test font",
                   const std::string& magic = "GLF") {
    for (char c : magic) bytes_.push_back(static_cast<std::uint8_t>(c));
    for (std::size_t i = 0; i < static_cast<std::size_t>(curvix::GLF_NAME_SIZE); ++i) {
      bytes_.push_back(i < name.size() ? static_cast<std::uint8_t>(name[i]) : 0);
    }
    bytes_.push_back(symbol_count);
    bytes_.insert(bytes_.end(), curvix::GLF_RESERVED_SIZE, 0xEE);
    return *this;
  }

  // A record whose counts are the sizes of the lists given.
  GlfBytes& record(std::uint8_t code, const std::vector<std::pair<float, float>>& vertices,
                   const std::vector<std::array<std::uint8_t, 3>>& triangles,
                   const std::vector<std::uint8_t>& contour_ends) {
    raw({code, static_cast<std::uint8_t>(vertices.size()),
         static_cast<std::uint8_t>(triangles.size()),
         static_cast<std::uint8_t>(contour_ends.size())});
    for (const auto& [x, y] : vertices) f32(x).f32(y);
    for (const auto& t : triangles) bytes_.insert(bytes_.end(), t.begin(), t.end());
    bytes_.insert(bytes_.end(), contour_ends.begin(), contour_ends.end());
    return *this;
  }

  GlfBytes& raw(const Bytes& more) {
    bytes_.insert(bytes_.end(), more.begin(), more.end());
    return *this;
  }

  // Least significant byte first.
  GlfBytes& f32(float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    for (int shift = 0; shift < 32; shift += 8) {
      bytes_.push_back(static_cast<std::uint8_t>(bits >> shift));
    }
    return *this;
  }

  const Bytes& bytes() const { return bytes_; }

 private:
  Bytes bytes_;
};

// Three well-formed symbols: a triangle 'A'; a 'B' of two contours, a square
// made of two triangles and a small separate triangle; and an empty space.
inline Bytes small_font() {
  return GlfBytes()
      .header(3)
      .record('A', {{-0.5f, -0.5f}, {0.5f, -0.5f}, {0.0f, 0.75f}}, {{0, 1, 2}}, {2})
      .record('B', {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}, {0, 0}, {0.25f, 0}, {0, 0.25f}},
              {{0, 1, 2}, {0, 2, 3}, {4, 5, 6}}, {3, 6})
      .record(' ', {}, {}, {})
      .bytes();
}

// A folder of the test's own for the path readers' files.
class TempDir : public ScopedTempDir {
 public:
  TempDir() : ScopedTempDir("curvix-font") {}

  // Writes the bytes to a file `name` in the folder; returns its path.
  std::string write(const std::string& name, const Bytes& bytes) const {
    const std::string file = path(name);
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return file;
  }
};
