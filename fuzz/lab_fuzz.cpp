// libFuzzer target for curvix-lab: the whole program as run_lab runs it, the
// command line and standard input both taken from the fuzzer's bytes, and no
// file read or written (LabFileAccess::STREAMS_ONLY).
//
// Encoding of one input:
//   ARG \0 ARG \0 ... ARG \0 \0 STANDARD-INPUT
// Arguments are separated by one NUL byte; the first two NULs in a row end
// them, and every byte after those is standard input. Without a double NUL
// the whole input is arguments and standard input is empty. (A real command
// line cannot hold a NUL either, and an empty argument's checks are reached
// through "--option=".)
//
// The contract checked on every run, from lab/run/lab_run.h and docs/developing.md; a
// breach aborts, which libFuzzer reports as a finding:
// - the status is 0, 1 or 2;
// - no arguments: status 2, the usage on stderr, nothing on stdout;
// - --help or -h: status 0, the help on stdout, nothing on stderr;
// - every stderr line but the last starts "curvix-lab: warning: ";
// - status 0: stderr holds only such warning lines, and stdout the document;
// - status 1 or 2: stderr ends with exactly one error line
//   "curvix-lab: MESSAGE\n" (MESSAGE not empty, not a warning), and stdout is
//   empty (here --output goes to stdout, so no status but 0 may print).
// Hangs and memory blow-ups are caught by libFuzzer's -timeout and
// -rss_limit_mb (scripts/fuzz_lab.sh).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "lab/run/lab_run.h"

namespace {

const std::string PREFIX = "curvix-lab: ";
const std::string WARNING_PREFIX = "curvix-lab: warning: ";
const std::string USAGE_START = "usage: curvix-lab";

void require(bool condition) {
  if (!condition) std::abort();
}

bool starts_with(const std::string& text, const std::string& start) {
  return text.compare(0, start.size(), start) == 0;
}

// Splits the input as the encoding above says.
void split_input(const std::uint8_t* data, std::size_t size, std::vector<std::string>& args,
                 std::string& standard_input) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::size_t end = bytes.find(std::string("\0\0", 2));
  const std::string arguments = bytes.substr(0, end);
  if (end != std::string::npos) standard_input = bytes.substr(end + 2);
  if (arguments.empty()) return;
  std::size_t start = 0;
  for (std::size_t nul = arguments.find('\0'); nul != std::string::npos;
       nul = arguments.find('\0', start)) {
    args.push_back(arguments.substr(start, nul - start));
    start = nul + 1;
  }
  args.push_back(arguments.substr(start));
}

// The lines of `text`, each with its "\n"; a last line without one is kept
// as it is, so the caller sees it as unterminated.
std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t newline = text.find('\n', start);
    const std::size_t end = newline == std::string::npos ? text.size() : newline + 1;
    lines.push_back(text.substr(start, end - start));
    start = end;
  }
  return lines;
}

bool is_warning_line(const std::string& line) {
  return starts_with(line, WARNING_PREFIX) && line.size() > WARNING_PREFIX.size() + 1 &&
         line.back() == '\n';
}

bool is_error_line(const std::string& line) {
  return starts_with(line, PREFIX) && !starts_with(line, WARNING_PREFIX) &&
         line.size() > PREFIX.size() + 1 && line.back() == '\n';
}

bool asks_for_help(const std::vector<std::string>& args) {
  for (const std::string& arg : args)
    if (arg == "--help" || arg == "-h") return true;
  return false;
}

void check_contract(const std::vector<std::string>& args, int status, const std::string& out,
                    const std::string& err) {
  require(status == 0 || status == 1 || status == 2);
  if (args.empty()) {
    require(status == 2 && out.empty() && starts_with(err, USAGE_START));
    return;
  }
  // An unknown command is refused before any help is looked for.
  if (asks_for_help(args) && status == 0) {
    require(err.empty() && starts_with(out, USAGE_START));
    return;
  }
  const std::vector<std::string> lines = lines_of(err);
  const std::size_t warnings = status == 0 ? lines.size() : lines.size() - 1;
  if (status != 0) require(!lines.empty() && is_error_line(lines.back()) && out.empty());
  for (std::size_t i = 0; i < warnings; ++i) require(is_warning_line(lines[i]));
  if (status == 0) require(!out.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> args;
  std::string standard_input;
  split_input(data, size, args, standard_input);
  std::istringstream in(standard_input);
  std::ostringstream out;
  std::ostringstream err;
  const int status = curvix::run_lab(args, in, out, err, curvix::LabFileAccess::STREAMS_ONLY);
  check_contract(args, status, out.str(), err.str());
  return 0;
}
