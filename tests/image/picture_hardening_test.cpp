// Pictures and files an attacker would try, each refused cheaply with its
// message (or, where legal, imported), in the decoders and through
// vorlune-cli: inputs that are no regular files, outputs that may not be
// replaced, and memory limits.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <thread>

#include "core/byte_order.h"
#include "image/picture_decoding.h"
#include "image/picture_files_support.h"
#include "image/picture_import.h"
#include "support/cli_run.h"
#include "support/picture_encoders.h"
#include "support/test_files.h"

namespace vorlune {
namespace {

using testing::Bytes;

// A valid progressive 8 x 8 grey JPEG of 63 * (refinements + 1) + 1 scans.
Bytes JpegOfManyScans(int refinements) {
  Bytes jpeg{0xFF, 0xD8};
  const auto segment = [&jpeg](std::uint8_t marker, Bytes body) {
    jpeg.insert(jpeg.end(),
                {0xFF, marker, std::uint8_t((body.size() + 2) >> 8), std::uint8_t(body.size() + 2)});
    jpeg.insert(jpeg.end(), body.begin(), body.end());
  };
  Bytes table(65, 1);
  table[0] = 0;
  segment(0xDB, table);
  segment(0xC2, {8, 0, 8, 0, 8, 1, 1, 0x11, 0});
  // One Huffman code of one bit, "0": DC difference 0, and end of block.
  for (std::uint8_t kind : {0x00, 0x10}) {
    Bytes huffman(18, 0);
    huffman[0] = kind, huffman[1] = 1;
    segment(0xC4, huffman);
  }
  const auto scan = [&](int start, int end, int high, int low) {
    segment(0xDA, {1, 1, 0, std::uint8_t(start), std::uint8_t(end), std::uint8_t(high << 4 | low)});
    jpeg.push_back(0x7F);
  };
  scan(0, 0, 0, 0);
  for (int k = 1; k < 64; ++k) {
    scan(k, k, 0, refinements);
    for (int bit = refinements; bit > 0; --bit) scan(k, k, bit, bit - 1);
  }
  jpeg.insert(jpeg.end(), {0xFF, 0xD9});
  return jpeg;
}

// The JPEG with its frame header claiming `side` x `side`.
Bytes Declaring(Bytes jpeg, int side) {
  std::size_t i = 0;
  while (!(jpeg[i] == 0xFF && (jpeg[i + 1] == 0xC0 || jpeg[i + 1] == 0xC2))) ++i;
  for (std::size_t at : {i + 5, i + 7}) jpeg[at] = std::uint8_t(side >> 8), jpeg[at + 1] = std::uint8_t(side);
  return jpeg;
}

// A GIF whose screen and image claim w x h but hold one pixel's data.
Bytes GifDeclaring(std::uint8_t w0, std::uint8_t w1) {
  return {'G', 'I',  'F', '8', '9', 'a', w0, w1, w0, w1, 0x80, 0, 0, 0,    0,    0, 255, 255,
          255, 0x2C, 0,   0,   0,   0,   w0, w1, w0, w1, 0,    2, 2, 0x44, 0x01, 0, 0x3B};
}

// An uncompressed grey TIFF of one strip, directory first.
Bytes GreyTiff(std::uint32_t w, std::uint32_t h, std::uint32_t stripBytes, const Bytes& pixels) {
  const std::pair<std::uint16_t, std::uint32_t> tags[] = {
      {256, w}, {257, h}, {258, 8}, {259, 1}, {262, 1}, {273, 122}, {277, 1}, {278, h}, {279, stripBytes}};
  Bytes tiff{'I', 'I', 42, 0, 8, 0, 0, 0, 9, 0};
  for (const auto& [tag, value] : tags)
    tiff.insert(tiff.end(), {std::uint8_t(tag), std::uint8_t(tag >> 8), 4, 0, 1, 0, 0, 0, std::uint8_t(value),
                             std::uint8_t(value >> 8), std::uint8_t(value >> 16), std::uint8_t(value >> 24)});
  tiff.insert(tiff.end(), {0, 0, 0, 0});
  tiff.insert(tiff.end(), pixels.begin(), pixels.end());
  return tiff;
}

TEST(PictureHardening, HostilePicturesAreRefusedBeforeTheyCost) {
  RgbImage small(64, 48);
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 64; ++x)
      small.set(x, y, Rgb{std::uint8_t(x * 4), std::uint8_t(y * 5), std::uint8_t(x * y)});
  const Bytes jpeg = testing::JpegFile(small);
  Bytes cut(jpeg.begin(), jpeg.begin() + std::ptrdiff_t(jpeg.size() / 2));
  cut.insert(cut.end(), {0xFF, 0xD9});
  const Bytes tiff = GreyTiff(64, 64, 4096, Bytes(4096, 7));
  const Bytes emptyProfile = testing::ChunkBytes("iCCP", {});
  Bytes flood;
  for (int i = 0; i < 200000; ++i) flood.insert(flood.end(), emptyProfile.begin(), emptyProfile.end());
  Bytes oddBmp = testing::ReadBytes(VORLUNE_TEST_DATA "/fuzz/corpus/picture_import/odd.bmp");
  WriteLE32(&oddBmp[18], 30001);
  EXPECT_TRUE(PictureSizeAllowed(30000, 1) && PictureSizeAllowed(10000, 10000));
  const UserMessage accepted{};
  const struct {
    const char* name;
    Bytes file;
    UserMessage expected;
  } cases[] = {
      {"progressive JPEG of 694 scans", JpegOfManyScans(10), DamagedPictureMessage("JPEG")},
      {"progressive JPEG of 190 scans", JpegOfManyScans(2), accepted},
      {"JPEG cut in half, an end marker after", cut, DamagedPictureMessage("JPEG")},
      {"small JPEG claiming 10000 x 10000", Declaring(jpeg, 10000), DamagedPictureMessage("JPEG")},
      {"progressive one claiming 10000 x 10000",
       Declaring(testing::JpegFile(small, {.progressive = true}), 10000), DamagedPictureMessage("JPEG")},
      {"PNG of 200,000 empty profiles", testing::RawPng(1, 1, 8, 2, {0, 1, 2, 3}, flood), accepted},
      {"PNG of 0 x 0", testing::RawPng(0, 0, 8, 2, {}), DamagedPictureMessage("PNG")},
      {"PNG 30,001 wide", testing::RawPng(30001, 1, 8, 2, {}), PictureTooLargeMessage()},
      {"PNG just over 100 megapixels", testing::RawPng(10001, 10000, 8, 2, {}), PictureTooLargeMessage()},
      {"BMP 30,001 wide", oddBmp, PictureTooLargeMessage()},
      {"GIF of 0 x 0", GifDeclaring(0, 0), DamagedPictureMessage("GIF")},
      {"GIF of 35 bytes claiming 10000 x 10000", GifDeclaring(0x10, 0x27), DamagedPictureMessage("GIF")},
      {"TIFF of 126 bytes claiming 10000 x 10000", GreyTiff(10000, 10000, 100'000'000, Bytes(4, 0)),
       DamagedPictureMessage("TIFF")},
      {"TIFF cut at 10 %", Bytes(tiff.begin(), tiff.begin() + 421), DamagedPictureMessage("TIFF")},
      {"TIFF cut at 50 %", Bytes(tiff.begin(), tiff.begin() + 2109), DamagedPictureMessage("TIFF")},
      {"TIFF cut at 99 %", Bytes(tiff.begin(), tiff.begin() + 4175), DamagedPictureMessage("TIFF")},
      {"TIFF whole", tiff, accepted},
      {"text", Bytes{'h', 'e', 'l', 'l', 'o'}, NotAPictureMessage()},
  };
  for (const auto& c : cases) {
    const auto imported = ImportPicture(c.file, {});
    EXPECT_EQ(imported.ok() ? accepted : imported.error(), c.expected) << c.name;
  }
}

class CliHardening : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = testing::FreshFolder("hardening");
    testing::WriteBytes(folder_ / "in.png",
                        testing::PngFile(testing::Opaque(RgbImage(40, 30, Rgb{1, 2, 3}))));
  }
  testing::CliRun Run(std::vector<std::string> args, std::optional<std::uint64_t> memory = {}) {
    return testing::RunCli(args, {folder_, {}, {}, memory});
  }
  std::filesystem::path folder_;
};

