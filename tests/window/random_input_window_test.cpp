// Random clicks, drags, keys and menu entries for a bounded time: the program
// must survive all of it and still answer a click with a new marker.
//
//   CURVIX_RANDOM_SECONDS  how long to keep going (default 20)
//   CURVIX_RANDOM_SEED     seed of the input sequence (default 20021227)

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "window_session.h"

namespace {

using window_test::BACKGROUND;
using window_test::INK;
using window_test::Screenshot;
using window_test::WindowSession;

// Every key of the key table but Escape, which ends the program.
const std::vector<std::string> KEYS = {"comma", "less", "period", "greater", "k", "l",
                                       "h",     "j",    "q",      "w",       "b", "n",
                                       "a",     "s",    "r",      "c",       "d", "p"};
// Every menu entry but "quit", which ends the program, and "knot vectors",
// which waits for console input.
const std::vector<std::string> MENU = {
    "clear", "reload", "lagrange", "bezier", "RBF interpolation", "subdivision", "delete point"};

long environment_number(const char* name, long fallback) {
  const char* text = std::getenv(name);
  return text != nullptr ? std::strtol(text, nullptr, 10) : fallback;
}

// The centre of a square of background pixels with room for a marker, or {-1, -1}.
std::pair<int, int> empty_spot(const Screenshot& shot) {
  constexpr int half = 8;
  for (int y = 40; y < shot.height - 40; y += 7) {
    for (int x = 40; x < shot.width - 40; x += 7) {
      if (shot.count_around(x, y, half, BACKGROUND) == (2 * half + 1) * (2 * half + 1)) {
        return {x, y};
      }
    }
  }
  return {-1, -1};
}

TEST(RandomInputWindow, SurvivesRandomInputAndStillAddsPoints) {
  const long seconds = environment_number("CURVIX_RANDOM_SECONDS", 20);
  const auto seed = static_cast<unsigned>(environment_number("CURVIX_RANDOM_SEED", 20021227));
  std::cout << "random input for " << seconds << " s with seed " << seed << std::endl;
  std::mt19937 random(seed);
  auto below = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };

  WindowSession session;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  int actions = 0;
  while (std::chrono::steady_clock::now() < deadline) {
    const int x = 10 + below(780);
    const int y = 10 + below(580);
    switch (below(10)) {
      case 0:
      case 1:
      case 2: session.click(x, y); break;
      case 3:
      case 4: session.drag(x, y, 10 + below(780), 10 + below(580), 1 + below(6)); break;
      case 5: session.move(x, y); break;
      case 6:
      case 7: session.key(KEYS[static_cast<size_t>(below(static_cast<int>(KEYS.size())))]); break;
      default:
        session.choose_menu(MENU[static_cast<size_t>(below(static_cast<int>(MENU.size())))], x, y);
        break;
    }
    ++actions;
    ASSERT_TRUE(session.running()) << "ended after " << actions << " actions; stderr:\n"
                                   << session.error_output();
  }
  std::cout << actions << " actions" << std::endl;

  // Whatever state the input left, a click on empty space shows a marker there.
  const Screenshot before = session.wait_for_stable_picture();
  const auto spot = empty_spot(before);
  const int x = spot.first;  // named copies: lambdas cannot capture structured bindings
  const int y = spot.second;
  ASSERT_GE(x, 0) << "no empty spot left to click on";
  session.move(x, y - 30);
  session.click(x, y);
  session.move(x, y - 30);
  const Screenshot after = session.wait_for_picture(
      [&](const Screenshot& shot) { return shot.count_around(x, y, 3, INK) >= 20; });
  EXPECT_GE(after.count_around(x, y, 3, INK), 20);
  EXPECT_TRUE(session.running());
}

}  // namespace
