// The program as it first appears: help text, window size, empty grey picture.

#include <gtest/gtest.h>

#include "expected_help_text.h"
#include "window_session.h"

namespace {

using window_test::BACKGROUND;
using window_test::Screenshot;
using window_test::WindowSession;

TEST(StartupWindow, PrintsExactlyTheHelpTextOnce) {
  WindowSession session;
  ASSERT_TRUE(session.wait_for_output("\n\n"));
  // Written and flushed before any event, even though standard output is a file.
  EXPECT_EQ(session.console_output(), EXPECTED_HELP_TEXT);
  EXPECT_EQ(session.error_output(), "");
}

TEST(StartupWindow, OpensAn800By600WindowShowingOnlyGrey) {
  WindowSession session;
  EXPECT_EQ(session.window_width(), 800);
  EXPECT_EQ(session.window_height(), 600);
  const Screenshot shot = session.wait_for_stable_picture();
  // Every pixel that is on screen is the background: no marker, no line.
  int off_screen = 0;
  for (const auto& pixel : shot.pixels) off_screen += pixel[0] < 0 ? 1 : 0;
  EXPECT_EQ(shot.count(BACKGROUND, 1) + off_screen, 800 * 600);
  EXPECT_LT(off_screen, 800 + 600);
  EXPECT_TRUE(session.running());
}

TEST(StartupWindow, StartsWithoutAFontFile) {
  window_test::SessionOptions options;
  options.link_fonts = false;
  WindowSession session(options);
  ASSERT_TRUE(session.wait_for_output("\n\n"));
  EXPECT_EQ(session.console_output(), EXPECTED_HELP_TEXT);
  EXPECT_TRUE(session.running());
}

}  // namespace
