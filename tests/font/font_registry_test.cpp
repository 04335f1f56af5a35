#include "font/font_registry.h"

#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <string>

#include "glf_test_files.h"

using namespace curvix;

namespace {

const char* const FORMAT_MESSAGE = "Error reading font file: incorrect file format\n";
const char* const DUPLICATE_MESSAGE = "Error reading font file: encountered symbols in font\n";

class FontRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override { font_system_init(); }
  void TearDown() override { font_system_init(); }

  // Loads `path`, capturing what the load prints.
  static int load(const std::string& path, std::string& output) {
    testing::internal::CaptureStdout();
    const int slot = load_font(path.c_str());
    output = testing::internal::GetCapturedStdout();
    return slot;
  }

  static int occupied() {
    int count = 0;
    for (const auto& slot : font_registry().slots) count += slot != nullptr;
    return count;
  }

  TempDir dir;
};

// Watches one file for opens and reads through inotify.
class OpenWatch {
 public:
  explicit OpenWatch(const std::string& path) : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    EXPECT_GE(fd_, 0);
    EXPECT_GE(inotify_add_watch(fd_, path.c_str(), IN_OPEN | IN_ACCESS), 0);
  }
  ~OpenWatch() { close(fd_); }
  OpenWatch(const OpenWatch&) = delete;
  OpenWatch& operator=(const OpenWatch&) = delete;

  // True when the file was opened or read since the last call.
  bool touched() {
    std::array<char, 4096> events{};
    const ssize_t got = read(fd_, events.data(), events.size());
    if (got < 0) {
      EXPECT_EQ(errno, EAGAIN);
    }
    return got > 0;
  }

 private:
  int fd_;
};

TEST_F(FontRegistryTest, InitEmptiesTheRegistry) {
  const std::string good = dir.write("good.glf", small_font());
  ASSERT_EQ(load_font(good.c_str()), 0);
  ASSERT_EQ(load_font(good.c_str()), 1);
  font_system_init();
  EXPECT_EQ(occupied(), 0);
  EXPECT_EQ(font_registry().current, -1);
}

TEST_F(FontRegistryTest, LoadsFillSlotsInOrderAndTheLastIsCurrent) {
  const std::string good = dir.write("good.glf", small_font());
  std::string output;
  EXPECT_EQ(load(good, output), 0);
  EXPECT_EQ(output, "");
  EXPECT_EQ(font_registry().current, 0);
  ASSERT_NE(font_registry().slots[0], nullptr);
  EXPECT_NE(font_registry().slots[0]->symbols['A'], nullptr);

  EXPECT_EQ(load_font(good.c_str()), 1);
  EXPECT_EQ(font_registry().current, 1);
  EXPECT_EQ(occupied(), 2);
}

TEST_F(FontRegistryTest, FullRegistryDoesNotOpenTheFile) {
  const std::string good = dir.write("good.glf", small_font());
  for (int i = 0; i < MAX_FONTS; ++i) ASSERT_EQ(load_font(good.c_str()), i);
  ASSERT_EQ(font_registry().current, 255);

  const std::string probe = dir.write("probe.glf", small_font());
  OpenWatch watch(probe);
  EXPECT_EQ(load_font(probe.c_str()), -1);
  EXPECT_FALSE(watch.touched());
  EXPECT_EQ(occupied(), MAX_FONTS);
  EXPECT_EQ(font_registry().current, 255);

  // The watch does see an open once a slot is free.
  font_system_init();
  EXPECT_EQ(load_font(probe.c_str()), 0);
  EXPECT_TRUE(watch.touched());
}

TEST_F(FontRegistryTest, EveryFailureLeavesTheSlotFreeAndCurrentUnchanged) {
  const Bytes duplicate =
      GlfBytes().header(2).record(65, {{0, 0}}, {}, {0}).record(65, {{0, 0}}, {}, {0}).bytes();
  const Bytes broken = GlfBytes().header(1).record('A', {{0, 0}}, {{0, 0, 1}}, {0}).bytes();
  const Bytes whole = small_font();
  const Bytes truncated(whole.begin(), whole.end() - 1);
  struct Case {
    const char* what;
    std::string path;
    const char* message;
  };
  const std::vector<Case> cases = {
      {"missing file", dir.path("absent.glf"), ""},
      {"wrong magic", dir.write("glx.glf", GlfBytes().header(0, "x", "GLX").bytes()),
       FORMAT_MESSAGE},
      {"duplicate code 65", dir.write("dup.glf", duplicate), DUPLICATE_MESSAGE},
      {"broken symbol", dir.write("broken.glf", broken), ""},
      {"truncated file", dir.write("short.glf", truncated), ""},
  };
  const std::string good = dir.write("good.glf", whole);
  for (const Case& c : cases) {
    for (int loaded = 0; loaded < 2; ++loaded) {
      font_system_init();
      if (loaded == 1) {
        ASSERT_EQ(load_font(good.c_str()), 0);
      }
      const std::int32_t before = font_registry().current;
      std::string output;
      EXPECT_EQ(load(c.path, output), -1) << c.what;
      EXPECT_EQ(output, c.message) << c.what;
      EXPECT_EQ(font_registry().current, before) << c.what;
      EXPECT_EQ(occupied(), loaded) << c.what;
      // The slot the failed load used is the one the next load takes.
      EXPECT_EQ(load_font(good.c_str()), loaded) << c.what;
    }
  }
}

TEST_F(FontRegistryTest, EveryTruncatedFileIsRejected) {
  const Bytes whole = small_font();
  for (std::size_t size = GLF_MAGIC_SIZE; size < whole.size(); ++size) {
    const std::string path = dir.write(
        "cut.glf", Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size)));
    std::string output;
    EXPECT_EQ(load(path, output), -1) << "size " << size;
    EXPECT_EQ(output, "") << "size " << size;
  }
  EXPECT_EQ(occupied(), 0);
  EXPECT_EQ(font_registry().current, -1);
}

}  // namespace
