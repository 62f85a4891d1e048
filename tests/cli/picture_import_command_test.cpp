#include <gtest/gtest.h>

#include "core/png_writer.h"
#include "image/picture_import.h"
#include "project/project_file.h"
#include "support/cli_run.h"
#include "support/folder_test.h"
#include "support/picture_encoders.h"

namespace vorlune {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

class PictureImportCommand : public testing::FolderTest {
 protected:
  testing::CliRun Cli(const std::vector<std::string>& args) {
    return testing::RunCli(args, {folder_, {}, {}});
  }

  // The project the import should write for these options.
  std::vector<std::uint8_t> ExpectedProject(const std::vector<std::uint8_t>& file,
                                            const PictureImportOptions& o) {
    auto imported = ImportPicture(file, o);
    EXPECT_TRUE(imported.ok());
    SkinLayout layout = NewSkinLayout();
    ApplyImportedBackground(layout, std::move(*imported));
    return WriteProjectFile(layout);
  }
};

RgbImage Photo(int w, int h) {
  RgbImage image(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      image.set(x, y,
                Rgb{static_cast<std::uint8_t>(x % 256), static_cast<std::uint8_t>(y % 256),
                    static_cast<std::uint8_t>((x * y) % 251)});
  return image;
}

TEST_F(PictureImportCommand, OptionsReachTheImport) {
  const auto png = EncodePng(Photo(400, 250));
  WriteBytes(folder_ / "p.png", png);
  PictureImportOptions o;
  const struct {
    std::vector<std::string> args;
    PictureImportOptions options;
  } cases[] = {
      {{}, o},
      {{"--fit", "contain", "--matte", "00ff80"},
       {FitMode::Contain, ReductionKind::Fine, true, Rgb{0, 255, 128}}},
      {{"--fit", "stretch", "--dither", "none"},
       {FitMode::Stretch, ReductionKind::Fine, false, Rgb{255, 255, 255}}},
      {{"--reduce", "classic"}, {FitMode::Cover, ReductionKind::Classic, true, Rgb{255, 255, 255}}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args{"import", "p.png", "out.hqd"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const auto run = Cli(args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadBytes(folder_ / "out.hqd"), ExpectedProject(png, c.options)) << args[3];
  }
  for (const auto& bad : {std::vector<std::string>{"--fit", "fill"},
                          {"--reduce", "best"},
                          {"--dither", "yes"},
                          {"--matte", "red"},
                          {"--matte"}}) {
    std::vector<std::string> args{"import", "p.png", "bad.hqd"};
    args.insert(args.end(), bad.begin(), bad.end());
    EXPECT_EQ(Cli(args).status, 2) << bad[0];
  }
  EXPECT_FALSE(std::filesystem::exists(folder_ / "bad.hqd"));
}

TEST_F(PictureImportCommand, BmpGoesTheExactWayUnlessFittingIsAskedFor) {
  const RgbImage photo = Photo(320, 320);
  const auto bmp = TrueColorBmpOf(photo);
  WriteBytes(folder_ / "p.bmp", bmp);
  EXPECT_EQ(Cli({"import", "p.bmp", "exact.hqd"}).err,
            "note: Over 214 color bitmap.\n Down-color conversion started(to 214colors).\n");
  EXPECT_EQ(Cli({"import", "p.bmp", "fine.hqd", "--reduce", "fine", "--reduced-bmp", "fine.bmp"}).err, "");
  EXPECT_EQ(ReadBytes(folder_ / "fine.hqd"), ExpectedProject(bmp, {}));
  EXPECT_EQ(ReadBytes(folder_ / "fine.bmp").size(), 103312u);
  EXPECT_NE(ReadBytes(folder_ / "fine.hqd"), ReadBytes(folder_ / "exact.hqd"));
}

TEST_F(PictureImportCommand, RefusalsNameTheFileAndChangeNothing) {
  WriteBytes(folder_ / "notes.png", {'n', 'o', 't', 'e', 's'});
  auto cut = EncodePng(Photo(50, 50));
  cut.resize(cut.size() / 2);
  WriteBytes(folder_ / "cut.png", cut);
  auto run = Cli({"import", "notes.png", "out.hqd"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.rawErr, "vorlune-cli: notes.png: " + NotAPictureMessage().text + "\n");
  run = Cli({"import", "cut.png", "out.hqd"});
  EXPECT_EQ(run.rawErr, "vorlune-cli: cut.png: Error : this PNG file is damaged.\n");
  EXPECT_EQ(testing::FolderEntries(folder_), (std::vector<std::string>{"cut.png", "notes.png"}));
}

TEST_F(PictureImportCommand, InfoDescribesAnyPicture) {
  testing::RgbaImage image = testing::Opaque(Photo(30, 20));
  image.rgba[3] = 0;
  WriteBytes(folder_ / "p.png", testing::PngFile(image));
  const auto text = Cli({"info", "p.png"});
  EXPECT_EQ(text.status, 0);
  for (const char* line :
       {"format:              PNG\n", "width x height:      30 x 20\n", "alpha:               yes\n",
        "colours in pixels:   600\n", "import:              accepted, fitted"}) {
    EXPECT_NE(text.out.find(line), std::string::npos) << line;
  }
  WriteBytes(folder_ / "r.jpg", testing::JpegFile(Photo(16, 8), testing::ExifWithOrientation(8)));
  const auto json = Cli({"info", "r.jpg", "--json"});
  EXPECT_NE(json.out.find("\"format\":\"JPEG\",\"width\":16,\"height\":8,\"orientation\":8,"),
            std::string::npos)
      << json.out;
  EXPECT_NE(json.out.find("\"importable\":true"), std::string::npos);
}

}  // namespace
}  // namespace vorlune
