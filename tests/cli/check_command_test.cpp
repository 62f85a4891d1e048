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
    SkinLayout layout = testing::PaintedLayout({{0, 0, 0}}, [](int, int) { return 0; });
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
  const auto json = [this](const std::string& file, int status) {
    const testing::CliRun result = Check({file, "--json"});
    EXPECT_EQ(result.status, status) << file;
    return nlohmann::json::parse(result.out);
  };
  EXPECT_EQ(json("clean.hqd", 0), nlohmann::json::parse(R"({"file": "clean.hqd", "findings": []})"));

  const nlohmann::json warned = json("warn.pdb", 0);
  ASSERT_EQ(warned["findings"].size(), 1u);
  const nlohmann::json& finding = warned["findings"][0];
  EXPECT_EQ(finding["severity"], "warning");
  EXPECT_EQ(finding["code"], "low-contrast");
  EXPECT_EQ(finding["kinds"], nlohmann::json::parse(R"(["Time1"])"));
  EXPECT_EQ(finding["ratio"], 1.0);
  EXPECT_EQ("warning: Time1: " + finding["message"].get<std::string>() + "\n", kTimeWarning);

  const nlohmann::json refused = json("damaged.hqd", 1)["findings"][0];
  EXPECT_EQ(refused["code"], "unreadable-file");
  EXPECT_TRUE(refused["kinds"].empty());
  EXPECT_TRUE(refused["ratio"].is_null());
}

}  // namespace
}  // namespace vorlune
