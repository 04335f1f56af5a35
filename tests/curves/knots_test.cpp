// Uniform parameter values and the console entry, driven by scripted input.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/knots.h"
#include "app_fixture.h"

namespace {

constexpr const char* PROMPT_3 = "please enter 3 increasing knots vectors : \n";
constexpr const char* ERROR_LINE = "Error : please enter increasing knot vectors\n";

std::string rest_of(std::FILE* in) {
  std::string rest;
  for (int c = std::fgetc(in); c != EOF; c = std::fgetc(in)) rest += static_cast<char>(c);
  return rest;
}

// One console entry: what it said, whether it accepted, what it left unread.
struct Entry {
  bool accepted;
  std::string output;
  std::string unread;
};

class KnotsTest : public AppTest {
 protected:
  void with_points(int count, std::initializer_list<double> knots = {}) {
    for (int i = 0; i < count; ++i) add_point(10.0 * i, 20.0);
    int i = 1;
    for (double t : knots) app.knots[static_cast<size_t>(i++)] = t;
  }

  static Entry enter(const std::string& script) {
    std::FILE* in = std::tmpfile();
    std::fputs(script.c_str(), in);
    std::rewind(in);
    char* text = nullptr;
    size_t size = 0;
    std::FILE* out = open_memstream(&text, &size);
    const bool accepted = read_knot_values(in, out);
    std::fclose(out);
    Entry entry{accepted, std::string(text, size), rest_of(in)};
    std::free(text);
    std::fclose(in);
    return entry;
  }

