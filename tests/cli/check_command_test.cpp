// `vorlune-cli check` on projects and skins: its lines, JSON and exit status.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/cli_run.h"
#include "support/folder_test.h"
#include "support/synthetic_layout.h"

namespace vorlune {
namespace {

using testing::Place;

class CheckCommand : public testing::FolderTest {
 protected:
  void SetUp() override {
    FolderTest::SetUp();
    SkinLayout layout = testing::PaintedLayout({});  // black
    Place(layout, 1, 10, 10, {8, 15, kNoColor});
    Place(layout, 2, 60, 10, {8, 15, kNoColor});
    testing::SaveProject(folder_ / "clean.hqd", layout);
    std::vector<std::uint8_t> bytes = testing::ReadBytes(folder_ / "clean.hqd");
    bytes.pop_back();
    testing::WriteBytes(folder_ / "damaged.hqd", bytes);
    Place(layout, 21, 150, 100, {0, kNoColor, kNoColor});  // black on black
    testing::SaveProject(folder_ / "warn.hqd", layout);
    testing::WriteBytes(folder_ / "warn.pdb", testing::SkinBytes(layout));
    Place(layout, 2, -1, -1, {8, 15, kNoColor});
    testing::WriteBytes(folder_ / "nostop.pdb", testing::SkinBytes(layout));
  }

  testing::CliRun Check(std::vector<std::string> args) {
    args.insert(args.begin(), "check");
    return testing::RunCli(args, {folder_, {}, {}});
  }
};

const std::string kTimeWarning =
    "warning: Time1: text colour black #000000 against the background colour #000000 covering 100 % of the "
    "area: 1.00:1, below 4.5:1\n";

TEST_F(CheckCommand, PrintsOneLinePerFindingAndFailsOnErrors) {
  struct Run {
    std::vector<std::string> args;
    int status;
    std::string out;
  };
  const Run runs[] = {
      {{"clean.hqd"}, 0, ""},
      {{"clean.hqd", "--strict"}, 0, ""},
      {{"warn.hqd"}, 0, kTimeWarning},
      {{"--strict", "warn.hqd"}, 1, kTimeWarning},
      {{"warn.pdb"}, 0, kTimeWarning},
      {{"nostop.pdb"},
       1,
       "error: Stop: not placed; Create needs both the play and the stop button\n" + kTimeWarning},
      {{"damaged.hqd"},
       1,
       "error: damaged.hqd: Error : this hqd-file is damaged (its length does not match its header).\n"},
      {{"missing.hqd"}, 1, "error: missing.hqd: Error : Cannot find missing.hqd.\n"},
      {{}, 2, ""},
      {{"clean.hqd", "warn.hqd"}, 2, ""},
      {{"clean.hqd", "--quiet"}, 2, ""},
  };
  for (const Run& run : runs) {
    const testing::CliRun result = Check(run.args);
    const std::string what = run.args.empty() ? "no file" : run.args.front();
    EXPECT_EQ(result.status, run.status) << what << "\n" << result.err;
    EXPECT_EQ(result.out, run.out) << what;
  }
}

TEST_F(CheckCommand, JsonNamesTheFileAndEachFinding) {
  const std::pair<std::string, std::string> runs[] = {
      {"clean.hqd", R"({"file": "clean.hqd", "findings": []})"},
      {"warn.pdb", R"({"file": "warn.pdb", "findings": [{"severity": "warning", "code": "low-contrast",
        "kinds": ["Time1"], "message": ")" +
                       kTimeWarning.substr(16, kTimeWarning.size() - 17) + R"(", "ratio": 1.0}]})"},
      {"damaged.hqd", R"({"file": "damaged.hqd", "findings": [{"severity": "error", "code": "unreadable-file",
        "kinds": [], "message": "Error : this hqd-file is damaged (its length does not match its header).",
        "ratio": null}]})"},
      {"\xff.hqd", R"({"file": "\ufffd.hqd", "findings": [{"severity": "error", "code": "unreadable-file",
        "kinds": [], "message": "Error : Cannot find \ufffd.hqd.", "ratio": null}]})"},
  };
  for (const auto& [file, expected] : runs) {
    const testing::CliRun result = Check({file, "--json"});
    EXPECT_EQ(result.status, file == "clean.hqd" || file == "warn.pdb" ? 0 : 1) << file;
    EXPECT_EQ(nlohmann::json::parse(result.out), nlohmann::json::parse(expected)) << file;
  }
}

}  // namespace
}  // namespace vorlune