TEST_F(CliHardening, PipesAreReadOnce) {
  for (const char* command : {"import", "info"}) {
    ASSERT_EQ(::mkfifo((folder_ / "fifo.png").c_str(), 0600), 0);
    std::thread writer(
        [&] { testing::WriteBytes(folder_ / "fifo.png", testing::ReadBytes(folder_ / "in.png")); });
    const auto run =
        std::string(command) == "import" ? Run({command, "fifo.png", "out.hqd"}) : Run({command, "fifo.png"});
    writer.join();
    EXPECT_EQ(run.status, 0) << command << run.err;
    std::filesystem::remove(folder_ / "fifo.png");
  }
}

TEST_F(CliHardening, RefusalsSayWhyAndOnlyWritableRegularFilesAreReplaced) {
  ASSERT_EQ(::mkfifo((folder_ / "fifo.hqd").c_str(), 0600), 0);
  std::filesystem::create_symlink("in.png", folder_ / "link.hqd");
  testing::WriteBytes(folder_ / "kept.hqd", {'k'});
  std::filesystem::permissions(folder_ / "kept.hqd", std::filesystem::perms::owner_read);
  testing::WriteBytes(folder_ / "notes.txt", {'h', 'i'});
  testing::WriteBytes(folder_ / "empty.png", {});
  testing::WriteBytes(folder_ / "wide.png", testing::RawPng(30001, 30, 8, 2, {}));
  const struct {
    std::vector<std::string> args;
    std::string says;
  } cases[] = {
      {{"import", "in.png", "fifo.hqd"}, "fifo.hqd is not a regular file"},
      {{"import", "in.png", "/dev/null"}, "/dev/null is not a regular file"},
      {{"import", "in.png", "link.hqd"}, "link.hqd is a symbolic link"},
      {{"import", "in.png", "kept.hqd"}, "kept.hqd is read-only"},
      {{"import", "in.png", "new.hqd", "--reduced-bmp", "missing/r.bmp"},
       "Cannot make bmp-file. (cannot create missing/r.bmp"},
      {{"import", "/dev/zero", "out.png.hqd"}, "Error : Cannot open"},
      {{"info", "notes.txt"}, "is not a picture"},
      {{"info", "empty.png"}, NotAPictureMessage().text},
      {{"info", "wide.png"}, PictureTooLargeMessage().text},
  };
  for (const auto& c : cases) {
    const auto run = Run(c.args);
    EXPECT_EQ(run.status, 1) << c.says;
    EXPECT_NE(run.err.find(std::string("Error : ")), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find(".part-"), std::string::npos) << run.err;
  }
  struct stat fifo {};
  EXPECT_TRUE(::lstat((folder_ / "fifo.hqd").c_str(), &fifo) == 0 && S_ISFIFO(fifo.st_mode));
  EXPECT_TRUE(std::filesystem::is_symlink(folder_ / "link.hqd"));
  EXPECT_EQ(testing::ReadBytes(folder_ / "kept.hqd"), Bytes{'k'});
  EXPECT_EQ(std::filesystem::status(folder_ / "kept.hqd").permissions(), std::filesystem::perms::owner_read);
  EXPECT_EQ(testing::FolderEntries(folder_),
            (std::vector<std::string>{"empty.png", "fifo.hqd", "in.png", "kept.hqd", "link.hqd", "notes.txt",
                                      "wide.png"}));
  // `info` reads the header only, unless the colours are asked for.
  EXPECT_EQ(Run({"info", "in.png"}).out.find("colours in pixels"), std::string::npos);
  EXPECT_NE(Run({"info", "in.png", "--count-colors"}).out.find("colours in pixels:   1\n"),
            std::string::npos);
}

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

TEST_F(CliHardening, LargePicturesImportInBoundedMemoryAndTheRestIsTooLarge) {
  if (kSanitized) GTEST_SKIP() << "the sanitizers reserve far more address space";
  constexpr std::uint64_t k64MB = 64u << 20;
  // 24 megapixels of 16-bit samples in one compressed strip: 144 MB unpacked.
  const auto ramp = [](int x, int) { return Rgb{std::uint8_t(x), 90, 200}; };
  testing::WriteBytes(folder_ / "large.tif",
                      testing::TiffFile(6000, 4000, ramp, {.bits = 16, .deflate = true}));
  const auto large = Run({"import", "large.tif", "large.hqd"}, k64MB);
  EXPECT_EQ(large.status, 0) << large.err;
  // A progressive JPEG is held whole as coefficients: 72 MB for this one.
  testing::WriteBytes(folder_ / "held.jpg", testing::JpegFile(RgbImage(6000, 4000), {.progressive = true}));
  const auto held = Run({"import", "held.jpg", "held.hqd"}, k64MB);
  EXPECT_EQ(held.status, 1);
  EXPECT_NE(held.err.find(PictureTooLargeMessage().text), std::string::npos) << held.err;
}

}  // namespace
}  // namespace vorlune
