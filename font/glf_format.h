#pragma once
// The GLF vector font file layout, shared by the reader and the font generator.
//
// All counts are single unsigned bytes; coordinates are IEEE 754 singles stored
// least significant byte first; fields and records follow without gaps.
//
//   offset  size  field
//   0       3     magic "GLF", no terminator
//   3       96    font name, zero-padded or not
//   99      1     symbol_count: records that follow (0..255)
//   100     28    reserved, ignored
//   128     ...   symbol_count records
//
// Each record: code, n (vertex_count), t (triangle_count), m (contour_count),
// one byte each; then n vertices (x, y: 4 bytes each), t triangles (three
// vertex indices, one byte each) and m contour ends (one byte each), so a
// record takes 4 + 8n + 3t + m bytes. Records come in any order of code, but
// a code occurs at most once in a file.

#include <cstddef>

#include "font/vector_font.h"

namespace curvix {

constexpr char GLF_MAGIC[3] = {'G', 'L', 'F'};   // file signature, not zero-terminated
constexpr std::size_t GLF_MAGIC_SIZE = 3;        // bytes
constexpr std::size_t GLF_RESERVED_SIZE = 28;    // bytes after symbol_count, ignored
constexpr std::size_t GLF_HEADER_SIZE = 128;     // magic + name + symbol_count + reserved
constexpr std::size_t GLF_RECORD_HEAD_SIZE = 4;  // code, n, t, m
constexpr std::size_t GLF_VERTEX_SIZE = 8;       // x and y, 4 bytes each
constexpr std::size_t GLF_TRIANGLE_SIZE = 3;     // three one-byte indices
constexpr std::size_t GLF_MAX_COUNT = 255;       // largest one-byte count

static_assert(GLF_MAGIC_SIZE + GLF_NAME_SIZE + 1 + GLF_RESERVED_SIZE == GLF_HEADER_SIZE,
              "header fields must fill the header");

// Bytes of one record's payload after its four head bytes.
constexpr std::size_t glf_payload_size(std::size_t n, std::size_t t, std::size_t m) {
  return GLF_VERTEX_SIZE * n + GLF_TRIANGLE_SIZE * t + m;
}

// Longest file whose every byte a reader can use: the header and 255 records
// of the largest size. Bytes after the last declared record are never read.
constexpr std::size_t GLF_MAX_USEFUL_SIZE =
    GLF_HEADER_SIZE +
    GLF_MAX_COUNT *
        (GLF_RECORD_HEAD_SIZE + glf_payload_size(GLF_MAX_COUNT, GLF_MAX_COUNT, GLF_MAX_COUNT));

}  // namespace curvix
