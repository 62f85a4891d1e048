#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "build_project_support.h"
#include "core/byte_order.h"
#include "core/file_io.h"
#include "project/project_file.h"
#include "skin/skin_database_writer.h"

namespace vorlune {
namespace {

using testing::RunCli;

constexpr std::int64_t kNoon2024 = 1717243200;

class BuildCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = testing::EmptyFolder(std::string("build-") +
                                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
    layout_ = testing::ImportedLayoutForBuild();
    testing::PlaceCounted(layout_, 1, 10, 270, {9, 12, kNoColor});
    testing::PlaceCounted(layout_, 2, 60, 270, {15, 14, kNoColor});
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string Project() {
    const auto path = folder_ / "work.hqd";
    testing::SaveProjectForBuild(layout_, path);
    return "'" + path.string() + "'";
  }
  std::string Out(const std::string& name = "skin.pdb") const {
    return "'" + (folder_ / name).string() + "'";
  }
  std::vector<std::uint8_t> Built(const std::string& name = "skin.pdb") const {
    return ReadWholeFile(folder_ / name).bytes;
  }

  std::filesystem::path folder_;
  SkinLayout layout_;
};

TEST_F(BuildCommand, BuildsTheSameBytesAsTheWriter) {
  const auto run = RunCli("build " + Project() + " " + Out() +
                          " --name Test --author Me --version 1 --time " + std::to_string(kNoon2024));
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::uint8_t> file = Built();
  ASSERT_EQ(file.size(), 107936u);

  SkinLayout expected = layout_;
  expected.databaseName = {'T', 'e', 's', 't'};
  expected.databaseAuthor = {'M', 'e'};
  expected.databaseVersion = {'1'};
  const auto bytes = MakeSkinDatabase(expected, "skin.pdb", 2, MakeSkinInfoRecord(expected), kNoon2024);
  ASSERT_TRUE(bytes.ok());
  EXPECT_TRUE(file == *bytes);
  EXPECT_EQ(ReadBE32(file, 36), static_cast<std::uint32_t>(kNoon2024 + 2082877200));
}

TEST_F(BuildCommand, TimeComesFromTheOptionThenTheEnvironment) {
  const std::string args = "build " + Project() + " " + Out() + " --name T --author A --version 2";
  ASSERT_EQ(RunCli(args, "SOURCE_DATE_EPOCH=1000000000").status, 0);
  EXPECT_EQ(ReadBE32(Built(), 36), 1000000000u + 2082877200u);
  ASSERT_EQ(RunCli(args + " --time 1100000000", "SOURCE_DATE_EPOCH=1000000000").status, 0);
  EXPECT_EQ(ReadBE32(Built(), 36), 1100000000u + 2082877200u);
  EXPECT_EQ(RunCli(args + " --time soon").status, 2);
}

TEST_F(BuildCommand, ShorterAuthorLeavesTheOldBytesAfterItsTerminator) {
  std::memcpy(layout_.databaseName.data(), "Title", 5);
  std::memcpy(layout_.databaseAuthor.data(), "ABCDEF", 6);
  std::memcpy(layout_.databaseVersion.data(), "100", 3);
  const auto run =
      RunCli("build " + Project() + " " + Out() + " --author XY --time " + std::to_string(kNoon2024));
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::uint8_t> file = Built();
  const std::uint8_t author[] = {'X', 'Y', 0, 'D', 'E', 'F', 0};
  for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(file[176 + 32 + i], author[i]) << i;
  EXPECT_EQ(std::string(file.begin() + 176, file.begin() + 182), std::string("Title\0", 6));
  EXPECT_EQ(std::string(file.begin() + 176 + 64, file.begin() + 176 + 67), "100");
}

TEST_F(BuildCommand, RefusesWithoutPlayOrStop) {
  layout_.part(1) = layout_.part(0);
  layout_.part(1).width = 36;
  layout_.part(1).height = 30;
  layout_.placedCount = 1;
  const auto run = RunCli("build " + Project() + " " + Out() + " --name T --author A --version 1");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "再生ボタンと停止ボタンを必ず配置して下さい\n作成できませんでした\n");
  EXPECT_FALSE(std::filesystem::exists(folder_ / "skin.pdb"));
}

TEST_F(BuildCommand, FileNameRules) {
  const std::string texts = " --name T --author A --version 1 --time " + std::to_string(kNoon2024);
  const std::string project = Project();
  const std::string thirty = std::string(26, 'a') + ".pdb";
  ASSERT_EQ(RunCli("build " + project + " " + Out(thirty) + texts).status, 0);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(Built(thirty).data())), thirty);

  const auto tooLong = RunCli("build " + project + " " + Out("b" + thirty) + texts);
  EXPECT_EQ(tooLong.status, 1);
  EXPECT_NE(tooLong.err.find("半角30文字以内(拡張子含む)"), std::string::npos);
  EXPECT_EQ(tooLong.err.find("ファイル名を入力"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(folder_ / ("b" + thirty)));

  const auto empty = RunCli("build " + project + " '" + folder_.string() + "/'" + texts);
  EXPECT_EQ(empty.status, 1);
  EXPECT_EQ(empty.err.rfind("ファイル名を入力してください。", 0), 0u);

  // Thirteen full-width characters and ".pdb" are 30 bytes in Shift_JIS; sixteen are too many.
  const std::string japanese = "あいうえおかきくけこさしす.pdb";
  ASSERT_EQ(RunCli("build " + project + " " + Out(japanese) + texts).status, 0);
  const std::vector<std::uint8_t> file = Built(japanese);
  EXPECT_EQ(file[0], 0x82);
  EXPECT_EQ(file[1], 0xA0);
  EXPECT_EQ(file[29], 'b');
  EXPECT_EQ(file[30], 0);
  EXPECT_EQ(RunCli("build " + project + " " + Out("あいうえおかきくけこさしすせそた") + texts).status, 1);
  EXPECT_EQ(RunCli("build " + project + " " + Out("skin\xF0\x9F\x98\x80.pdb") + texts).status, 1);
}

