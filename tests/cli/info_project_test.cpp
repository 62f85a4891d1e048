#include <gtest/gtest.h>

#include <cstring>

#include "cli/place_fixture_support.h"
#include "core/cp932.h"

namespace vorlune {
namespace {

using namespace place_fixture;

class InfoProject : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = FreshFolder("info-project");
    project_ = (folder_ / "skin.hqd").string();
    SkinLayout layout = ImportedLayout();
    layout.part(1) = {0, 1, 36, 30, {-1, -1, -1}};
    layout.part(27) = {10, 100, 240, 28, {14, -1, -1}};
    layout.part(5).colors = {2, 3, -1};
    layout.placedCount = 2;
    const std::string name = *Utf8ToCp932("ﾊﾞｰｼﾞｮﾝ");
    const std::string author = *Utf8ToCp932("作者\"名\"");
    std::memcpy(layout.databaseName.data(), name.data(), name.size());
    std::memcpy(layout.databaseAuthor.data(), author.data(), author.size());
    std::memcpy(layout.databaseVersion.data(),
                "102\0"
                "99",
                6);
    WriteProject(project_, layout);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::filesystem::path folder_;
  std::string project_;
};

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST_F(InfoProject, DescribesHeaderTextsAndParts) {
  const auto run = RunCli({"info", project_});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(Has(run.out, "103766 bytes"));
  EXPECT_TRUE(Has(run.out, "picture header length   910"));
  EXPECT_TRUE(Has(run.out, "colours                 214"));
  EXPECT_TRUE(Has(run.out, "placed count            2 (2 rows placed)"));
  EXPECT_TRUE(Has(run.out, "name                    \"ﾊﾞｰｼﾞｮﾝ\""));
  EXPECT_TRUE(Has(run.out, "author                  \"作者\"名\"\""));
  EXPECT_TRUE(Has(run.out, "version                 \"102\""));
  EXPECT_TRUE(Has(run.out, " 1 Play           at (0, 1), 36 x 30, colours -1,-1,-1"));
  EXPECT_TRUE(Has(run.out, "27 TitleLarge     at (10, 100), 240 x 28, colours 14,-1,-1"));
  EXPECT_TRUE(Has(run.out, " 5 Rewind         not placed, colours 2,3,-1"));
  EXPECT_FALSE(Has(run.out, "Stop"));
}

TEST_F(InfoProject, DescribesItInJson) {
  const auto run = RunCli({"info", project_, "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(run.out.starts_with("{\"file\":"));
  EXPECT_TRUE(Has(run.out,
                  "\"format\":\"project\",\"fileSize\":103766,\"temporaryPictureSize\":103310,"
                  "\"headerLength\":910,\"colors\":214"));
  EXPECT_TRUE(Has(run.out, "\"bitCount\":8"));
  EXPECT_TRUE(Has(run.out, "\"placedCount\":2,\"placedRows\":2"));
  EXPECT_TRUE(Has(run.out, "\"name\":\"ﾊﾞｰｼﾞｮﾝ\",\"author\":\"作者\\\"名\\\"\",\"version\":\"102\""));
  EXPECT_TRUE(Has(run.out,
                  "{\"kind\":27,\"name\":\"TitleLarge\",\"placed\":true,\"x\":10,\"y\":100,\"width\":240,"
                  "\"height\":28,\"colors\":[14,-1,-1]}"));
  EXPECT_TRUE(Has(run.out, "{\"kind\":2,\"name\":\"Stop\",\"placed\":false,\"x\":-1,\"y\":-1"));
}

TEST_F(InfoProject, RefusesADamagedProject) {
  std::filesystem::resize_file(project_, 103765);
  const auto run = RunCli({"info", project_});
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.err.starts_with("Error : this hqd-file is damaged")) << run.err;
}

}  // namespace
}  // namespace vorlune
