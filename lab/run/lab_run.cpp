#include "lab/run/lab_run.h"

#include "lab/common/option_reading.h"
#include "lab/common/output_text.h"
#include "lab/run/atomic_write.h"
#include "lab/run/command_line.h"
#include "lab/run/lab_help.h"

namespace curvix {

namespace {

const char* const PREFIX = "curvix-lab: ";

int reported(const LabStatus& status, std::ostream& err) {
  if (!status.ok()) err << PREFIX << one_line(status.message) << "\n";
  err.flush();
  return status.code;
}

LabStatus deliver(const std::string& document, const std::string& output_path, std::ostream& out) {
  if (!output_path.empty()) return write_file_atomically(output_path, document);
  out << document;
  out.flush();
  return out ? LabStatus{} : data_error("cannot write standard output");
}

}  // namespace

int run_lab(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
            std::ostream& err, LabFileAccess access) {
  ParsedCommandLine parsed;
  const LabStatus parse_status = parse_command_line(args, parsed);
  if (!parse_status.ok()) return reported(parse_status, err);
  if (access == LabFileAccess::STREAMS_ONLY) parsed.operands.assign(parsed.operands.size(), "-");
  if (parsed.help) {
    out << help_text(parsed.command);
    return STATUS_OK;
  }
  if (parsed.command == nullptr) {
    err << help_text(nullptr);
    return STATUS_USAGE;
  }
  CommonOptions common;
  LabStatus status = read_common_options(parsed, parsed.command->takes_svg, common);
  if (access == LabFileAccess::STREAMS_ONLY) common.output_path.clear();
  CommandOutput output;
  if (status.ok()) status = parsed.command->run(parsed, common.format, in, output);
  for (const std::string& warning : output.warnings)
    err << PREFIX << "warning: " << one_line(warning) << "\n";
  if (status.ok()) status = deliver(output.document, common.output_path, out);
  return reported(status, err);
}

}  // namespace curvix
