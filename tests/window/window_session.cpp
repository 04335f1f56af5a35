#include "window_session.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <png.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "app/commands.h"

extern char** environ;

namespace window_test {
namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

constexpr auto POLL_INTERVAL = std::chrono::milliseconds(40);
constexpr const char* MENU_WINDOW_NAME = "freeglut menu";  // freeglut's own pop-up window

Display* as_display(void* d) {
  return static_cast<Display*>(d);
}

// argv/envp arrays for posix_spawn, kept alive with their strings.
class ArgumentList {
 public:
  explicit ArgumentList(const std::vector<std::string>& items) : items_(items) {
    for (std::string& item : items_) pointers_.push_back(item.data());
    pointers_.push_back(nullptr);
  }
  char** get() { return pointers_.data(); }

 private:
  std::vector<std::string> items_;
  std::vector<char*> pointers_;
};

std::vector<std::string> environment_with_display(const std::string& display) {
  std::vector<std::string> env;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    if (std::strncmp(*entry, "DISPLAY=", 8) != 0) env.emplace_back(*entry);
  }
  env.push_back("DISPLAY=" + display);
  return env;
}

// The program's environment. In a sanitizer build its normal exit would run
// LeakSanitizer, which reports what the GL driver (unloaded by then, so its
// frames cannot even be named for a suppression) never frees, and puts its own
// status in place of the program's. The unit tests keep leak checking for our
// own code.
std::vector<std::string> program_environment(const std::string& display) {
  std::vector<std::string> env;
  std::string asan_options = "detect_leaks=0";
  for (std::string& entry : environment_with_display(display)) {
    if (entry.rfind("ASAN_OPTIONS=", 0) == 0) {
      asan_options = entry.substr(13) + ":" + asan_options;
    } else {
      env.push_back(std::move(entry));
    }
  }
  env.push_back("ASAN_OPTIONS=" + asan_options);
  return env;
}

pid_t spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env,
            posix_spawn_file_actions_t* actions) {
  ArgumentList args(argv);
  ArgumentList envp(env);
  pid_t pid = -1;
  const int error = posix_spawnp(&pid, argv[0].c_str(), actions, nullptr, args.get(), envp.get());
  if (error != 0) {
    throw std::runtime_error("cannot start " + argv[0] + ": " + std::strerror(error) +
                             " (install it: see the README's test command)");
  }
  return pid;
}

int wait_for_child(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return status;
}

void stop_child(pid_t pid) {
  if (pid <= 0) return;
  kill(pid, SIGTERM);
  for (int i = 0; i < 50; ++i) {
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  kill(pid, SIGKILL);
  wait_for_child(pid);
}

bool keep_window_dirs() {
  const char* keep = std::getenv("CURVIX_KEEP_WINDOW_DIRS");
  return keep != nullptr && std::string(keep) == "1";
}

std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string window_name(Display* display, Window window) {
  char* name = nullptr;
  if (XFetchName(display, window, &name) == 0 || name == nullptr) return {};
  std::string result(name);
  XFree(name);
  return result;
}

// The first viewable top-level window whose name starts with `prefix`, or 0.
Window find_top_level(Display* display, const std::string& prefix) {
  Window root_return = 0;
  Window parent = 0;
  Window* children = nullptr;
  unsigned count = 0;
  Window found = 0;
  if (XQueryTree(display, DefaultRootWindow(display), &root_return, &parent, &children, &count)) {
    for (unsigned i = 0; i < count && found == 0; ++i) {
      XWindowAttributes attributes;
      if (!XGetWindowAttributes(display, children[i], &attributes)) continue;
      if (attributes.map_state != IsViewable) continue;
      if (window_name(display, children[i]).rfind(prefix, 0) == 0) found = children[i];
    }
    if (children != nullptr) XFree(children);
  }
  return found;
}

int menu_index(const std::string& label) {
  int index = 0;
  for (const MenuEntry& entry : MENU_ENTRIES) {
    if (label == entry.label) return index;
    ++index;
  }
  throw std::invalid_argument("no menu entry labelled \"" + label + "\"");
}

}  // namespace

bool near(const Rgb& actual, const Rgb& expected, int tolerance) {
  for (size_t i = 0; i < 3; ++i) {
    if (std::abs(actual[i] - expected[i]) > tolerance) return false;
  }
  return true;
}

