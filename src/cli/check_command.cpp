#include <CLI/CLI.hpp>
#include <cmath>
#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "checks/finding_text.h"
#include "checks/skin_checks.h"
#include "cli/commands.h"
#include "core/file_io.h"

namespace vorlune::cli {

namespace {

std::vector<Finding> CheckPath(const std::string& path) {
  const FileBytes file = ReadWholeFile(path);
  if (file.failure) {
    const bool missing = *file.failure == ReadFailure::NotFound;
    return {
        UnreadableFileFinding({"Error : Cannot " + std::string(missing ? "find " : "open ") + path + "."})};
  }
  return CheckSkinFile(file.bytes);
}

// "error: Stop: not placed; ...", the file named where no part is concerned.
std::string FindingLine(const Finding& finding, const std::string& path) {
  const std::string_view subject = FindingSubject(finding);
  return std::string(SeverityName(finding.severity)) + ": " +
         (subject.empty() ? path : std::string(subject)) + ": " + FindingMessage(finding);
}

nlohmann::ordered_json FindingsJson(const std::string& path, const std::vector<Finding>& findings) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const Finding& finding : findings) {
    nlohmann::ordered_json kinds = nlohmann::ordered_json::array();
    for (const PartKind k : finding.kinds) kinds.push_back(KindInfo(k).name);
    const double ratio = finding.parameters.ratio;
    list.push_back({{"severity", SeverityName(finding.severity)},
                    {"code", finding.code},
                    {"kinds", kinds},
                    {"message", FindingMessage(finding)},
                    {"ratio", ratio > 0 ? nlohmann::ordered_json(std::round(ratio * 100) / 100)
                                        : nlohmann::ordered_json()}});
  }
  return {{"file", path}, {"findings", list}};
}

}  // namespace

int CheckSkinFileCommand(const CheckOptions& options) {
  const std::vector<Finding> findings = CheckPath(options.file);
  if (options.json) {
    // Bytes that are not UTF-8 (a file name, say) become U+FFFD: the output stays JSON.
    const nlohmann::ordered_json json = FindingsJson(options.file, findings);
    std::puts(json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace).c_str());
  } else {
    for (const Finding& finding : findings) std::puts(FindingLine(finding, options.file).c_str());
  }
  for (const Finding& finding : findings) {
    if (finding.severity == Severity::Error || options.strict) return 1;
  }
  return 0;
}

Command AddCheckCommand(CLI::App& tool) {
  auto options = std::make_shared<CheckOptions>();
  CLI::App* command = tool.add_subcommand(
      "check",
      "Check a project or skin for errors and hard-to-see colours.\n\n"
      "Checks a project (.hqd) or skin database (.pdb) before it reaches the handheld and\n"
      "prints one line per finding, 'error: PART: ...' or 'warning: PART: ...':\n"
      "  errors: what would stop Create or the skin writer (the play or stop button\n"
      "    missing, parts touching or overlapping, a part outside the skin, two forms of\n"
      "    one group placed) and a file that cannot be read;\n"
      "  warnings: part colours hard to see, by the WCAG 2 contrast ratio: a colour\n"
      "    against a background colour covering 20 % of the area under the part below\n"
      "    4.5:1 (time, track, title) or 3:1 (buttons, meters); on against off below\n"
      "    3:1; a level meter's maximum against on below 1.5:1.");
  command->add_option("FILE", options->file, "the project or skin database")->required();
  command->add_flag("--json", options->json, "print {\"file\": ..., \"findings\": [...]} instead");
  command->add_flag("--strict", options->strict, "warnings fail too");
  command->footer("Exit status 0 without errors, 1 with errors (or warnings under --strict).");
  return {command, [options] { return CheckSkinFileCommand(*options); }};
}

}  // namespace vorlune::cli
