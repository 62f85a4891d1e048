#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/png_writer.h"
#include "project/project_file.h"
#include "skin/skin_database_writer.h"
#include "skin/skin_info_record.h"
#include "skin/skin_renderer.h"

namespace vorlune {
namespace {

namespace fs = std::filesystem;

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

std::string Slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::uint8_t> Bytes(const fs::path& p) {
  const std::string s = Slurp(p);
  return {s.begin(), s.end()};
}

void Save(const fs::path& p, const std::vector<std::uint8_t>& bytes) {
  std::ofstream(p, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

class RenderCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("vorlune-render-" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  CliRun Cli(const std::string& args) {
    const fs::path out = dir_ / "stdout.txt";
    const fs::path err = dir_ / "stderr.txt";
    const std::string command = std::string("'") + VORLUNE_CLI + "' render " + args + " >'" + out.string() +
                                "' 2>'" + err.string() + "'";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Slurp(out), Slurp(err)};
  }
  std::string Quoted(const fs::path& p) { return "'" + p.string() + "'"; }

  // A layout as a project load gives it: 910-byte header with the colour
  // table, rows bottom-up in the file, a few parts placed.
  static SkinLayout ProjectLayout() {
    SkinLayout layout = NewSkinLayout();
    std::vector<std::uint8_t> header(kReducedHeaderSize, 0);
    header[0] = 'B';
    header[1] = 'M';
    for (int i = 0; i < kBackgroundColors; ++i) {
      header[static_cast<std::size_t>(54 + 4 * i)] = static_cast<std::uint8_t>(i);
      header[static_cast<std::size_t>(55 + 4 * i)] = static_cast<std::uint8_t>(2 * i);
      header[static_cast<std::size_t>(56 + 4 * i)] = static_cast<std::uint8_t>(255 - i);
      layout.palette[static_cast<std::size_t>(17 + i)] = Rgb{
          static_cast<std::uint8_t>(255 - i), static_cast<std::uint8_t>(2 * i), static_cast<std::uint8_t>(i)};
    }
    layout.picture = header;
    layout.reducedBmp = header;
    layout.picture.resize(kReducedBmpSize);
    layout.reducedBmp.resize(kReducedBmpSize);
    for (int y = 0; y < 320; ++y) {
      for (int x = 0; x < 320; ++x) {
        const auto index = static_cast<std::uint8_t>((x / 4 + y) % kBackgroundColors);
        layout.reducedBmp[kReducedHeaderSize + static_cast<std::size_t>((319 - y) * 320 + x)] = index;
        layout.picture[kReducedHeaderSize + static_cast<std::size_t>(y * 320 + x)] =
            static_cast<std::uint8_t>(index + 17);
      }
    }
    layout.pixelOffset = kReducedHeaderSize;
    layout.temporaryPictureSize = kReducedBmpSize;
    layout.pictureColorsUsed = kBackgroundColors;
    layout.pictureBitsPerPixel = 8;
    layout.backgroundLoaded = true;
    const auto place = [&](PartKind k, int x, int y, ColorTriple c) {
      layout.part(k).x = x;
      layout.part(k).y = y;
      layout.part(k).colors = c;
    };
    place(1, 10, 270, {15, 9, kNoColor});
    place(2, 60, 270, {15, 9, kNoColor});
    place(17, 10, 100, {6, 14, 9});
    place(21, 10, 40, {11, kNoColor, kNoColor});
    place(27, 10, 4, {14, kNoColor, kNoColor});
    layout.placedCount = static_cast<std::uint32_t>(CountPlacedRows(layout));
    return layout;
  }

  fs::path dir_;
};

TEST_F(RenderCommand, HelpDescribesBothKindsOfFile) {
  const CliRun run = Cli("--help");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("usage: vorlune-cli render FILE OUT.png"), std::string::npos);
  EXPECT_NE(run.out.find(".hqd"), std::string::npos);
  EXPECT_NE(run.out.find(".pdb"), std::string::npos);
}

TEST_F(RenderCommand, WrongArgumentsGiveUsageAndStatusTwo) {
  EXPECT_EQ(Cli("").status, 2);
  const CliRun run = Cli("one.hqd");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("usage:"), std::string::npos);
  EXPECT_EQ(Cli("a b c").status, 2);
}

TEST_F(RenderCommand, ProjectRendersTheCreatePreview) {
  const std::vector<std::uint8_t> project = WriteProjectFile(ProjectLayout());
  Save(dir_ / "skin.hqd", project);
  const CliRun run = Cli(Quoted(dir_ / "skin.hqd") + " " + Quoted(dir_ / "preview.png"));
  ASSERT_EQ(run.status, 0) << run.err;
  Result<SkinLayout> loaded = ReadProjectFile(project);
  ASSERT_TRUE(loaded.ok()) << loaded.error().text;
  const RgbImage expected = RenderLayoutPreview(*loaded);
  EXPECT_EQ(Bytes(dir_ / "preview.png"), EncodePng(expected));
  // The picture is the layout's, not a grey stand-in.
  EXPECT_EQ(expected.at(0, 0), ProjectLayout().palette[17]);
  EXPECT_EQ(expected.at(10 + 5, 270 + 14), kPickerColors[15]);
}

TEST_F(RenderCommand, SkinDatabaseRendersAsTheHandheldShowsIt) {
  const SkinLayout layout = ProjectLayout();
  auto pdb = MakeSkinDatabase(layout, "skin.pdb", static_cast<std::int32_t>(layout.placedCount),
                              MakeSkinInfoRecord(layout), 1717243200);
  ASSERT_TRUE(pdb.ok()) << pdb.error().text;
  // The kind of file is told from its content, not its name.
  Save(dir_ / "skin.bin", *pdb);
  const CliRun run = Cli(Quoted(dir_ / "skin.bin") + " " + Quoted(dir_ / "skin.png"));
  ASSERT_EQ(run.status, 0) << run.err;
  Result<RgbImage> expected = RenderSkinDatabase(*pdb);
  ASSERT_TRUE(expected.ok());
  EXPECT_EQ(Bytes(dir_ / "skin.png"), EncodePng(*expected));
}

TEST_F(RenderCommand, UnreadableInputIsRefusedWithoutWritingAPicture) {
  CliRun run = Cli(Quoted(dir_ / "missing.hqd") + " " + Quoted(dir_ / "out.png"));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err.rfind("Error : ", 0), 0u) << run.err;
  EXPECT_FALSE(fs::exists(dir_ / "out.png"));

