#pragma once
// Bounded reading of a byte buffer with explicit byte order. Every read checks
// the bytes that remain first and fails (returns false, leaves the output and
// the position unchanged) rather than step past the end.

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace curvix {

// True when the machine stores the least significant byte of an integer first.
inline bool host_is_little_endian() {
  const std::uint32_t one = 1;
  unsigned char first = 0;
  std::memcpy(&first, &one, 1);
  return first == 1;
}

// The IEEE 754 single whose bytes b[0..3] are stored least significant first.
// The bit pattern is assembled by shifts, so the value is the same on either
// host byte order.
inline float decode_f32_le(const std::uint8_t* b) {
  const std::uint32_t bits =
      static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
      static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
  float value = 0.0f;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

class ByteCursor {
 public:
  ByteCursor(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  std::size_t remaining() const { return size_ - pos_; }

  bool read_u8(std::uint8_t& out) {
    if (remaining() < 1) return false;
    out = data_[pos_++];
    return true;
  }

  bool read_bytes(void* out, std::size_t count) {
    if (remaining() < count) return false;
    if (count > 0) std::memcpy(out, data_ + pos_, count);
    pos_ += count;
    return true;
  }

  bool skip(std::size_t count) {
    if (remaining() < count) return false;
    pos_ += count;
    return true;
  }

  bool read_f32_le(float& out) {
    if (remaining() < 4) return false;
    out = decode_f32_le(data_ + pos_);
    pos_ += 4;
    return true;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

}  // namespace curvix
