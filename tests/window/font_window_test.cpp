// Start-up with the font file: the shipped font loads silently; a broken one
// is reported on the console and the program works on.

#include <gtest/gtest.h>

#include "window_session.h"

namespace {

using window_test::INK;
using window_test::Screenshot;
using window_test::SessionOptions;
using window_test::WindowSession;

TEST(FontWindow, ShippedFontLoadsWithoutAMessage) {
  WindowSession session;
  ASSERT_TRUE(session.wait_for_output("\n\n"));
  EXPECT_EQ(session.console_output().find("Error"), std::string::npos);
  EXPECT_TRUE(session.running());
}

TEST(FontWindow, BrokenFontFileIsReportedAndTheWindowStillWorks) {
  SessionOptions options;
  options.font_file_contents = std::string("GLX") + std::string(200, '\0');
  WindowSession session(options);
  ASSERT_TRUE(session.wait_for_output("\n\n"));
  const std::string out = session.console_output();
  EXPECT_EQ(out.rfind("Error reading font file: incorrect file format\n", 0), 0u) << out;
  EXPECT_NE(out.find("Curvix tools by "), std::string::npos);

  session.click(200, 150);
  session.move(600, 500);
  const Screenshot shot = session.wait_for_picture(
      [](const Screenshot& s) { return s.count_around(200, 150, 2, INK) == 25; });
  EXPECT_EQ(shot.count_around(200, 150, 2, INK), 25);
  EXPECT_TRUE(session.running());
}

TEST(FontWindow, FontWithARepeatedSymbolIsReported) {
  std::string file = "GLF" + std::string(96, 'n');
  file += '\2';
  file += std::string(28, '\0');
  file += std::string("A\0\0\0", 4);
  file += std::string("A\0\0\0", 4);
  SessionOptions options;
  options.font_file_contents = file;
  WindowSession session(options);
  ASSERT_TRUE(session.wait_for_output("\n\n"));
  EXPECT_EQ(
      session.console_output().rfind("Error reading font file: encountered symbols in font\n", 0),
      0u)
      << session.console_output();
  EXPECT_TRUE(session.running());
}

}  // namespace
