#include <gtest/gtest.h>

#include <fstream>

#include "build_project_support.h"

namespace vorlune {
namespace {

using testing::RunCli;

TEST(InfoSkinDatabase, DescribesABuiltSkin) {
  const auto folder = testing::EmptyFolder("info-skin");
  SkinLayout layout = testing::ImportedLayoutForBuild();
  testing::PlaceCounted(layout, 1, 10, 270, {9, 12, kNoColor});
  testing::PlaceCounted(layout, 2, 60, 270, {15, 14, kNoColor});
  testing::PlaceCounted(layout, 28, 40, 20, {3, kNoColor, kNoColor});
  testing::SaveProjectForBuild(layout, folder / "p.hqd");
  const std::string skin = "'" + (folder / "skin.pdb").string() + "'";
  ASSERT_EQ(RunCli("build '" + (folder / "p.hqd").string() + "' " + skin +
                   " --name タイトル --author Me --version 7 --time 1717243200")
                .status,
            0);

  const auto text = RunCli("info " + skin);
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_NE(text.out.find("title:         タイトル"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("offset  103512"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("TitleMedium"), std::string::npos);
  EXPECT_NE(text.out.find("2024-06-01 21:00:00"), std::string::npos);

  const auto json = RunCli("info " + skin + " --json");
  ASSERT_EQ(json.status, 0) << json.err;
  EXPECT_NE(json.out.find("\"numRecords\":13"), std::string::npos) << json.out.substr(0, 400);
  EXPECT_NE(json.out.find("\"title\":\"タイトル\""), std::string::npos);
  EXPECT_NE(json.out.find("\"titleSizeCode\":8"), std::string::npos);

  // A damaged skin is refused.
  std::fstream(folder / "skin.pdb", std::ios::in | std::ios::out | std::ios::binary).seekp(77).put('\x05');
  const auto damaged = RunCli("info " + skin);
  EXPECT_EQ(damaged.status, 1);
  EXPECT_EQ(damaged.err.rfind("Error : ", 0), 0u);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace vorlune