int Screenshot::count(const Rgb& colour, int tolerance) const {
  int n = 0;
  for (const Rgb& pixel : pixels) n += near(pixel, colour, tolerance) ? 1 : 0;
  return n;
}

int Screenshot::count_around(int x, int y, int half, const Rgb& colour, int tolerance) const {
  int n = 0;
  for (int py = y - half; py <= y + half; ++py) {
    for (int px = x - half; px <= x + half; ++px) {
      if (px < 0 || py < 0 || px >= width || py >= height) continue;
      n += near(at(px, py), colour, tolerance) ? 1 : 0;
    }
  }
  return n;
}

void Screenshot::save_png(const std::string& path) const {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) throw std::runtime_error("cannot write " + path);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
    throw std::runtime_error("cannot encode " + path);
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<png_byte> row(static_cast<size_t>(width) * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgb pixel = at(x, y);
      for (size_t c = 0; c < 3; ++c) {
        row[static_cast<size_t>(x) * 3 + c] = static_cast<png_byte>(pixel[c] < 0 ? 0 : pixel[c]);
      }
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  std::fclose(file);
}

WindowSession::WindowSession(const SessionOptions& options)
    : scratch_("curvix-window", keep_window_dirs()) {
  // A throwing constructor gets no destructor call: without this, a session
  // that failed to start would leave Xvfb and the program running.
  try {
    start_server();
    start_program(options);
    find_window();
  } catch (...) {
    stop();
    throw;
  }
}

WindowSession::~WindowSession() {
  stop();
}

void WindowSession::stop() {
  if (console_fd_ >= 0) close(console_fd_);
  console_fd_ = -1;
  if (exit_status_ == -1000) stop_child(program_pid_);
  program_pid_ = -1;
  if (display_ != nullptr) XCloseDisplay(as_display(display_));
  display_ = nullptr;
  stop_child(server_pid_);
  server_pid_ = -1;
}

void WindowSession::start_server() {
  int fds[2];
  if (pipe(fds) != 0) throw std::runtime_error("pipe failed");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addclose(&actions, fds[0]);
  const std::string log = directory_ + "/xvfb.log";
  posix_spawn_file_actions_addopen(&actions, 2, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  // -displayfd lets the server pick a free display, so tests can run side by side.
  server_pid_ = spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1280x1024x24",
                       "-nolisten", "tcp", "-noreset"},
                      environment_with_display(""), &actions);
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);

  std::string number;
  pollfd waiting{fds[0], POLLIN, 0};
  while (poll(&waiting, 1, 10000) > 0) {
    char c = 0;
    if (read(fds[0], &c, 1) != 1 || c == '\n') break;
    number += c;
  }
  close(fds[0]);
  if (number.empty()) throw std::runtime_error("Xvfb did not start: " + slurp(log));
  display_name_ = ":" + number;
  display_ = XOpenDisplay(display_name_.c_str());
  if (display_ == nullptr) throw std::runtime_error("cannot open display " + display_name_);
}

void WindowSession::start_program(const SessionOptions& options) {
  const fs::path fonts = fs::path(directory_) / "fonts";
  if (!options.font_file_contents.empty()) {
    fs::create_directory(fonts);
    std::ofstream(fonts / "garamond1.glf", std::ios::binary) << options.font_file_contents;
  } else if (options.link_fonts) {
    fs::create_directory_symlink(fs::path(CURVIX_SOURCE_DIR) / "fonts", fonts);
  }

  int console[2];
  if (pipe(console) != 0) throw std::runtime_error("pipe failed");
  fcntl(console[1], F_SETFD, FD_CLOEXEC);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, console[0], 0);
  posix_spawn_file_actions_addclose(&actions, console[0]);
  const std::string out = directory_ + "/stdout.txt";
  const std::string err = directory_ + "/stderr.txt";
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addchdir_np(&actions, directory_.c_str());
  std::vector<std::string> argv{CURVIX_BINARY};
  argv.insert(argv.end(), options.arguments.begin(), options.arguments.end());
  program_pid_ = spawn(argv, program_environment(display_name_), &actions);
  posix_spawn_file_actions_destroy(&actions);
  close(console[0]);
  console_fd_ = console[1];
  signal(SIGPIPE, SIG_IGN);
}

