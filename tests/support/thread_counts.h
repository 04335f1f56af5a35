#pragma once
// The thread counts the tests split work over. An emulated run may not start
// threads at all: the qemu-user of the cross test (scripts/test_cross.sh)
// hangs as soon as an emulated program starts one, so that script sets
// CURVIX_TESTS_ONE_THREAD, and the tests then compare one thread with itself
// and say that they skipped the rest.

#include <cstdlib>
#include <vector>

inline bool tests_run_one_thread() {
  return std::getenv("CURVIX_TESTS_ONE_THREAD") != nullptr;
}

// 1, then counts that split a level into two, three and (capped) all blocks.
inline std::vector<int> test_thread_counts() {
  if (tests_run_one_thread()) return {1};
  return {1, 2, 3, 8};
}
