#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "core/cp932.h"
#include "support/cli_run.h"
#include "support/folder_test.h"
#include "support/synthetic_layout.h"

namespace vorlune {
namespace {

using testing::RunCli;

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

using InfoCommand = testing::FolderTest;

TEST_F(InfoCommand, DescribesAProjectAsTextAndJson) {
  SkinLayout layout = testing::SyntheticLayout();
  testing::Place(layout, 1, 0, 1, {-1, -1, -1});
  testing::Place(layout, 27, 10, 100, {14, -1, -1});
  layout.part(5).colors = {2, 3, -1};
  const std::string name = *Utf8ToCp932("ﾊﾞｰｼﾞｮﾝ");
  const std::string author = *Utf8ToCp932("作者\"名\"");
  std::memcpy(layout.databaseName.data(), name.data(), name.size());
  std::memcpy(layout.databaseAuthor.data(), author.data(), author.size());
  std::memcpy(layout.databaseVersion.data(),
              "102\0"
              "99",
              6);
  testing::SaveProject(In("skin.hqd"), layout);

  const auto run = RunCli({"info", In("skin.hqd")});
  ASSERT_EQ(run.status, 0) << run.err;
  for (const char* line : {"103766 bytes", "picture header length   910", "colours                 214",
                           "placed count            2 (2 rows placed)", "name                    \"ﾊﾞｰｼﾞｮﾝ\"",
                           "author                  \"作者\"名\"\"", "version                 \"102\"",
                           " 1 Play           at (0, 1), 36 x 30, colours -1,-1,-1",
                           "27 TitleLarge     at (10, 100), 240 x 28, colours 14,-1,-1",
                           " 5 Rewind         not placed, colours 2,3,-1"}) {
    EXPECT_TRUE(Has(run.out, line)) << line;
  }
  EXPECT_FALSE(Has(run.out, "Stop"));

  const auto json = RunCli({"info", In("skin.hqd"), "--json"});
  ASSERT_EQ(json.status, 0) << json.err;
  EXPECT_TRUE(Has(json.out,
                  "\"format\":\"project\",\"fileSize\":103766,\"temporaryPictureSize\":103310,"
                  "\"headerLength\":910,\"colors\":214"));
  EXPECT_TRUE(Has(json.out, "\"name\":\"ﾊﾞｰｼﾞｮﾝ\",\"author\":\"作者\\\"名\\\"\",\"version\":\"102\""));
  EXPECT_TRUE(Has(json.out,
                  "{\"kind\":27,\"name\":\"TitleLarge\",\"placed\":true,\"x\":10,\"y\":100,\"width\":240,"
                  "\"height\":28,\"colors\":[14,-1,-1]}"));
  EXPECT_TRUE(Has(json.out, "{\"kind\":2,\"name\":\"Stop\",\"placed\":false,\"x\":-1,\"y\":-1"));

  std::filesystem::resize_file(In("skin.hqd"), 103765);
  const auto damaged = RunCli({"info", In("skin.hqd")});
  EXPECT_EQ(damaged.status, 1);
  EXPECT_TRUE(damaged.err.starts_with("Error : this hqd-file is damaged")) << damaged.err;
}

TEST_F(InfoCommand, DescribesABuiltSkin) {
  SkinLayout layout = testing::SyntheticLayout();
  testing::Place(layout, 1, 10, 270, {9, 12, kNoColor});
  testing::Place(layout, 2, 60, 270, {15, 14, kNoColor});
  testing::Place(layout, 28, 40, 20, {3, kNoColor, kNoColor});
  testing::SaveProject(In("p.hqd"), layout);
  ASSERT_EQ(RunCli({"build", In("p.hqd"), In("skin.pdb"), "--name", "タイトル", "--author", "Me", "--version",
                    "7", "--time", "1717243200"})
                .status,
            0);

  const auto text = RunCli({"info", In("skin.pdb")});
  ASSERT_EQ(text.status, 0) << text.err;
  for (const char* line : {"title:         タイトル", "offset  103512", "TitleMedium", "2024-06-01 21:00:00"})
    EXPECT_TRUE(Has(text.out, line)) << line;
  const auto json = RunCli({"info", In("skin.pdb"), "--json"});
  ASSERT_EQ(json.status, 0) << json.err;
  EXPECT_TRUE(Has(json.out, "\"numRecords\":13"));
  EXPECT_TRUE(Has(json.out, "\"titleSizeCode\":8"));

  std::fstream(In("skin.pdb"), std::ios::in | std::ios::out | std::ios::binary).seekp(77).put('\x05');
  const auto damaged = RunCli({"info", In("skin.pdb")});
  EXPECT_EQ(damaged.status, 1);
  EXPECT_EQ(damaged.err.rfind("Error : ", 0), 0u);
}

}  // namespace
}  // namespace vorlune
