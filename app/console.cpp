#include "app/console.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/app_state.h"

void print_help() {
  std::printf("Curvix tools by %s 2002/12/27 \n", CONTACT_ADDRESS);
  std::printf("b : select basis (multiquadrics, gaussian)\n");
  std::printf("    mq1 beta=1 (x^2+C^2*r^2)^(1/2)\n");
  std::printf("    mq3 beta=3 (x^2+C^2*r^2)^(3/2)\n");
  std::printf("    gs exp(-r*x^2)\n");
  std::printf("<>: decrease, increase r values in the basis function\n");
  std::printf("kl: decrease, increase C values in the basis function\n");
  std::printf("a : select schemes (RBF4, RBF6, NR4, D-D)\n");
  std::printf("    rbf4 : Rational Basis Function 4point subdivision scheme\n");
  std::printf("    rbf6 : Rational Basis Function 6point subdivision scheme\n");
  std::printf("    NR4  : Nira Dyn 4point subdivision scheme\n");
  std::printf("    D-D  : Deslauries and Dubuc 4point subdivision scheme\n");
  std::printf("hj: decrease, increase W values in the NR4 subdivision scheme\n");
  std::printf("\n");
  std::fflush(stdout);
}

void toggle_trace() {
  app.trace_on = !app.trace_on;
  if (!app.trace_on) {
    app.trace_file.reset();
    return;
  }
  // "wt": text mode, created if absent, emptied if present.
  app.trace_file.reset(std::fopen(TRACE_FILE_NAME, "wt"));
  if (!app.trace_file) {
    std::fprintf(stderr, "Cannot create \"%s\": %s; tracing to the console only\n", TRACE_FILE_NAME,
                 std::strerror(errno));
  }
}

namespace {

void trace_matrix(const curvix::Matrix& a, int k) {
  curvix::matrix_print(app.trace_file.get(), a, k, k);
  std::fflush(stdout);
}

}  // namespace

void TraceObserver::system_built(const curvix::Matrix& system, int k) {
  trace_matrix(system, k);
}

void TraceObserver::system_inverted(const curvix::Matrix& inverse, int k) {
  trace_matrix(inverse, k);
}

void TraceObserver::point_inserted(const curvix::InsertionRecord& record) {
  std::FILE* file = app.trace_file.get();
  std::printf("%3d :", record.index);
  for (int m = 0; m < record.size; ++m) std::printf("%7.4f ", record.weights[m]);
  std::printf("%7.4f %7.4f", record.check.x, record.check.y);
  if (file != nullptr) {
    std::fprintf(file, "%3d :", record.index);
    for (int m = 0; m < record.size; ++m) std::fprintf(file, "%7.4f ", record.weights[m]);
    std::fprintf(file, "(%7.4f, %7.4f) ", record.check.x, record.check.y);
  }
  for (const double coordinate : {record.inserted.x, record.inserted.y}) {
    std::printf("%7.4f ", coordinate);
    if (file != nullptr) std::fprintf(file, "%7.4f ", coordinate);
  }
  std::printf("\n\n");
  if (file != nullptr) std::fprintf(file, "\n\n");
  // Each record is complete in both places as soon as it is written, so a
  // trace read while the program runs (or after a crash) ends on a whole record.
  std::fflush(stdout);
  if (file != nullptr) std::fflush(file);
}

curvix::StencilObserver* trace_observer() {
  static TraceObserver observer;
  return app.trace_on ? &observer : nullptr;
}
