// --output writes the whole result or nothing: an existing file survives any
// failure, and no temporary file is ever left behind.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <set>

#include "lab/run/atomic_write.h"
#include "lab_run_helpers.h"
#include "tests/support/scoped_temp_dir.h"

using namespace curvix;

namespace {

class OutputFile : public ::testing::Test {
 protected:
  std::set<std::string> entries() const {
    std::set<std::string> names;
    DIR* dir = ::opendir(dir_.c_str());
    while (const dirent* entry = ::readdir(dir)) {
      const std::string name = entry->d_name;
      if (name != "." && name != "..") names.insert(name);
    }
    ::closedir(dir);
    return names;
  }

  std::string path(const std::string& name) const { return dir_ + "/" + name; }

  void write(const std::string& name, const std::string& content) const {
    std::ofstream(path(name)) << content;
  }

  std::string read(const std::string& name) const {
    std::ifstream in(path(name));
    std::string content;
    for (std::string line; std::getline(in, line);) content += line + "\n";
    return content;
  }

  const ScopedTempDir temp_dir_{"curvix-lab-output"};
  const std::string dir_ = temp_dir_.path();
};

TEST_F(OutputFile, ReplacesTheFileWholeAndPrintsNothing) {
  write("out.csv", "old content that is longer than the new one\n");
  const LabRun run = run_lab_with(
      {"refine", "--scheme", "dd", "--format", "csv", "--output", path("out.csv")}, SQUARE);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  const LabRun stdout_run = run_lab_with({"refine", "--scheme", "dd", "--format", "csv"}, SQUARE);
  EXPECT_EQ(read("out.csv"), stdout_run.out);
  EXPECT_EQ(entries(), std::set<std::string>{"out.csv"});
}

// The new content arrives under the name as a new file with the old one's
// mode: a reader who opened the old one (here, a second link to it) keeps
// reading it whole.
TEST_F(OutputFile, ReplacesByRenameNotInPlace) {
  write("out.txt", "old\n");
  ASSERT_EQ(::chmod(path("out.txt").c_str(), 0640), 0);
  ASSERT_EQ(::link(path("out.txt").c_str(), path("reader").c_str()), 0);
  ASSERT_TRUE(write_file_atomically(path("out.txt"), "new\n").ok());
  struct stat replaced {};
  ASSERT_EQ(::stat(path("out.txt").c_str(), &replaced), 0);
  EXPECT_EQ(replaced.st_mode & 07777, 0640u);  // the file keeps its mode, not mkstemp's 0600
  EXPECT_EQ(read("out.txt"), "new\n");
  EXPECT_EQ(read("reader"), "old\n");
  EXPECT_EQ(entries(), (std::set<std::string>{"out.txt", "reader"}));
}

// A failing command never opens the file; its result would have been wrong.
TEST_F(OutputFile, FailedCommandLeavesTheFileUntouched) {
  write("out.txt", "keep me\n");
  const std::vector<std::vector<std::string>> failing = {
      {"refine", "--scheme", "dd", "--r", "-1", "--output", path("out.txt")},       // engine
      {"refine", "--scheme", "dd", "--knots", "0,1", "--output", path("out.txt")},  // data
      {"mask", "--scheme", "rbf4", "--sweep", "r=-1:0:1", "--output", path("out.txt")},
  };
  for (const auto& args : failing) {
    const LabRun run = run_lab_with(args, SQUARE);
    EXPECT_NE(run.status, 0) << ::testing::PrintToString(args);
    EXPECT_EQ(read("out.txt"), "keep me\n");
    EXPECT_EQ(entries(), std::set<std::string>{"out.txt"});
  }
}

// The write itself fails at the rename (a directory is in the way) or at the
// start (no such directory): the temporary file is removed.
TEST_F(OutputFile, FailedWriteRemovesTheTemporaryFile) {
  ASSERT_EQ(::mkdir(path("taken").c_str(), 0755), 0);
  write("taken/inside", "keep me\n");
  const LabStatus status = write_file_atomically(path("taken"), "new\n");
  EXPECT_EQ(status.code, STATUS_FAILED);
  EXPECT_EQ(status.message.rfind("cannot write '" + path("taken") + "': ", 0), 0u)
      << status.message;
  EXPECT_EQ(entries(), std::set<std::string>{"taken"});
  EXPECT_EQ(read("taken/inside"), "keep me\n");

  EXPECT_FALSE(write_file_atomically(path("missing/out.txt"), "new\n").ok());
  EXPECT_EQ(entries(), std::set<std::string>{"taken"});
}

}  // namespace

// A caller that keeps run_lab off the file system gets every check still
// made, the INPUT operand read from its stream and the --output document on
// its stream; no file is read, made or changed.
TEST_F(OutputFile, StreamsOnlyLeavesTheFileSystemAlone) {
  write("points.txt", "5,5\n6,6\n7,7\n");
  write("out.csv", "keep me\n");
  const std::vector<std::string> args = {
      "refine",        "--scheme",        "dd", "--format", "csv", "--output",
      path("out.csv"), path("points.txt")};
  std::istringstream in(SQUARE);
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(run_lab(args, in, out, err, LabFileAccess::STREAMS_ONLY), 0) << err.str();
  EXPECT_EQ(out.str(), run_lab_with({"refine", "--scheme", "dd", "--format", "csv"}, SQUARE).out);
  EXPECT_EQ(read("out.csv"), "keep me\n");
  EXPECT_EQ(entries(), (std::set<std::string>{"out.csv", "points.txt"}));

  std::istringstream no_input;
  std::ostringstream refused;
  std::ostringstream refusal;
  EXPECT_EQ(run_lab({"refine", "--scheme", "dd", "--output="}, no_input, refused, refusal,
                    LabFileAccess::STREAMS_ONLY),
            2);
  EXPECT_EQ(refusal.str(), "curvix-lab: --output needs a file name\n");
}
