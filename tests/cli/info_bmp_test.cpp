#include <gtest/gtest.h>

#include "cli/import_cli_support.h"
#include "core/byte_order.h"
#include "image/bmp_builder_support.h"

namespace vorlune {
namespace {

class InfoBmp : public ::testing::Test {
 protected:
  void SetUp() override { folder_ = import_cli::FreshFolder("info-bmp"); }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::filesystem::path folder_;
};

TEST_F(InfoBmp, DescribesHeaderColoursAndTheImport) {
  testing::TestBmp bmp;
  bmp.bitsPerPixel = 8;
  bmp.colorsUsed = 230;
  bmp.table = testing::DistinctColours(230);
  bmp.pixels = testing::PackIndexes(8, [](int x, int) { return static_cast<std::uint8_t>(x % 220); });
  import_cli::WriteBytes(folder_ / "p.bmp", bmp.Bytes());

  const auto text = import_cli::RunCli(folder_, {"info", "p.bmp"});
  EXPECT_EQ(text.status, 0);
  EXPECT_NE(text.out.find("biBitCount:          8\n"), std::string::npos);
  EXPECT_NE(text.out.find("biClrUsed:           230\n"), std::string::npos);
  EXPECT_NE(text.out.find("colour table:        230 entries at offset 54\n"), std::string::npos);
  EXPECT_NE(text.out.find("colours in pixels:   220\n"), std::string::npos);
  EXPECT_NE(text.out.find("import:              accepted, reduced to 214 colours\n"), std::string::npos);

  const auto json = import_cli::RunCli(folder_, {"info", "p.bmp", "--json"});
  EXPECT_EQ(json.status, 0);
  EXPECT_NE(json.out.find("\"bfOffBits\":974,"), std::string::npos);
  EXPECT_NE(json.out.find("\"biWidth\":320,\"biHeight\":320,\"biBitCount\":8"), std::string::npos);
  EXPECT_NE(json.out.find("\"colorsInPixels\":220,\"importable\":true,\"reducedOnImport\":true}"),
            std::string::npos);
}

TEST_F(InfoBmp, RefusedPictureIsDescribedWithTheMessage) {
  testing::TestBmp bmp;
  bmp.bitsPerPixel = 32;
  bmp.pixels.resize(320 * 320 * 4);
  import_cli::WriteBytes(folder_ / "deep.bmp", bmp.Bytes());
  const auto json = import_cli::RunCli(folder_, {"info", "deep.bmp", "--json"});
  EXPECT_EQ(json.status, 0);
  EXPECT_NE(json.out.find("\"colorsInPixels\":null,\"importable\":false"), std::string::npos);
  EXPECT_NE(json.out.find("\"refusal\":\"Error : "), std::string::npos);

  import_cli::WriteBytes(folder_ / "tiny.bmp", {'B', 'M', 1});
  const auto tiny = import_cli::RunCli(folder_, {"info", "tiny.bmp"});
  EXPECT_EQ(tiny.status, 0);
  EXPECT_NE(tiny.out.find("size:                3 bytes\n"), std::string::npos);
  EXPECT_NE(tiny.out.find("import:              refused: Error : "), std::string::npos);
}

}  // namespace
}  // namespace vorlune
