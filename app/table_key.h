#pragma once
// The inputs a kept table was computed from, as their bits. A kept table is
// used again only when every input of the new request has the same bits as
// before: a double is compared bit for bit (so -0.0 differs from 0.0, and a
// NaN matches only the same NaN), counts and enumerators exactly. A key that
// left out an input would hand back a stale table, so every function that
// keeps a table makes its key from the very arguments it builds from.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

class TableKey {
 public:
  // Empties the key, keeping its storage, so a key rebuilt every event allocates nothing.
  void clear() { words_.clear(); }

  TableKey& add(int value) {
    words_.push_back(static_cast<std::uint64_t>(static_cast<std::int64_t>(value)));
    return *this;
  }

  TableKey& add(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    words_.push_back(bits);
    return *this;
  }

  // The count, then values[0 .. count - 1]: arrays of different lengths never match.
  TableKey& add(const double* values, int count) {
    add(count);
    const std::size_t first = words_.size();
    words_.resize(first + static_cast<std::size_t>(count));
    std::memcpy(words_.data() + first, values, static_cast<std::size_t>(count) * sizeof(double));
    return *this;
  }

  bool operator==(const TableKey& other) const { return words_ == other.words_; }
  bool operator!=(const TableKey& other) const { return !(*this == other); }

 private:
  std::vector<std::uint64_t> words_;
};
