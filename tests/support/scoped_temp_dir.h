#pragma once
// A folder of one test's own: made with a unique name under the temporary
// folder (TMPDIR, else /tmp), so tests that run at the same time never share
// one, and removed with everything in it when the object goes out of scope,
// whether the test passed, failed an assertion or threw. A test process that
// crashes leaves its folder behind: nothing runs after a signal.
//
// Header-only, so the unit tests, the lab tests and the window harness can
// all use it without a library of their own.

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

class ScopedTempDir {
 public:
  // Makes TEMP/PREFIX-XXXXXX with mkdtemp (mode 0700). keep = true leaves it
  // on disk at the end, for looking at after a run. Throws std::runtime_error
  // when the folder cannot be made.
  explicit ScopedTempDir(const std::string& prefix, bool keep = false) : keep_(keep) {
    std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr)
      throw std::runtime_error("cannot make a temporary folder " + pattern);
    path_ = pattern;
  }
  ~ScopedTempDir() {
    if (keep_) return;
    make_removable(path_);
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScopedTempDir(const ScopedTempDir&) = delete;
  ScopedTempDir& operator=(const ScopedTempDir&) = delete;

  // The folder, without a trailing '/'.
  const std::string& path() const { return path_; }
  // The path of `name` inside the folder.
  std::string path(const std::string& name) const { return path_ + "/" + name; }

 private:
  // A test may take the write bit off a folder (to see a file fail to open);
  // without it, nothing inside could be removed by anyone but root.
  static void make_removable(const std::filesystem::path& folder) {
    namespace fs = std::filesystem;
    std::error_code ignored;
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ignored);
    for (fs::directory_iterator entry(folder, ignored), end; entry != end; entry.increment(ignored))
      if (entry->is_directory(ignored) && !entry->is_symlink(ignored))
        make_removable(entry->path());
  }

  std::string path_;
  bool keep_;
};
