#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "core/byte_order.h"
#include "project/project_file.h"
#include "skin/skin_database_writer.h"
#include "support/cli_run.h"
#include "support/folder_test.h"
#include "support/synthetic_layout.h"

namespace vorlune {
namespace {

using testing::CliRun;
using testing::ReadBytes;
using testing::RunCli;

constexpr std::uint32_t kPalmJapan = 2082877200;  // 1904 epoch, plus nine hours

class BuildCommand : public testing::FolderTest {
 protected:
  void SetUp() override {
    FolderTest::SetUp();
    layout_ = testing::SyntheticLayout();
    testing::Place(layout_, 1, 10, 270, {9, 12, kNoColor});
    testing::Place(layout_, 2, 60, 270, {15, 14, kNoColor});
  }

  // Saves the layout and builds `out` from it with the extra arguments.
  CliRun Build(const std::string& out, std::vector<std::string> extra,
               const testing::CliOptions& options = {}) {
    testing::SaveProject(folder_ / "work.hqd", layout_);
    std::vector<std::string> args{"build", In("work.hqd"), In(out)};
    args.insert(args.end(), extra.begin(), extra.end());
    return RunCli(args, options);
  }

  SkinLayout layout_;
};

const std::vector<std::string> kTexts{"--name",    "T", "--author", "A",
                                      "--version", "1", "--time",   "1717243200"};

TEST_F(BuildCommand, BuildsTheSameBytesAsTheWriter) {
  const auto run =
      Build("skin.pdb", {"--name", "Test", "--author", "Me", "--version", "1", "--time", "1717243200"});
  ASSERT_EQ(run.status, 0) << run.err;
  SkinLayout expected = layout_;
  expected.databaseName = {'T', 'e', 's', 't'};
  expected.databaseAuthor = {'M', 'e'};
  expected.databaseVersion = {'1'};
  const auto bytes =
      MakeSkinDatabase(expected, "skin.pdb", 2, MakeSkinInfoRecord(expected), testing::kSomeTime);
  ASSERT_TRUE(bytes.ok());
  const auto file = ReadBytes(folder_ / "skin.pdb");
  EXPECT_EQ(file.size(), 107936u);
  EXPECT_TRUE(file == *bytes);
}

TEST_F(BuildCommand, TimeComesFromTheOptionThenTheEnvironment) {
  const std::vector<std::string> texts{"--name", "T", "--author", "A", "--version", "2"};
  const testing::CliOptions epoch{{}, {"SOURCE_DATE_EPOCH=1000000000"}, {}};
  ASSERT_EQ(Build("skin.pdb", texts, epoch).status, 0);
  EXPECT_EQ(ReadBE32(ReadBytes(folder_ / "skin.pdb"), 36), 1000000000u + kPalmJapan);
  auto later = texts;
  later.insert(later.end(), {"--time", "1100000000"});
  ASSERT_EQ(Build("skin.pdb", later, epoch).status, 0);
  EXPECT_EQ(ReadBE32(ReadBytes(folder_ / "skin.pdb"), 36), 1100000000u + kPalmJapan);
  later.back() = "soon";
  EXPECT_EQ(Build("skin.pdb", later).status, 2);
}

TEST_F(BuildCommand, ShorterAuthorLeavesTheOldBytesAfterItsTerminator) {
  std::memcpy(layout_.databaseName.data(), "Title", 5);
  std::memcpy(layout_.databaseAuthor.data(), "ABCDEF", 6);
  std::memcpy(layout_.databaseVersion.data(), "100", 3);
  ASSERT_EQ(Build("skin.pdb", {"--author", "XY", "--time", "1717243200"}).status, 0);
  const auto file = ReadBytes(folder_ / "skin.pdb");
  const std::uint8_t author[] = {'X', 'Y', 0, 'D', 'E', 'F', 0};
  for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(file[176 + 32 + i], author[i]) << i;
  EXPECT_EQ(std::string(file.begin() + 176, file.begin() + 182), std::string("Title\0", 6));
  EXPECT_EQ(std::string(file.begin() + 176 + 64, file.begin() + 176 + 67), "100");
}

TEST_F(BuildCommand, FileNameBecomesTheDatabaseNameInShiftJis) {
  const std::string japanese = "あいうえおかきくけこさしす.pdb";  // 30 bytes in Shift_JIS
  ASSERT_EQ(Build(japanese, kTexts).status, 0);
  const auto file = ReadBytes(folder_ / japanese);
  EXPECT_EQ(file[0], 0x82);
  EXPECT_EQ(file[1], 0xA0);
  EXPECT_EQ(file[29], 'b');
  EXPECT_EQ(file[30], 0);

  const std::string tooLong = std::string(27, 'a') + ".pdb";
  const auto run = Build(tooLong, kTexts);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("半角30文字以内(拡張子含む)"), std::string::npos);
  EXPECT_EQ(Build("", kTexts).err.rfind("ファイル名を入力してください。", 0), 0u);
  EXPECT_EQ(testing::FolderEntries(folder_), (std::vector<std::string>{"work.hqd", japanese}));
}

// The core's refusals reach the user unchanged, and nothing is written.
TEST_F(BuildCommand, RefusalsAreReportedAndMakeNoFile) {
  const struct {
    std::vector<std::string> extra;
    const char* err;
  } cases[] = {
      {{"--author", "A", "--version", "1"}, "データベースタイトルを入力してください。\n"},
      {{"--name", "T", "--author", "A", "--version", "12a"}, nullptr},
      {{"--name", "T", "--author", "A", "--version", "1234567"}, nullptr},
      {{"--name", "T", "--author", "\xF0\x9F\x98\x80", "--version", "1"}, nullptr},
      {{"--name", "T", "--author", "A", "--version", "1", "--time", "852120000"},
       "Error : The date of this system is abnormal.\n"},
  };
  for (const auto& c : cases) {
    const auto run = Build("skin.pdb", c.extra);
    EXPECT_EQ(run.status, 1) << c.extra[1];
    if (c.err) {
      EXPECT_EQ(run.err, c.err);
    }
  }
  layout_.part(2) = layout_.part(0);  // no stop button
  layout_.placedCount = 1;
  EXPECT_EQ(Build("skin.pdb", kTexts).err,
            "再生ボタンと停止ボタンを必ず配置して下さい\n作成できませんでした\n");
  EXPECT_EQ(testing::FolderEntries(folder_), std::vector<std::string>{"work.hqd"});
}

TEST_F(BuildCommand, FailuresLeaveTheOldSkinAlone) {
  { std::ofstream(folder_ / "skin.pdb") << "old skin"; }
  const auto folder = Build("absent/skin.pdb", kTexts);
  EXPECT_EQ(folder.status, 1);
  EXPECT_EQ(folder.err, "Error : Cannot make pdb-file.\n");

  // A project whose stored count disagrees with its rows is built by nobody.
  layout_.placedCount = 3;
  const auto count = Build("skin.pdb", kTexts);
  EXPECT_EQ(count.status, 1);
  EXPECT_EQ(count.err, "Error : Wtire item number error\n");
  EXPECT_EQ(testing::ReadText(folder_ / "skin.pdb"), "old skin");
}

TEST_F(BuildCommand, UsageErrors) {
  for (const std::vector<std::string>& args : {std::vector<std::string>{"build"},
                                               {"build", "a.hqd"},
                                               {"build", "a.hqd", "b.pdb", "--bogus"},
                                               {"build", "a.hqd", "b.pdb", "--name"}}) {
    EXPECT_EQ(RunCli(args).status, 2) << args.size();
  }
  EXPECT_EQ(RunCli({"build", "--help"}).status, 0);
  EXPECT_EQ(RunCli({"build", In("missing.hqd"), In("skin.pdb")}).status, 1);
}

}  // namespace
}  // namespace vorlune
