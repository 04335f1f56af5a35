#pragma once
// How a curvix-lab step ends: a process status and the one line the user
// sees. Status 0 with an empty message is success.

#include <string>

namespace curvix {

constexpr int STATUS_OK = 0;
constexpr int STATUS_FAILED = 1;  // bad input data, a file, or the engine refused
constexpr int STATUS_USAGE = 2;   // the command line itself is wrong

struct LabStatus {
  int code = STATUS_OK;
  std::string message;  // without the "curvix-lab: " prefix

  bool ok() const { return code == STATUS_OK; }
};

inline LabStatus usage_error(std::string message) {
  return {STATUS_USAGE, std::move(message)};
}
inline LabStatus data_error(std::string message) {
  return {STATUS_FAILED, std::move(message)};
}

}  // namespace curvix
