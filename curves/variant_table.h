#pragma once
// Lookups in the constexpr tables that describe each kind of variant once
// (schemes, bases, curves): the entry of a value and the value after it.

#include <cstddef>

namespace curvix {

// The entry whose `key` member is `value`, or `fallback` when none is.
template <typename Entry, std::size_t N, typename Key>
constexpr const Entry& table_entry(const Entry (&table)[N], Key Entry::*key, Key value,
                                   const Entry& fallback) {
  for (const Entry& entry : table)
    if (entry.*key == value) return entry;
  return fallback;
}

// The key of the entry after the one whose key is `value`, the last wrapping
// to the first; the first for a value outside the table.
template <typename Entry, std::size_t N, typename Key>
constexpr Key next_in_table(const Entry (&table)[N], Key Entry::*key, Key value) {
  for (std::size_t i = 0; i < N; ++i)
    if (table[i].*key == value) return table[(i + 1) % N].*key;
  return table[0].*key;
}

}  // namespace curvix