void WindowSession::find_window() {
  const auto deadline = Clock::now() + std::chrono::seconds(20);
  while (window_ == 0 && Clock::now() < deadline) {
    window_ = find_top_level(as_display(display_), "Curvix");
    if (window_ == 0) std::this_thread::sleep_for(POLL_INTERVAL);
  }
  if (window_ == 0) {
    throw std::runtime_error("the program's window did not appear; stderr: " + error_output());
  }
  // Without a window manager the keyboard follows the pointer; give the window
  // the focus once, so keys reach it wherever the pointer is.
  run_xdotool({"windowfocus", "--sync", std::to_string(window_)});
  wait_for_picture([](const Screenshot& shot) {
    return shot.width > 0 && near(shot.at(shot.width / 2, shot.height / 2), BACKGROUND);
  });
}

void WindowSession::run_xdotool(const std::vector<std::string>& arguments) const {
  std::vector<std::string> argv{"xdotool"};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, 2, 1);  // keep its chatter out of the way
  const pid_t pid = spawn(argv, environment_with_display(display_name_), &actions);
  posix_spawn_file_actions_destroy(&actions);
  const int status = wait_for_child(pid);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    throw std::runtime_error("xdotool " + arguments.front() + " failed");
  }
}

void WindowSession::window_origin(int* x, int* y) const {
  Window child = 0;
  Display* display = as_display(display_);
  XTranslateCoordinates(display, window_, DefaultRootWindow(display), 0, 0, x, y, &child);
}

int WindowSession::window_width() const {
  XWindowAttributes attributes;
  XGetWindowAttributes(as_display(display_), window_, &attributes);
  return attributes.width;
}

int WindowSession::window_height() const {
  XWindowAttributes attributes;
  XGetWindowAttributes(as_display(display_), window_, &attributes);
  return attributes.height;
}

void WindowSession::move(int x, int y) {
  run_xdotool(
      {"mousemove", "--window", std::to_string(window_), std::to_string(x), std::to_string(y)});
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
}

void WindowSession::press(int x, int y, int button) {
  move(x, y);
  run_xdotool({"mousedown", std::to_string(button)});
}

void WindowSession::release(int x, int y, int button) {
  move(x, y);
  run_xdotool({"mouseup", std::to_string(button)});
}

void WindowSession::click(int x, int y, int button) {
  press(x, y, button);
  run_xdotool({"mouseup", std::to_string(button)});
}

void WindowSession::drag(int from_x, int from_y, int to_x, int to_y, int steps) {
  press(from_x, from_y);
  for (int i = 1; i <= steps; ++i) {
    move(from_x + (to_x - from_x) * i / steps, from_y + (to_y - from_y) * i / steps);
  }
  release(to_x, to_y);
}

void WindowSession::key(const std::string& keysym) {
  run_xdotool({"key", "--clearmodifiers", keysym});
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
}

void WindowSession::key_while_dragging(const std::string& keysym) {
  run_xdotool({"key", keysym});
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
}

void WindowSession::choose_menu(const std::string& label, int x, int y) {
  const int index = menu_index(label);
  const int entries = static_cast<int>(std::size(MENU_ENTRIES));
  press(x, y, 3);
  Display* display = as_display(display_);
  Window menu = 0;
  const auto deadline = Clock::now() + std::chrono::seconds(10);
  while (menu == 0 && Clock::now() < deadline) {
    menu = find_top_level(display, MENU_WINDOW_NAME);
    if (menu == 0) std::this_thread::sleep_for(POLL_INTERVAL);
  }
  if (menu == 0) throw std::runtime_error("the pop-up menu did not open");
  XWindowAttributes attributes;
  XGetWindowAttributes(display, menu, &attributes);
  int menu_x = 0;
  int menu_y = 0;
  Window child = 0;
  XTranslateCoordinates(display, menu, DefaultRootWindow(display), 0, 0, &menu_x, &menu_y, &child);
  // The entries share the menu's height equally; aim at the middle of ours.
  const int target_x = menu_x + attributes.width / 2;
  const int target_y = menu_y + (2 * index + 1) * attributes.height / (2 * entries);
  run_xdotool({"mousemove", std::to_string(target_x), std::to_string(target_y)});
  std::this_thread::sleep_for(std::chrono::milliseconds(150));
  run_xdotool({"mouseup", "3"});
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
}

