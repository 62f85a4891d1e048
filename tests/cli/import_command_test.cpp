#include <gtest/gtest.h>

#include "cli/import_cli_support.h"
#include "core/byte_order.h"
#include "image/background_import.h"
#include "image/bmp_builder_support.h"

namespace vorlune {
namespace {

using import_cli::ReadBytes;
using import_cli::RunCli;
using import_cli::WriteBytes;

class ImportCommand : public ::testing::Test {
 protected:
  void SetUp() override { folder_ = import_cli::FreshFolder("import"); }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::filesystem::path Put(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    WriteBytes(folder_ / name, bytes);
    return folder_ / name;
  }

  std::filesystem::path folder_;
};

std::vector<std::uint8_t> TrueColourPicture() {
  testing::TestBmp bmp;
  bmp.pixels = testing::TrueColorPixels([](int x, int row) {
    return Rgb{static_cast<std::uint8_t>(x * 4 / 5), static_cast<std::uint8_t>(row * 4 / 5),
               static_cast<std::uint8_t>((x + row) / 3)};
  });
  return bmp.Bytes();
}

std::vector<std::uint8_t> FourBitPicture() {
  testing::TestBmp bmp;
  bmp.bitsPerPixel = 4;
  bmp.table = testing::DistinctColours(16);
  bmp.pixels =
      testing::PackIndexes(4, [](int x, int row) { return static_cast<std::uint8_t>((x ^ row) % 16); });
  return bmp.Bytes();
}

TEST_F(ImportCommand, TrueColourPictureGivesProjectAndReducedPicture) {
  const auto picture = TrueColourPicture();
  Put("in.bmp", picture);
  const auto run = RunCli(folder_, {"import", "in.bmp", "out.hqd", "--reduced-bmp", "reduced.bmp"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "note: Over 214 color bitmap.\n Down-color conversion started(to 214colors).\n");

  const auto expected = ImportBackground(picture);
  ASSERT_TRUE(expected.ok());
  const auto reduced = ReadBytes(folder_ / "reduced.bmp");
  EXPECT_EQ(reduced.size(), 103312u);
  EXPECT_EQ(reduced, TemporaryPictureFileBytes(expected->reducedBmp));

  const auto project = ReadBytes(folder_ / "out.hqd");
  ASSERT_EQ(project.size(), 103766u);
  EXPECT_EQ(ReadBE32(project, 0), 103310u);
  EXPECT_EQ(ReadBE32(project, 4), 910u);
  EXPECT_EQ(ReadBE32(project, 8), 214u);
  EXPECT_TRUE(std::equal(expected->reducedBmp.begin(), expected->reducedBmp.end(), project.begin() + 12));
  EXPECT_EQ(ReadBE16(project, 103322), 0u);                                     // nothing placed
  for (std::size_t i = 103324; i < 103394; ++i) ASSERT_EQ(project[i], 0) << i;  // no texts
  for (int row = 0; row <= 30; ++row) {
    const std::size_t at = 103394 + 12 * static_cast<std::size_t>(row);
    EXPECT_EQ(ReadBE32(project, at), 0xFFFFFFFFu);
    EXPECT_EQ(ReadBE32(project, at + 4), 0xFFFFFFFFu);
    EXPECT_EQ(ReadBE32(project, at + 8), 0xFFFFFF00u);
  }
}

TEST_F(ImportCommand, PictureKeptAsItIsShowsNoNote) {
  Put("in.bmp", FourBitPicture());
  const auto run = RunCli(folder_, {"import", "in.bmp", "out.hqd"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  const auto project = ReadBytes(folder_ / "out.hqd");
  ASSERT_EQ(project.size(), 103766u);
  EXPECT_EQ(ReadBE32(project, 8), 16u);
  EXPECT_FALSE(std::filesystem::exists(folder_ / "reduced.bmp"));
}

TEST_F(ImportCommand, RefusedPictureChangesNoFile) {
  auto picture = TrueColourPicture();
  WriteLE32(&picture[22], 240);  // 320 x 240
  Put("in.bmp", picture);
  const std::vector<std::uint8_t> old{'o', 'l', 'd'};
  Put("out.hqd", old);
  const auto run = RunCli(folder_, {"import", "in.bmp", "out.hqd", "--reduced-bmp", "reduced.bmp"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Error :  Bitmap Size Error! only support 320\u00d7320.\n");
  EXPECT_EQ(ReadBytes(folder_ / "out.hqd"), old);
  EXPECT_FALSE(std::filesystem::exists(folder_ / "reduced.bmp"));

  // A refusal never comes with the 214-colour note.
  picture = TrueColourPicture();
  picture.resize(picture.size() - 1);
  Put("short.bmp", picture);
  const auto shortRun = RunCli(folder_, {"import", "short.bmp", "new.hqd"});
  EXPECT_EQ(shortRun.status, 1);
  EXPECT_EQ(shortRun.err.find("note"), std::string::npos);
  EXPECT_EQ(shortRun.err.rfind("Error : ", 0), 0u);
  EXPECT_FALSE(std::filesystem::exists(folder_ / "new.hqd"));
  // Nothing is left behind beside the outputs either.
  for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
    const auto name = entry.path().filename().string();
    EXPECT_TRUE(name == "in.bmp" || name == "short.bmp" || name == "out.hqd") << name;
  }
}

TEST_F(ImportCommand, MissingOrUnreadablePicture) {
  const auto missing = RunCli(folder_, {"import", "nothing.bmp", "out.hqd"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "Error : Cannot find bmp-file\n");
  std::filesystem::create_directory(folder_ / "folder.bmp");
  const auto folder = RunCli(folder_, {"import", "folder.bmp", "out.hqd"});
  EXPECT_EQ(folder.status, 1);
  EXPECT_EQ(folder.err, "Error : Cannot open bmp-file\n");
  EXPECT_FALSE(std::filesystem::exists(folder_ / "out.hqd"));
}

TEST_F(ImportCommand, HelpAndWrongArguments) {
  const auto help = RunCli(folder_, {"import", "--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("usage: vorlune-cli import IN.bmp OUT.hqd [--reduced-bmp FILE]"),
            std::string::npos);
  EXPECT_EQ(RunCli(folder_, {"import", "in.bmp"}).status, 2);
  EXPECT_EQ(RunCli(folder_, {"import", "a.bmp", "b.hqd", "c"}).status, 2);
  EXPECT_EQ(RunCli(folder_, {"import", "a.bmp", "b.hqd", "--reduced-bmp"}).status, 2);
}

}  // namespace
}  // namespace vorlune
