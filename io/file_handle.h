#pragma once
// A C stream that closes itself: the trace file, the font file.

#include <cstdio>
#include <memory>

namespace curvix {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// Owns an open stream, or nothing; closing happens on reset and on destruction.
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace curvix