void WindowSession::type_console(const std::string& text) {
  size_t written = 0;
  while (written < text.size()) {
    const ssize_t n = write(console_fd_, text.data() + written, text.size() - written);
    if (n <= 0) throw std::runtime_error("the program's standard input is closed");
    written += static_cast<size_t>(n);
  }
}

void WindowSession::close_console() {
  if (console_fd_ >= 0) close(console_fd_);
  console_fd_ = -1;
}

Screenshot WindowSession::screenshot() const {
  Display* display = as_display(display_);
  XSync(display, False);
  Screenshot shot;
  shot.width = window_width();
  shot.height = window_height();
  shot.pixels.assign(static_cast<size_t>(shot.width * shot.height), Rgb{-1, -1, -1});
  int origin_x = 0;
  int origin_y = 0;
  window_origin(&origin_x, &origin_y);
  // Read through the root window: parts of the program's window may lie off
  // screen (without a window manager it sits at -1, -1), which a direct read
  // of the window would refuse.
  const int screen_w = DisplayWidth(display, DefaultScreen(display));
  const int screen_h = DisplayHeight(display, DefaultScreen(display));
  const int left = std::max(origin_x, 0);
  const int top = std::max(origin_y, 0);
  const int right = std::min(origin_x + shot.width, screen_w);
  const int bottom = std::min(origin_y + shot.height, screen_h);
  if (right <= left || bottom <= top) return shot;
  XImage* image =
      XGetImage(display, DefaultRootWindow(display), left, top, static_cast<unsigned>(right - left),
                static_cast<unsigned>(bottom - top), AllPlanes, ZPixmap);
  if (image == nullptr) return shot;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      const unsigned long pixel = XGetPixel(image, x - left, y - top);
      shot.pixels[static_cast<size_t>((y - origin_y) * shot.width + (x - origin_x))] = {
          static_cast<int>((pixel & image->red_mask) >> 16),
          static_cast<int>((pixel & image->green_mask) >> 8),
          static_cast<int>(pixel & image->blue_mask)};
    }
  }
  XDestroyImage(image);
  return shot;
}

Screenshot WindowSession::wait_for_picture(const std::function<bool(const Screenshot&)>& condition,
                                           std::chrono::milliseconds timeout) const {
  const auto deadline = Clock::now() + timeout;
  Screenshot shot = screenshot();
  while (!condition(shot) && Clock::now() < deadline) {
    std::this_thread::sleep_for(POLL_INTERVAL);
    shot = screenshot();
  }
  return shot;
}

Screenshot WindowSession::wait_for_stable_picture(std::chrono::milliseconds quiet) const {
  Screenshot last = screenshot();
  auto stable_since = Clock::now();
  const auto deadline = Clock::now() + std::chrono::seconds(10);
  while (Clock::now() - stable_since < quiet && Clock::now() < deadline) {
    std::this_thread::sleep_for(POLL_INTERVAL);
    Screenshot next = screenshot();
    if (next.pixels != last.pixels) {
      last = std::move(next);
      stable_since = Clock::now();
    }
  }
  return last;
}

std::string WindowSession::console_output() const {
  return slurp(directory_ + "/stdout.txt");
}

std::string WindowSession::error_output() const {
  return slurp(directory_ + "/stderr.txt");
}

bool WindowSession::wait_for_output(const std::string& text,
                                    std::chrono::milliseconds timeout) const {
  const auto deadline = Clock::now() + timeout;
  while (console_output().find(text) == std::string::npos) {
    if (Clock::now() >= deadline) return false;
    std::this_thread::sleep_for(POLL_INTERVAL);
  }
  return true;
}

std::string WindowSession::read_file(const std::string& name) const {
  return slurp(directory_ + "/" + name);
}

bool WindowSession::file_exists(const std::string& name) const {
  return fs::exists(fs::path(directory_) / name);
}

int WindowSession::wait_for_exit(std::chrono::milliseconds timeout) {
  if (exit_status_ != -1000) return exit_status_;
  const auto deadline = Clock::now() + timeout;
  while (Clock::now() < deadline) {
    int status = 0;
    if (waitpid(program_pid_, &status, WNOHANG) == program_pid_) {
      exit_status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      return exit_status_;
    }
    std::this_thread::sleep_for(POLL_INTERVAL);
  }
  return -1000;
}

bool WindowSession::running() {
  return wait_for_exit(std::chrono::milliseconds(0)) == -1000;
}

}  // namespace window_test
