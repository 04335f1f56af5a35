#include "app/knots.h"

#include <cmath>

#include "app/app_state.h"

namespace {

// Reads and drops characters up to and including the next newline, or to the
// end of input.
void discard_line(std::FILE* in) {
  int c = std::fgetc(in);
  while (c != '\n' && c != EOF) c = std::fgetc(in);
}

// The next typed value, rounded to single precision as "%f" reads it; false
// for a token that is not a number, the end of input, or a non-finite value.
bool read_value(std::FILE* in, float& value) {
  return std::fscanf(in, "%f", &value) == 1 && std::isfinite(value);
}

}  // namespace

void assign_uniform_knots() {
  curvix::uniform_parameter_values(app.points.count, app.knot_spacing, &app.knots[1]);
}

bool read_knot_values(std::FILE* in, std::FILE* out) {
  const int count = app.points.count;
  std::fprintf(out, "please enter %d increasing knots vectors : \n", count);
  std::fflush(out);
  // A terminal's end-of-input from an earlier entry is forgotten, so each
  // entry the user asks for reads afresh; a closed input ends again at once.
  std::clearerr(in);
  float value = 0.0f;
  for (int i = 1; i <= count; ++i) {
    const bool read = read_value(in, value);
    if (!read || (i > 1 && !(static_cast<double>(value) > app.knot_input[i - 1]))) {
      std::fputs("Error : please enter increasing knot vectors\n", out);
      std::fflush(out);
      discard_line(in);
      return false;
    }
    app.knot_input[i] = static_cast<double>(value);
  }
  for (int i = 1; i <= count; ++i) app.knots[i] = app.knot_input[i];
  return true;
}

void read_knot_vectors() {
  read_knot_values(stdin, stdout);
}
