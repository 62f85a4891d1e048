#include <gtest/gtest.h>

#include "core/png_writer.h"
#include "project/project_file.h"
#include "skin/skin_database_writer.h"
#include "skin/skin_renderer.h"
#include "support/cli_run.h"
#include "support/folder_test.h"
#include "support/synthetic_layout.h"

namespace vorlune {
namespace {

using testing::ReadBytes;
using testing::RunCli;
using testing::WriteBytes;

class RenderCommand : public testing::FolderTest {
 protected:
  static SkinLayout Layout() {
    SkinLayout layout = testing::SyntheticLayout();
    testing::Place(layout, 1, 10, 270, {15, 9, kNoColor});
    testing::Place(layout, 2, 60, 270, {15, 9, kNoColor});
    testing::Place(layout, 17, 10, 100, {6, 14, 9});
    testing::Place(layout, 21, 10, 40, {11, kNoColor, kNoColor});
    testing::Place(layout, 27, 10, 4, {14, kNoColor, kNoColor});
    return layout;
  }
  static std::vector<std::uint8_t> Skin() {
    const SkinLayout layout = Layout();
    auto pdb = MakeSkinDatabase(layout, "skin.pdb", 5, MakeSkinInfoRecord(layout), testing::kSomeTime);
    EXPECT_TRUE(pdb.ok());
    return pdb.ok() ? *pdb : std::vector<std::uint8_t>{};
  }
};

TEST_F(RenderCommand, ProjectRendersTheCreatePreview) {
  WriteBytes(folder_ / "skin.hqd", WriteProjectFile(Layout()));
  WriteBytes(folder_ / "out.png", {1, 2, 3});  // replaced whole
  const auto run = RunCli({"render", In("skin.hqd"), In("out.png")});
  ASSERT_EQ(run.status, 0) << run.err;
  const RgbImage expected = RenderLayoutPreview(*ReadProjectFile(WriteProjectFile(Layout())));
  EXPECT_EQ(ReadBytes(folder_ / "out.png"), EncodePng(expected));
  // The picture is the layout's, not a grey stand-in.
  EXPECT_EQ(expected.at(0, 0), Layout().palette[17]);
  EXPECT_EQ(expected.at(10 + 5, 270 + 14), kPickerColors[15]);
}

TEST_F(RenderCommand, SkinDatabaseRendersAsTheHandheldShowsIt) {
  WriteBytes(folder_ / "skin.bin", Skin());  // told from its content, not its name
  const auto run = RunCli({"render", In("skin.bin"), In("skin.png")});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadBytes(folder_ / "skin.png"), EncodePng(*RenderSkinDatabase(Skin())));
}

TEST_F(RenderCommand, UnreadableInputOrOutputIsRefusedWithoutWritingAPicture) {
  WriteBytes(folder_ / "junk.hqd", std::vector<std::uint8_t>(1000, 7));
  auto cut = Skin();
  cut.resize(5000);  // a skin database whose records are cut short
  WriteBytes(folder_ / "cut.pdb", cut);
  WriteBytes(folder_ / "skin.hqd", WriteProjectFile(Layout()));
  for (const auto& [in, out] : {std::pair{"missing.hqd", "out.png"},
                                {"junk.hqd", "out.png"},
                                {"cut.pdb", "out.png"},
                                {"skin.hqd", "no-such-folder/out.png"}}) {
    const auto run = RunCli({"render", In(in), In(out)});
    EXPECT_EQ(run.status, 1) << in;
    EXPECT_EQ(run.err.rfind("Error : ", 0), 0u) << run.err;
  }
  EXPECT_FALSE(std::filesystem::exists(folder_ / "out.png"));
  EXPECT_EQ(RunCli({"render", "one.hqd"}).status, 2);
  EXPECT_EQ(RunCli({"render", "a", "b", "c"}).status, 2);
  EXPECT_NE(RunCli({"render", "--help"}).out.find("usage: vorlune-cli render FILE OUT.png"),
            std::string::npos);
}

}  // namespace
}  // namespace vorlune
