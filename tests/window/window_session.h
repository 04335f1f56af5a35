#pragma once
// Real-window test harness: runs the real curvix program under its own Xvfb
// server in a fresh working directory, drives it with xdotool and reads back
// pixels, console output, files and the exit status.
//
// Coordinates passed to the pointer functions are window pixels from the
// window's top-left corner, as GLUT reports them to the program.

#include <sys/types.h>

#include <array>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/scoped_temp_dir.h"

namespace window_test {

using Rgb = std::array<int, 3>;

constexpr Rgb BACKGROUND{204, 204, 204};  // 0.8 grey
constexpr Rgb INK{77, 128, 26};           // 0.3, 0.5, 0.1
constexpr Rgb CURVE{77, 0, 0};            // 0.3, 0, 0

// True when every channel is within `tolerance` of the expected value; GL
// implementations may round a float colour either way.
bool near(const Rgb& actual, const Rgb& expected, int tolerance = 2);

// A captured picture of the program's window, row-major, top row first.
struct Screenshot {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;

  Rgb at(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
  // Number of pixels within the tolerance of `colour`.
  int count(const Rgb& colour, int tolerance = 2) const;
  // Number of pixels in the square of half side `half` around (x, y) near `colour`.
  int count_around(int x, int y, int half, const Rgb& colour, int tolerance = 2) const;
  void save_png(const std::string& path) const;
};

struct SessionOptions {
  bool link_fonts = true;              // working directory gets the repository's fonts/
  std::string font_file_contents;      // when not empty: fonts/garamond1.glf holds these bytes
  std::vector<std::string> arguments;  // passed after the program name
};

class WindowSession {
 public:
  // Starts Xvfb and the program in a fresh working directory, removed again at
  // the end unless CURVIX_KEEP_WINDOW_DIRS=1. Throws std::runtime_error when
  // either fails to start or the window does not appear, with both stopped and
  // the directory removed as the destructor would.
  explicit WindowSession(const SessionOptions& options = {});
  ~WindowSession();
  WindowSession(const WindowSession&) = delete;
  WindowSession& operator=(const WindowSession&) = delete;

  const std::string& directory() const { return directory_; }
  int window_width() const;
  int window_height() const;

  // Pointer and buttons (1 left, 3 right), in window coordinates.
  void move(int x, int y);
  void click(int x, int y, int button = 1);
  void press(int x, int y, int button = 1);
  void release(int x, int y, int button = 1);
  void drag(int from_x, int from_y, int to_x, int to_y, int steps = 8);

  // Keys by X keysym name ("a", "comma", "less", "Escape"), typed with the
  // pointer over the window so the window has the keyboard.
  void key(const std::string& keysym);
  // The same without --clearmodifiers, which releases a held mouse button
  // before typing: for keys pressed in the middle of a drag.
  void key_while_dragging(const std::string& keysym);

  // Opens the pop-up menu with the right button at (x, y) and chooses the
  // entry with this label.
  void choose_menu(const std::string& label, int x = 400, int y = 300);

  // Writes text to the program's standard input.
  void type_console(const std::string& text);
  void close_console();

  Screenshot screenshot() const;
  // Screenshots until `condition` holds or `timeout` passes; returns the last one.
  Screenshot wait_for_picture(const std::function<bool(const Screenshot&)>& condition,
                              std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;
  // Waits until the picture has not changed for `quiet` (the program is idle).
  Screenshot wait_for_stable_picture(
      std::chrono::milliseconds quiet = std::chrono::milliseconds(400)) const;

  std::string console_output() const;  // everything written to standard output so far
  std::string error_output() const;    // standard error
  bool wait_for_output(const std::string& text,
                       std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;
  std::string read_file(const std::string& name) const;
  bool file_exists(const std::string& name) const;

  // Waits for the program to end; returns its exit status, or -1000 when it
  // is still running after the timeout.
  int wait_for_exit(std::chrono::milliseconds timeout = std::chrono::seconds(10));
  bool running();

 private:
  void start_server();
  void start_program(const SessionOptions& options);
  void find_window();
  void run_xdotool(const std::vector<std::string>& arguments) const;
  void window_origin(int* x, int* y) const;
  // Ends the program if it still runs, closes the display and ends Xvfb; a
  // second call does nothing.
  void stop();

  const ScopedTempDir scratch_;
  const std::string directory_ = scratch_.path();
  std::string display_name_;
  pid_t server_pid_ = -1;
  pid_t program_pid_ = -1;
  int console_fd_ = -1;
  int exit_status_ = -1000;
  void* display_ = nullptr;   // Display*
  unsigned long window_ = 0;  // Window
};

}  // namespace window_test
