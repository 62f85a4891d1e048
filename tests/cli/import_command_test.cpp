#include <gtest/gtest.h>

#include "core/byte_order.h"
#include "image/background_import.h"
#include "project/project_file.h"
#include "support/bmp_builder.h"
#include "support/cli_run.h"
#include "support/folder_test.h"

namespace vorlune {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

class ImportCommand : public testing::FolderTest {
 protected:
  testing::CliRun Cli(const std::vector<std::string>& args) {
    return testing::RunCli(args, {folder_, {}, {}});
  }
};

std::vector<std::uint8_t> TrueColourPicture() {
  testing::TestBmp bmp;
  bmp.pixels = testing::TrueColorPixels([](int x, int row) {
    return Rgb{static_cast<std::uint8_t>(x * 4 / 5), static_cast<std::uint8_t>(row * 4 / 5),
               static_cast<std::uint8_t>((x + row) / 3)};
  });
  return bmp.Bytes();
}

TEST_F(ImportCommand, TrueColourPictureGivesProjectAndReducedPicture) {
  const auto picture = TrueColourPicture();
  WriteBytes(folder_ / "in.bmp", picture);
  const auto run = Cli({"import", "in.bmp", "out.hqd", "--reduced-bmp", "reduced.bmp"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "note: Over 214 color bitmap.\n Down-color conversion started(to 214colors).\n");

  const auto expected = ImportBackground(picture);
  ASSERT_TRUE(expected.ok());
  EXPECT_EQ(ReadBytes(folder_ / "reduced.bmp"), TemporaryPictureFileBytes(expected->reducedBmp));
  // The project is the imported layout with nothing placed.
  SkinLayout layout = NewSkinLayout();
  ApplyImportedBackground(layout, *expected);
  EXPECT_EQ(ReadBytes(folder_ / "out.hqd"), WriteProjectFile(layout));
  EXPECT_EQ(ReadBytes(folder_ / "out.hqd").size(), 103766u);
}

TEST_F(ImportCommand, PictureKeptAsItIsShowsNoNote) {
  testing::TestBmp bmp;
  bmp.bitsPerPixel = 4;
  bmp.table = testing::DistinctColours(16);
  bmp.pixels =
      testing::PackIndexes(4, [](int x, int row) { return static_cast<std::uint8_t>((x ^ row) % 16); });
  WriteBytes(folder_ / "in.bmp", bmp.Bytes());
  const auto run = Cli({"import", "in.bmp", "out.hqd"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(ReadBE32(ReadBytes(folder_ / "out.hqd"), 8), 16u);
  EXPECT_EQ(testing::FolderEntries(folder_), (std::vector<std::string>{"in.bmp", "out.hqd"}));
}

TEST_F(ImportCommand, RefusedPictureChangesNoFile) {
  auto picture = TrueColourPicture();
  WriteLE32(&picture[30], 1);  // compressed
  WriteBytes(folder_ / "in.bmp", picture);
  WriteBytes(folder_ / "out.hqd", {'o', 'l', 'd'});
  const auto run = Cli({"import", "in.bmp", "out.hqd", "--reduced-bmp", "reduced.bmp"});
  EXPECT_EQ(run.status, 1);
  // Every message about a file names it first.
  EXPECT_EQ(run.rawErr,
            "vorlune-cli: in.bmp: This bmp-file is compressed.\nPlease change non-compress bmp-file.\n");
  EXPECT_EQ(ReadBytes(folder_ / "out.hqd"), (std::vector<std::uint8_t>{'o', 'l', 'd'}));

  const auto missing = Cli({"import", "nothing.bmp", "new.hqd"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "Error : Cannot find bmp-file\n");
  std::filesystem::create_directory(folder_ / "folder.bmp");
  EXPECT_EQ(Cli({"import", "folder.bmp", "new.hqd"}).err, "Error : Cannot open bmp-file\n");
  EXPECT_EQ(testing::FolderEntries(folder_), (std::vector<std::string>{"folder.bmp", "in.bmp", "out.hqd"}));
}

TEST_F(ImportCommand, HelpAndWrongArguments) {
  const auto help = Cli({"import", "--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("usage: vorlune-cli import IN.bmp OUT.hqd [--reduced-bmp FILE]"),
            std::string::npos);
  EXPECT_EQ(Cli({"import", "in.bmp"}).status, 2);
  EXPECT_EQ(Cli({"import", "a.bmp", "b.hqd", "c"}).status, 2);
  EXPECT_EQ(Cli({"import", "a.bmp", "b.hqd", "--reduced-bmp"}).status, 2);
}

TEST_F(ImportCommand, InfoDescribesAPictureAndWhatTheImportWouldDo) {
  testing::TestBmp bmp = testing::EightBit(testing::DistinctColours(230), 230,
                                           [](int x, int) { return static_cast<std::uint8_t>(x % 220); });
  WriteBytes(folder_ / "p.bmp", bmp.Bytes());
  const auto text = Cli({"info", "p.bmp"});
  EXPECT_EQ(text.status, 0);
  for (const char* line : {"biBitCount:          8\n", "biClrUsed:           230\n",
                           "colour table:        230 entries at offset 54\n", "colours in pixels:   220\n",
                           "import:              accepted, reduced to 214 colours\n"}) {
    EXPECT_NE(text.out.find(line), std::string::npos) << line;
  }
  const auto json = Cli({"info", "p.bmp", "--json"});
  EXPECT_NE(json.out.find("\"bfOffBits\":974,"), std::string::npos);
  EXPECT_NE(json.out.find("\"colorsInPixels\":220,\"importable\":true,\"reducedOnImport\":true}"),
            std::string::npos);

  bmp.bitsPerPixel = 32;
  WriteBytes(folder_ / "deep.bmp", bmp.Bytes());
  const auto refused = Cli({"info", "deep.bmp", "--json"});
  EXPECT_EQ(refused.status, 0);
  EXPECT_NE(refused.out.find("\"importable\":false"), std::string::npos);
  EXPECT_NE(refused.out.find("\"refusal\":\"Error : "), std::string::npos);
}

}  // namespace
}  // namespace vorlune
