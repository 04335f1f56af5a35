#pragma once
// Writes a whole document to a file or leaves the file as it was. The bytes
// go to a new temporary file in the same directory (so the final rename stays
// on one file system and is atomic), which is flushed to disk, closed and
// renamed over the target. On any failure the temporary file is removed and
// the target is untouched: readers never see a partial file.

#include <string>

#include "lab/common/lab_status.h"

namespace curvix {

// Replaces `path` by `content`. Returns a data error naming the path and the
// system's reason on failure.
LabStatus write_file_atomically(const std::string& path, const std::string& content);

}  // namespace curvix
