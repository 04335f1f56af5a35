// The compiled half of the Python package: each function takes the companion's
// own command line (built by curvix/__init__.py from keyword arguments), so
// that its options are read, checked and capped by the same code, and
// returns the status, the one-line message and the values. The Python half
// raises the errors and builds the result objects.

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <cmath>
#include <sstream>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "lab/common/lab_names.h"
#include "lab/common/output_text.h"
#include "lab/curve/curve_command.h"
#include "lab/refine/refine_command.h"
#include "lab/run/command_line.h"
#include "python/interruptible_call.h"
#include "subdivision/mask_refinement.h"

namespace py = pybind11;

namespace curvix {

std::atomic<int>& abandoned_work() {
  static std::atomic<int> running{0};
  return running;
}

int wait_for_abandoned_work(double timeout_seconds) {
  py::gil_scoped_release released;
  const auto end =
      std::chrono::steady_clock::now() + std::chrono::duration<double>(timeout_seconds);
  while (abandoned_work() > 0 && std::chrono::steady_clock::now() < end)
    std::this_thread::sleep_for(INTERRUPT_POLL);
  return abandoned_work();
}

namespace {

static_assert(std::is_standard_layout_v<PlanarPoint> && sizeof(PlanarPoint) == 2 * sizeof(double),
              "an (N, 2) array views the points where they lie");

using PointArray = py::array_t<double, py::array::c_style | py::array::forcecast>;

// The points of an (N, 2) array; ValueError for another shape or a value
// that is not a finite number, as the point reader refuses one in a file.
std::vector<PlanarPoint> points_of(const PointArray& array) {
  if (array.ndim() != 2 || array.shape(1) != 2)
    throw py::value_error("points must be an (N, 2) array of x, y coordinates");
  const auto values = array.unchecked<2>();
  std::vector<PlanarPoint> points(static_cast<std::size_t>(values.shape(0)));
  for (py::ssize_t i = 0; i < values.shape(0); ++i) {
    if (!std::isfinite(values(i, 0)) || !std::isfinite(values(i, 1)))
      throw py::value_error("points[" + std::to_string(i) + "] is not a pair of finite numbers");
    points[static_cast<std::size_t>(i)] = {values(i, 0), values(i, 1)};
  }
  return points;
}

// An (N, 2) array over the points' own storage: the vector moves into the
// array's owner, nothing is copied.
py::array_t<double> array_of(std::vector<PlanarPoint>&& points) {
  auto* owned = new std::vector<PlanarPoint>(std::move(points));
  const py::capsule owner(owned, [](void* p) { delete static_cast<std::vector<PlanarPoint>*>(p); });
  const auto n = static_cast<py::ssize_t>(owned->size());
  return py::array_t<double>({n, py::ssize_t{2}},
                             {py::ssize_t{sizeof(PlanarPoint)}, py::ssize_t{sizeof(double)}},
                             reinterpret_cast<const double*>(owned->data()), owner);
}

py::array_t<double> array_of(std::vector<double>&& values) {
  auto* owned = new std::vector<double>(std::move(values));
  const py::capsule owner(owned, [](void* p) { delete static_cast<std::vector<double>*>(p); });
  return py::array_t<double>(static_cast<py::ssize_t>(owned->size()), owned->data(), owner);
}

// The command line split against the command table, and the command it names.
LabStatus parse_for(const std::vector<std::string>& args, const char* command,
                    ParsedCommandLine& parsed) {
  const LabStatus status = parse_command_line(args, parsed);
  if (status.ok() && (parsed.command == nullptr || std::string(parsed.command->name) != command))
    return usage_error(std::string("not a ") + command + " command line");
  return status;
}

struct DocumentOutcome {
  LabStatus status;
  CommandOutput output;
};

// A command's json document, as `curvix-lab ... --format json` writes it.
DocumentOutcome json_document(const std::vector<std::string>& args) {
  DocumentOutcome outcome;
  ParsedCommandLine parsed;
  outcome.status = parse_command_line(args, parsed);
  if (outcome.status.ok() && parsed.command == nullptr) outcome.status = usage_error("no command");
  if (!outcome.status.ok()) return outcome;
  std::istringstream no_input;
  outcome.status = parsed.command->run(parsed, OutputFormat::JSON, no_input, outcome.output);
  return outcome;
}

// Messages and warnings as the companion prints them, each one line.
std::vector<std::string> lines_of(const std::vector<std::string>& messages) {
  std::vector<std::string> lines;
  for (const std::string& message : messages) lines.push_back(one_line(message));
  return lines;
}

py::tuple document_tuple(DocumentOutcome&& outcome) {
  return py::make_tuple(outcome.status.code, one_line(outcome.status.message),
                        std::move(outcome.output.document), lines_of(outcome.output.warnings));
}

// Quick commands (one stencil, its capped sweeps): computed on this thread,
// without the GIL, and without the cost of starting another.
py::tuple quick_document(const std::vector<std::string>& args) {
  DocumentOutcome outcome;
  {
    py::gil_scoped_release released;
    outcome = json_document(args);
  }
  return document_tuple(std::move(outcome));
}

py::tuple long_document(std::vector<std::string> args) {
  return document_tuple(call_interruptibly([args] { return json_document(args); }));
}

struct RefineOutcome {
  LabStatus status;
  RefineOptions options;
  Refinement refinement;
  std::vector<std::string> warnings;
  std::vector<std::vector<double>> curvature;
};

RefineOutcome refine_outcome(const std::vector<std::string>& args,
                             const std::vector<PlanarPoint>& points) {
  RefineOutcome outcome;
  ParsedCommandLine parsed;
  outcome.status = parse_for(args, "refine", parsed);
  if (outcome.status.ok()) outcome.status = read_refine_options(parsed, outcome.options);
  if (outcome.status.ok())
    outcome.status =
        refine_given_points(outcome.options, points, outcome.refinement, outcome.warnings);
  if (outcome.status.ok() && outcome.options.curvature)
    for (const auto& level : outcome.refinement.levels)
      outcome.curvature.push_back(discrete_curvature(level));
  return outcome;
}

// (status, message, levels, worst conditions per level, curvature per level, warnings)
py::tuple refine(std::vector<std::string> args, const PointArray& array) {
  std::vector<PlanarPoint> points = points_of(array);
  RefineOutcome outcome = call_interruptibly(
      [args, points = std::move(points)] { return refine_outcome(args, points); });
  py::list levels;
  py::list conditions;
  py::list curvature;
  for (auto& level : outcome.refinement.levels) levels.append(array_of(std::move(level)));
  for (const LevelReport& report : outcome.refinement.result.reports)
    conditions.append(report.worst_condition);
  for (auto& values : outcome.curvature) curvature.append(array_of(std::move(values)));
  return py::make_tuple(outcome.status.code, one_line(outcome.status.message), levels, conditions,
                        curvature, lines_of(outcome.warnings));
}

struct CurveOutcome {
  LabStatus status;
  std::vector<PlanarPoint> samples;
};

// (status, message, samples)
py::tuple curve(std::vector<std::string> args, const PointArray& array) {
  std::vector<PlanarPoint> points = points_of(array);
  CurveOutcome outcome = call_interruptibly([args, points = std::move(points)] {
    CurveOutcome result;
    ParsedCommandLine parsed;
    CurveOptions options;
    result.status = parse_for(args, "curve", parsed);
    if (result.status.ok()) result.status = read_curve_options(parsed, options);
    if (result.status.ok()) result.status = curve_given_points(options, points, result.samples);
    return result;
  });
  return py::make_tuple(outcome.status.code, one_line(outcome.status.message),
                        array_of(std::move(outcome.samples)));
}

// The settings' start values, which the Python functions take as defaults.
py::dict start_values() {
  const LevelSettings start;
  const RbfSettings& rbf = start.subdivision.rbf;
  py::dict values;
  values["basis"] = basis_info(rbf.basis).name;
  values["r"] = rbf.r;
  values["c"] = rbf.c;
  values["pd"] = rbf.pd;
  values["h"] = start.h;
  values["w"] = start.subdivision.tension;
  return values;
}

}  // namespace

}  // namespace curvix

PYBIND11_MODULE(_curvix, module) {
  module.doc() = "The compiled half of curvix: command lines in, statuses and values out.";
  module.def("json_document", &curvix::quick_document, py::arg("args"),
             "A quick command's json document: (status, message, document, warnings).");
  module.def("long_json_document", &curvix::long_document, py::arg("args"),
             "As json_document, on a thread of its own that Ctrl-C abandons.");
  module.def("refine", &curvix::refine, py::arg("args"), py::arg("points"),
             "(status, message, levels, conditions, curvature, warnings)");
  module.def("curve", &curvix::curve, py::arg("args"), py::arg("points"),
             "(status, message, samples)");
  module.def("start_values", &curvix::start_values, "The settings' start values.");
  module.def("wait_for_abandoned_work", &curvix::wait_for_abandoned_work,
             py::arg("timeout_seconds"),
             "Waits for computations abandoned by Ctrl-C; returns how many still run.");
  module.attr("MAX_REFINED_POINTS") = curvix::MAX_REFINED_POINTS;
}
