// The program as it first appears: help text, window size, empty grey picture.

#include <gtest/gtest.h>

#include "window_session.h"

namespace {

using window_test::BACKGROUND;
using window_test::Screenshot;
using window_test::WindowSession;

constexpr const char* HELP_TEXT =
    "Curvix tools by curvix@example.org 2002/12/27 \n"
    "b : select basis (multiquadrics, gaussian)\n"
    "    mq1 beta=1 (x^2+C^2*r^2)^(1/2)\n"
    "    mq3 beta=3 (x^2+C^2*r^2)^(3/2)\n"
    "    gs exp(-r*x^2)\n"
    "<>: decrease, increase r values in the basis function\n"
    "kl: decrease, increase C values in the basis function\n"
    "a : select schemes (RBF4, RBF6, NR4, D-D)\n"
    "    rbf4 : Rational Basis Function 4point subdivision scheme\n"
    "    rbf6 : Rational Basis Function 6point subdivision scheme\n"
    "    NR4  : Nira Dyn 4point subdivision scheme\n"
    "    D-D  : Deslauries and Dubuc 4point subdivision scheme\n"
    "hj: decrease, increase W values in the NR4 subdivision scheme\n"
    "\n";

TEST(StartupWindow, PrintsExactlyTheHelpTextOnce) {
  WindowSession session;
  ASSERT_TRUE(session.wait_for_output("\n\n"));
  // Written and flushed before any event, even though standard output is a file.
  EXPECT_EQ(session.console_output(), HELP_TEXT);
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
  EXPECT_EQ(session.console_output(), HELP_TEXT);
  EXPECT_TRUE(session.running());
}

}  // namespace