  static void expect_knots(std::initializer_list<double> expected) {
    int i = 1;
    for (double t : expected)
      EXPECT_EQ(app.knots[static_cast<size_t>(i++)], t) << "t[" << i - 1 << "]";
  }
};

TEST_F(KnotsTest, UniformValuesFollowSpacing) {
  with_points(4);
  assign_uniform_knots();
  expect_knots({0, 1, 2, 3});
  app.points.count = 0;
  with_points(16);
  app.knot_spacing = 0.25;  // two subdivision steps from four points
  assign_uniform_knots();
  for (int i = 1; i <= 16; ++i) EXPECT_EQ(app.knots[static_cast<size_t>(i)], 0.25 * (i - 1));
}

TEST_F(KnotsTest, TypedIncreasingValuesReplaceAll) {
  with_points(3, {0, 1, 2});
  const Entry entry = enter("2 3 5\n");
  EXPECT_TRUE(entry.accepted);
  EXPECT_EQ(entry.output, PROMPT_3);
  EXPECT_EQ(entry.unread, "\n");  // the newline stays for the next read to skip
  expect_knots({2, 3, 5});
}

TEST_F(KnotsTest, ValuesMayStandOnSeveralLines) {
  with_points(3);
  EXPECT_TRUE(enter("  -1.5\n\n0\n 4e1 \n").accepted);
  expect_knots({-1.5, 0, 40});
}

TEST_F(KnotsTest, ValuesAreRoundedToSinglePrecision) {
  with_points(1);
  EXPECT_TRUE(enter("0.1\n").accepted);
  EXPECT_EQ(app.knots[1], static_cast<double>(0.1f));
  EXPECT_NE(app.knots[1], 0.1);
}

TEST_F(KnotsTest, EqualValueRejectsEntryAndDiscardsRestOfLine) {
  with_points(3, {10, 20, 30});
  const Entry entry = enter("0 1 1 7 8\nnext line\n");
  EXPECT_FALSE(entry.accepted);
  EXPECT_EQ(entry.output, std::string(PROMPT_3) + ERROR_LINE);
  EXPECT_EQ(entry.unread, "next line\n");
  expect_knots({10, 20, 30});
  EXPECT_EQ(app.knot_input[1], 0.0);
  EXPECT_EQ(app.knot_input[2], 1.0);
}

// A token that is not a number, a value that is not finite and the end of
// input all reject the entry the same way: error line, line discarded, values
// unchanged, and nothing waits for more input.
TEST_F(KnotsTest, UnreadableOrNonFiniteValuesRejectEntry) {
  for (const char* script : {"1 abc 3\nnext\n", "abc 2 3\nnext\n", "1 nan 3\nnext\n",
                             "1 inf 3\nnext\n", "1 -infinity 3\nnext\n", "1 1e39 3\nnext\n"}) {
    with_points(3, {10, 20, 30});
    const Entry entry = enter(script);
    EXPECT_FALSE(entry.accepted) << script;
    EXPECT_EQ(entry.output, std::string(PROMPT_3) + ERROR_LINE) << script;
    EXPECT_EQ(entry.unread, "next\n") << script;
    expect_knots({10, 20, 30});
    app.points.count = 0;
  }
}

TEST_F(KnotsTest, SingleUnreadableValueRejectsEntry) {
  with_points(1, {5});
  const Entry entry = enter("abc\nnext\n");
  EXPECT_FALSE(entry.accepted);
  EXPECT_EQ(entry.unread, "next\n");
  expect_knots({5});
}

TEST_F(KnotsTest, EndOfInputEndsEntry) {
  for (const char* script : {"", "1 2", "1\n2\n"}) {
    with_points(3, {10, 20, 30});
    const Entry entry = enter(script);
    EXPECT_FALSE(entry.accepted) << '"' << script << '"';
    EXPECT_EQ(entry.output, std::string(PROMPT_3) + ERROR_LINE);
    expect_knots({10, 20, 30});
    app.points.count = 0;
  }
}

TEST_F(KnotsTest, NoPointsReadsNothing) {
  const Entry entry = enter("5\n");
  EXPECT_TRUE(entry.accepted);
  EXPECT_EQ(entry.output, "please enter 0 increasing knots vectors : \n");
  EXPECT_EQ(entry.unread, "5\n");
}

TEST_F(KnotsTest, EntryLeavesRbfCoefficientsAlone) {
  with_points(2);
  app.rbf_coefficients_valid = true;
  app.rbf_coefficients[0] = RbfCoefficient{1.5, 2.5};
  EXPECT_TRUE(enter("3 4\n").accepted);
  EXPECT_TRUE(app.rbf_coefficients_valid);
  EXPECT_EQ(app.rbf_coefficients[0].x, 1.5);
}

// The prompt must reach the console before the entry waits for input: the
// input stream here checks, at its first read, what the output has received.
struct PromptCheck {
  const char* script;
  size_t position;
  char** output_text;
  size_t* output_size;
  std::string seen_at_first_read;
  bool read_before = false;
};

ssize_t read_script(void* cookie, char* buffer, size_t size) {
  PromptCheck& check = *static_cast<PromptCheck*>(cookie);
  if (!check.read_before) {
    check.read_before = true;
    check.seen_at_first_read = std::string(*check.output_text, *check.output_size);
  }
  size_t n = 0;
  while (n < size && check.script[check.position] != '\0')
    buffer[n++] = check.script[check.position++];
  return static_cast<ssize_t>(n);
}

TEST_F(KnotsTest, PromptIsFlushedBeforeReading) {
  with_points(3);
  char* text = nullptr;
  size_t size = 0;
  std::FILE* out = open_memstream(&text, &size);
  PromptCheck check{"1 2 3\n", 0, &text, &size, {}};
  cookie_io_functions_t functions{read_script, nullptr, nullptr, nullptr};
  std::FILE* in = fopencookie(&check, "r", functions);
  ASSERT_NE(in, nullptr);
  EXPECT_TRUE(read_knot_values(in, out));
  EXPECT_EQ(check.seen_at_first_read, PROMPT_3);
  std::fclose(in);
  std::fclose(out);
  std::free(text);
}

// The menu's entry point reads the process's own standard input.
TEST_F(KnotsTest, ConsoleEntryReadsStandardInput) {
  with_points(3);
  std::FILE* script = std::tmpfile();
  std::fputs("2 3 5\nleft over\n", script);
  std::fflush(script);
  std::rewind(script);
  const int saved_stdin = dup(STDIN_FILENO);
  ASSERT_GE(saved_stdin, 0);
  ASSERT_EQ(dup2(fileno(script), STDIN_FILENO), STDIN_FILENO);
  testing::internal::CaptureStdout();
  read_knot_vectors();
  const std::string output = testing::internal::GetCapturedStdout();
  const std::string unread = rest_of(stdin);
  dup2(saved_stdin, STDIN_FILENO);
  close(saved_stdin);
  std::clearerr(stdin);
  std::fclose(script);
  EXPECT_EQ(output, PROMPT_3);
  EXPECT_EQ(unread, "\nleft over\n");
  expect_knots({2, 3, 5});
}

}  // namespace
