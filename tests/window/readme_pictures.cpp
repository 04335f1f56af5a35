// Builds scenes in the real program through real input and saves screenshots
// for the README: readme_pictures OUTPUT_DIRECTORY

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "window_session.h"

namespace {

using window_test::WindowSession;

// A wavy open polygon across the window, placed by clicks.
const std::vector<std::pair<int, int>> CONTROL_POINTS = {
    {120, 420}, {220, 200}, {330, 330}, {420, 160}, {520, 380}, {620, 220}, {690, 420}};

// A closed-looking star for the subdivision pictures.
const std::vector<std::pair<int, int>> STAR_POINTS = {
    {400, 90},  {470, 240}, {640, 260}, {510, 370}, {560, 530},
    {400, 440}, {240, 530}, {290, 370}, {160, 260}, {330, 240}};

void place(WindowSession& session, const std::vector<std::pair<int, int>>& points) {
  for (const auto& [x, y] : points) session.click(x, y);
  session.move(790, 590);
}

void save(const WindowSession& session, const std::string& directory, const std::string& name) {
  session.wait_for_stable_picture().save_png(directory + "/" + name + ".png");
  std::printf("wrote %s/%s.png\n", directory.c_str(), name.c_str());
}

void curve_picture(const std::string& directory, const std::string& entry,
                   const std::string& name) {
  WindowSession session;
  place(session, CONTROL_POINTS);
  session.choose_menu(entry, 790, 20);
  session.move(790, 590);
  save(session, directory, name);
}

// Selects the scheme with `a` presses, refines `levels` times and keeps the
// last step's own frame: the level it started from and the new one.
void scheme_picture(const std::string& directory, int a_presses, int levels,
                    const std::string& name) {
  WindowSession session;
  place(session, STAR_POINTS);
  for (int i = 0; i < a_presses; ++i) session.key("a");
  for (int i = 0; i < levels; ++i) {
    session.key("s");
    session.wait_for_stable_picture();
  }
  save(session, directory, name);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY\n", argv[0]);
    return 2;
  }
  const std::string directory = argv[1];
  curve_picture(directory, "lagrange", "lagrange");
  curve_picture(directory, "bezier", "bezier");
  curve_picture(directory, "RBF interpolation", "rbf");
  scheme_picture(directory, 0, 3, "rbf4");
  scheme_picture(directory, 1, 3, "rbf6");
  scheme_picture(directory, 2, 3, "nr4");
  scheme_picture(directory, 3, 3, "dd");
  return 0;
}