  Save(dir_ / "junk.hqd", std::vector<std::uint8_t>(1000, 7));
  run = Cli(Quoted(dir_ / "junk.hqd") + " " + Quoted(dir_ / "out.png"));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err.rfind("Error : ", 0), 0u) << run.err;
  EXPECT_FALSE(fs::exists(dir_ / "out.png"));

  // A damaged skin database: its header names it, its records are cut short.
  const SkinLayout layout = ProjectLayout();
  auto pdb = MakeSkinDatabase(layout, "skin.pdb", static_cast<std::int32_t>(layout.placedCount),
                              MakeSkinInfoRecord(layout), 1717243200);
  ASSERT_TRUE(pdb.ok());
  pdb->resize(5000);
  Save(dir_ / "cut.pdb", *pdb);
  run = Cli(Quoted(dir_ / "cut.pdb") + " " + Quoted(dir_ / "out.png"));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err.rfind("Error : ", 0), 0u) << run.err;
  EXPECT_FALSE(fs::exists(dir_ / "out.png"));
}

TEST_F(RenderCommand, PictureThatCannotBeSavedFailsAndKeepsTheOldFile) {
  Save(dir_ / "skin.hqd", WriteProjectFile(ProjectLayout()));
  CliRun run = Cli(Quoted(dir_ / "skin.hqd") + " " + Quoted(dir_ / "no-such-folder" / "out.png"));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err.rfind("Error : ", 0), 0u) << run.err;

  // Replacing an existing picture goes through a whole new file.
  Save(dir_ / "out.png", {1, 2, 3});
  run = Cli(Quoted(dir_ / "skin.hqd") + " " + Quoted(dir_ / "out.png"));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_GT(fs::file_size(dir_ / "out.png"), 300000u);
}

}  // namespace
}  // namespace vorlune
