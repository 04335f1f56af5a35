// The tests' own folders: unique, under TMPDIR, and gone at the end however
// the test ends.
#include "scoped_temp_dir.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>

namespace {

namespace fs = std::filesystem;

// Sets TMPDIR for the lifetime of the object and puts the old value back.
class TmpdirOverride {
 public:
  explicit TmpdirOverride(const std::string& value) {
    if (const char* old = std::getenv("TMPDIR")) old_ = old;
    ::setenv("TMPDIR", value.c_str(), 1);
  }
  ~TmpdirOverride() {
    if (old_)
      ::setenv("TMPDIR", old_->c_str(), 1);
    else
      ::unsetenv("TMPDIR");
  }
  TmpdirOverride(const TmpdirOverride&) = delete;
  TmpdirOverride& operator=(const TmpdirOverride&) = delete;

 private:
  std::optional<std::string> old_;
};

// Fills the folder the way tests do: files, a subfolder, a symlink out of it,
// and folders without the write bit (a test that checks a file cannot be made).
void fill(const ScopedTempDir& dir, const std::string& outside) {
  std::ofstream(dir.path("debug.txt")) << "trace\n";
  fs::create_directories(dir.path("taken/deeper"));
  std::ofstream(dir.path("taken/deeper/inside")) << "keep me\n";
  fs::create_directory_symlink(outside, dir.path("fonts"));
  ASSERT_EQ(::chmod(dir.path("taken/deeper").c_str(), 0500), 0);
  ASSERT_EQ(::chmod(dir.path().c_str(), 0500), 0);
}

TEST(ScopedTempDir, IsANewFolderUnderTmpdirNamedWithItsPrefix) {
  const ScopedTempDir outer("curvix-outer");
  const TmpdirOverride tmpdir(outer.path());
  const ScopedTempDir first("curvix-probe");
  const ScopedTempDir second("curvix-probe");
  EXPECT_NE(first.path(), second.path());
  for (const ScopedTempDir* dir : {&first, &second}) {
    EXPECT_TRUE(fs::is_directory(dir->path())) << dir->path();
    EXPECT_EQ(fs::path(dir->path()).parent_path(), fs::path(outer.path()));
    EXPECT_EQ(fs::path(dir->path()).filename().string().rfind("curvix-probe-", 0), 0u);
    EXPECT_EQ(fs::status(dir->path()).permissions(), fs::perms::owner_all);
  }
  EXPECT_EQ(first.path("debug.txt"), first.path() + "/debug.txt");
}

TEST(ScopedTempDir, RemovesEverythingInItButNotWhatALinkLeadsTo) {
  const ScopedTempDir outside("curvix-outside");
  std::ofstream(outside.path("garamond1.glf")) << "font\n";
  const fs::perms read_only = fs::perms::owner_read | fs::perms::owner_exec;
  fs::permissions(outside.path(), read_only);
  std::string path;
  {
    const ScopedTempDir dir("curvix-probe");
    path = dir.path();
    fill(dir, outside.path());
  }
  EXPECT_FALSE(fs::exists(path)) << path;
  EXPECT_TRUE(fs::exists(outside.path("garamond1.glf")));
  EXPECT_EQ(fs::status(outside.path()).permissions(), read_only);
}

TEST(ScopedTempDir, RemovesItsFolderWhenTheTestThrows) {
  std::string path;
  try {
    const ScopedTempDir dir("curvix-probe");
    path = dir.path();
    std::ofstream(dir.path("debug.txt")) << "trace\n";
    throw std::runtime_error("the test failed here");
  } catch (const std::runtime_error&) {
  }
  ASSERT_FALSE(path.empty());
  EXPECT_FALSE(fs::exists(path)) << path;
}

TEST(ScopedTempDir, KeptFolderStaysWithItsFiles) {
  const ScopedTempDir outer("curvix-outer");
  const TmpdirOverride tmpdir(outer.path());
  std::string path;
  {
    const ScopedTempDir dir("curvix-kept", true);
    path = dir.path();
    std::ofstream(dir.path("stdout.txt")) << "help\n";
  }
  EXPECT_TRUE(fs::exists(path + "/stdout.txt")) << path;
}

TEST(ScopedTempDir, UnusableTmpdirThrows) {
  const ScopedTempDir outer("curvix-outer");
  const TmpdirOverride tmpdir(outer.path("missing"));
  EXPECT_THROW(ScopedTempDir("curvix-probe"), std::runtime_error);
}

}  // namespace