TEST_F(BuildCommand, EmptyTextsAndBadOptionValuesAreRefused) {
  const std::string head = "build " + Project() + " " + Out();
  EXPECT_EQ(RunCli(head + " --author A --version 1").err, "データベースタイトルを入力してください。\n");
  EXPECT_EQ(RunCli(head + " --name T --version 1").err, "データベース作者名を入力してください。\n");
  EXPECT_EQ(RunCli(head + " --name T --author A").err, "データベースバージョンを入力してください。\n");
  EXPECT_EQ(RunCli(head + " --name T --author A --version 12a").status, 1);
  EXPECT_EQ(RunCli(head + " --name T --author A --version 1234567").status, 1);
  EXPECT_EQ(RunCli(head + " --name " + std::string(31, 'n') + " --author A --version 1").status, 1);
  EXPECT_EQ(RunCli(head + " --name T --author '\xF0\x9F\x98\x80' --version 1").status, 1);
  EXPECT_FALSE(std::filesystem::exists(folder_ / "skin.pdb"));
}

TEST_F(BuildCommand, FailuresLeaveTheOldSkinAlone) {
  const std::string project = Project();
  std::filesystem::path old = folder_ / "skin.pdb";
  { std::ofstream(old) << "old skin"; }
  const std::string texts = " --name T --author A --version 1";
  const auto date = RunCli("build " + project + " " + Out() + texts + " --time 852120000");
  EXPECT_EQ(date.status, 1);
  EXPECT_EQ(date.err, "Error : The date of this system is abnormal.\n");
  EXPECT_EQ(testing::FileText(old), "old skin");

  const auto folder = RunCli("build " + project + " " + Out("absent/skin.pdb") + texts);
  EXPECT_EQ(folder.status, 1);
  EXPECT_EQ(folder.err, "Error : Cannot make pdb-file.\n");

  // A project whose stored count disagrees with its rows is built by nobody.
  layout_.placedCount = 3;
  const auto count = RunCli("build " + Project() + " " + Out() + texts);
  EXPECT_EQ(count.status, 1);
  EXPECT_EQ(count.err, "Error : Wtire item number error\n");
  EXPECT_EQ(testing::FileText(old), "old skin");
  EXPECT_EQ(testing::FileText(folder_ / "work.hqd").size(), WriteProjectFile(layout_).size());
}

TEST_F(BuildCommand, UsageErrors) {
  EXPECT_EQ(RunCli("build").status, 2);
  EXPECT_EQ(RunCli("build a.hqd").status, 2);
  EXPECT_EQ(RunCli("build a.hqd b.pdb --bogus").status, 2);
  EXPECT_EQ(RunCli("build a.hqd b.pdb --name").status, 2);
  EXPECT_EQ(RunCli("build --help").status, 0);
  EXPECT_EQ(RunCli("build '" + (folder_ / "missing.hqd").string() + "' " + Out()).status, 1);
}

}  // namespace
}  // namespace vorlune
