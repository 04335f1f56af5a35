#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "app/app_state.h"
#include "app/console.h"
#include "app_fixture.h"
#include "expected_help_text.h"
#include "scoped_temp_dir.h"

namespace {

std::string read_file(const char* path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

bool file_exists(const char* path) {
  struct stat info;
  return stat(path, &info) == 0;
}

// Runs each test in a scratch directory of its own, so "debug.txt" is fresh.
class ConsoleTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    ASSERT_EQ(getcwd(old_dir_, sizeof old_dir_), old_dir_);
    ASSERT_EQ(chdir(dir_.path().c_str()), 0);
  }
  void TearDown() override {
    AppTest::TearDown();
    EXPECT_EQ(chdir(old_dir_), 0);
  }
  const ScopedTempDir dir_{"curvix-console"};
  char old_dir_[4096] = {};
};

TEST_F(ConsoleTest, HelpTextIsFourteenExactLines) {
  testing::internal::CaptureStdout();
  print_help();
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ(out, EXPECTED_HELP_TEXT);
}

TEST_F(ConsoleTest, TraceToggleOpensEmptiesAndCloses) {
  {
    std::ofstream old("debug.txt");
    old << "left over from an earlier run\n";
  }
  toggle_trace();
  EXPECT_TRUE(app.trace_on);
  ASSERT_TRUE(app.trace_file);
  EXPECT_EQ(read_file("debug.txt"), "");
  std::fputs("traced\n", app.trace_file.get());
  toggle_trace();
  EXPECT_FALSE(app.trace_on);
  EXPECT_FALSE(app.trace_file);
  EXPECT_EQ(read_file("debug.txt"), "traced\n");
}

TEST_F(ConsoleTest, TraceToggledTwiceLeavesEmptyFile) {
  toggle_trace();
  toggle_trace();
  EXPECT_TRUE(file_exists("debug.txt"));
  EXPECT_EQ(read_file("debug.txt"), "");
  EXPECT_EQ(gl_recorder::count_of("glutPostRedisplay"), 0);
}

TEST_F(ConsoleTest, TraceFileThatCannotBeCreatedLeavesConsoleTrace) {
  if (geteuid() == 0) {
    // root ignores directory permissions: make the name a directory instead.
    ASSERT_EQ(mkdir("debug.txt", 0700), 0);
  } else {
    ASSERT_EQ(chmod(".", 0500), 0);
  }
  testing::internal::CaptureStderr();
  toggle_trace();
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_TRUE(app.trace_on);
  EXPECT_FALSE(app.trace_file);
  EXPECT_NE(err.find("\"debug.txt\""), std::string::npos) << err;
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  toggle_trace();
  EXPECT_FALSE(app.trace_on);
  rmdir("debug.txt");
}

}  // namespace
