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
