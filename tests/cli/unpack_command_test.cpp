#include <gtest/gtest.h>

#include "project/project_file.h"
#include "project/skin_unpacking.h"
#include "skin/skin_database_writer.h"
#include "support/cli_run.h"
#include "support/folder_test.h"
#include "support/synthetic_layout.h"

namespace vorlune {
namespace {

using testing::ReadBytes;
using testing::RunCli;

class UnpackCommand : public testing::FolderTest {
 protected:
  void SetUp() override {
    FolderTest::SetUp();
    SkinLayout layout = testing::SyntheticLayout();
    testing::Place(layout, 1, 10, 270, {9, 12, kNoColor});
    testing::Place(layout, 2, 60, 270, {15, 14, kNoColor});
    layout.databaseName = {'S', 'k', 'y'};
    layout.databaseAuthor = {'M', 'e'};
    layout.databaseVersion = {'1'};
    skin_ = *MakeSkinDatabase(layout, "sky.pdb", 2, MakeSkinInfoRecord(layout), testing::kSomeTime);
    testing::WriteBytes(folder_ / "sky.pdb", skin_);
    std::vector<std::uint8_t> changed = skin_;
    changed.back() ^= 1;  // a pixel of the stop button's last state
    testing::WriteBytes(folder_ / "changed.pdb", changed);
    std::vector<std::uint8_t> damaged = skin_;
    damaged[992 + 8 * 6 + 16] = 5;  // a background pixel among the picker colours
    testing::WriteBytes(folder_ / "damaged.pdb", damaged);
  }
  std::vector<std::uint8_t> skin_;
};

TEST_F(UnpackCommand, WritesTheProjectOnlyForASkinItCanGiveBack) {
  const struct {
    std::vector<std::string> args;
    int status;
    const char* err;  // a part of standard error
    bool written;
  } runs[] = {
      {{"sky.pdb", "out.hqd"}, 0, "", true},
      {{"changed.pdb", "out.hqd"}, 1, "not made by this editor", false},
      {{"changed.pdb", "out.hqd", "--force"}, 0, "", true},
      {{"damaged.pdb", "out.hqd", "--force"}, 1, "background pixel", false},
      {{"missing.pdb", "out.hqd"}, 1, "Cannot find pdb-file", false},
      {{"sky.pdb"}, 2, "usage", false},
      {{"sky.pdb", "out.hqd", "--fast"}, 2, "unknown option", false},
  };
  for (const auto& run : runs) {
    std::filesystem::remove(folder_ / "out.hqd");
    std::vector<std::string> args{"unpack"};
    for (const std::string& arg : run.args) args.push_back(arg.starts_with("-") ? arg : In(arg));
    const testing::CliRun result = RunCli(args);
    EXPECT_EQ(result.status, run.status) << args[1] << result.err;
    EXPECT_NE(result.err.find(run.err), std::string::npos) << result.err;
    EXPECT_EQ(std::filesystem::exists(folder_ / "out.hqd"), run.written) << args[1];
  }
  ASSERT_EQ(RunCli({"unpack", In("sky.pdb"), In("sky.hqd")}).status, 0);
  EXPECT_TRUE(ReadBytes(folder_ / "sky.hqd") == WriteProjectFile(UnpackSkinDatabase(skin_)->layout));
}

TEST_F(UnpackCommand, HelpAndInfoTellOfIt) {
  const auto help = RunCli({"unpack", "--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--force"), std::string::npos);
  EXPECT_NE(RunCli({"--help"}).out.find("unpack SKIN.pdb OUT.hqd"), std::string::npos);
  EXPECT_NE(RunCli({"info", In("sky.pdb")}).out.find("unpacks:       yes"), std::string::npos);
  EXPECT_NE(RunCli({"info", In("changed.pdb")}).out.find("unpacks:       only with --force"),
            std::string::npos);
  EXPECT_NE(RunCli({"info", In("damaged.pdb"), "--json"}).out.find("\"unpacks\":\"no: Error : "),
            std::string::npos);
}

}  // namespace
}  // namespace vorlune
