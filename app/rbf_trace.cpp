#include "app/rbf_trace.h"

#include <cstdio>

#include "app/app_state.h"

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
