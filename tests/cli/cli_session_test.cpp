// Scripted sessions of vorlune-cli, each in a folder of its own. Each session's
// trace, tests/data/cli/session-N.txt, holds after each command its exit
// status, standard output and error and the SHA-256 of every file it wrote;
// refusals thereby also show that no file changed.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <map>

#include "core/byte_order.h"
#include "core/png_writer.h"
#include "image/picture_import.h"
#include "support/bmp_builder.h"
#include "support/cli_run.h"
#include "support/folder_test.h"
#include "support/golden.h"
#include "support/picture_encoders.h"
#include "support/synthetic_layout.h"

namespace vorlune {
namespace {

using testing::WriteBytes;
using Args = std::vector<std::string>;

struct Step {
  Args args;
  std::function<void()> before = {};  // changes files first
  std::vector<std::string> environment = {};
  std::optional<std::uint64_t> fileSizeLimit = {};
  bool exactError = true;  // false: the message names a temporary file
};

class CliSession : public testing::FolderTest, public ::testing::WithParamInterface<int> {
 protected:
  // The command, its outcome and what changed in the folder, as text.
  std::string Run(const Step& step) {
    if (step.before) step.before();
    const testing::CliRun run = testing::RunCli(step.args, {folder_, step.environment, step.fileSizeLimit});
    std::string state = "$";
    for (const std::string& variable : step.environment) state += " " + variable;
    state += " vorlune-cli";
    for (const std::string& arg : step.args) state += " " + (arg.empty() ? "''" : arg);
    state += "\nexit " + std::to_string(run.status) + "\n" + Stream("stdout", run.out) +
             Stream("stderr", step.exactError ? run.err : "(not compared: it names a temporary file)\n");
    // The files written, changed or gone since the step before.
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder_))
      files[std::filesystem::relative(entry.path(), folder_).string()] =
          entry.is_regular_file() ? Hash(entry.path()) : "(folder)";
    for (const auto& [name, hash] : files) {
      const auto before = files_.find(name);
      if (before == files_.end() || before->second != hash) state += "+ " + name + " " + hash + "\n";
    }
    for (const auto& [name, hash] : files_)
      if (!files.contains(name)) state += "- " + name + "\n";
    files_ = std::move(files);
    return state + "\n";
  }

  static std::string Stream(const std::string& name, const std::string& text) {
    if (text.empty()) return "";
    return "--- " + name + "\n" + text + (text.ends_with('\n') ? "" : "\n(no line end)\n");
  }

  // A file's SHA-256, worked out again only when the file was written again.
  const std::string& Hash(const std::filesystem::path& path) {
    const auto stamp = std::filesystem::last_write_time(path).time_since_epoch().count();
    auto& [known, hash] = hashes_[path.string()];
    if (hash.empty() || known != stamp) known = stamp, hash = testing::Sha256(testing::ReadBytes(path));
    return hash;
  }
  std::map<std::string, std::pair<std::int64_t, std::string>> hashes_;
  std::map<std::string, std::string> files_;

  // Copies a file, changing one byte (at a negative place: from the end).
  std::function<void()> Damaged(std::string from, std::string to, long at, std::uint8_t value) {
    return [=, this] {
      auto bytes = testing::ReadBytes(folder_ / from);
      bytes[at < 0 ? bytes.size() + static_cast<std::size_t>(at) : static_cast<std::size_t>(at)] = value;
      WriteBytes(folder_ / to, bytes);
    };
  }
  std::function<void()> Saved(std::string name, std::function<void(SkinLayout&)> change) {
    return [=, this] {
      SkinLayout layout = testing::SyntheticLayout();
      change(layout);
      testing::SaveProject(folder_ / name, layout);
    };
  }
  void Pictures() {
    testing::TestBmp colour = testing::TrueColor([](int x, int row) {
      return Rgb{static_cast<std::uint8_t>(x * 4 / 5), static_cast<std::uint8_t>(row * 4 / 5),
                 static_cast<std::uint8_t>((x + row) / 3)};
    });
    WriteBytes(folder_ / "in.bmp", colour.Bytes());
    colour.compression = 1;
    WriteBytes(folder_ / "compressed.bmp", colour.Bytes());
    colour.compression = 0;
    colour.height = 240;
    WriteBytes(folder_ / "small.bmp", colour.Bytes());
    WriteBytes(folder_ / "in4.bmp", testing::Indexed(4, testing::DistinctColours(16), 0, [](int x, int row) {
                                      return static_cast<std::uint8_t>((x ^ row) % 16);
                                    }).Bytes());
    testing::TestBmp eight = testing::Indexed(8, testing::DistinctColours(230), 230,
                                              [](int x, int) { return static_cast<std::uint8_t>(x % 220); });
    WriteBytes(folder_ / "p.bmp", eight.Bytes());
    eight.bitsPerPixel = 32;
    WriteBytes(folder_ / "deep.bmp", eight.Bytes());
    std::filesystem::create_directory(folder_ / "folder.bmp");
    WriteBytes(folder_ / "p.png", EncodePng(Photo(400, 250)));
    WriteBytes(folder_ / "p320.bmp", TrueColorBmpOf(Photo(320, 320)));
    WriteBytes(folder_ / "notes.png", {'n', 'o', 't', 'e', 's'});
    auto cut = EncodePng(Photo(50, 50));
    cut.resize(cut.size() / 2);
    WriteBytes(folder_ / "cut.png", cut);
    testing::RgbaImage alpha = testing::Opaque(Photo(30, 20));
    alpha.rgba[3] = 0;
    WriteBytes(folder_ / "alpha.png", testing::PngFile(alpha));
    // A JPEG with an EXIF segment after its start marker, turned upright on reading.
    auto jpeg = testing::ReadBytes(VORLUNE_TEST_DATA "/fuzz/corpus/picture_import/rotated.jpg");
    const auto exif = testing::ExifWithOrientation(8);
    std::vector<std::uint8_t> app1{0xFF, 0xE1, 0, static_cast<std::uint8_t>(exif.size() + 2)};
    app1.insert(app1.end(), exif.begin(), exif.end());
    jpeg.insert(jpeg.begin() + 2, app1.begin(), app1.end());
    WriteBytes(folder_ / "r.jpg", jpeg);
  }
  static RgbImage Photo(int w, int h) {
    RgbImage image(w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        image.set(x, y,
                  Rgb{static_cast<std::uint8_t>(x % 256), static_cast<std::uint8_t>(y % 256),
                      static_cast<std::uint8_t>((x * y) % 251)});
    return image;
  }
};

TEST_P(CliSession, EveryCommandWithItsRefusals) {
  Pictures();
  const Args texts{"--name", "T", "--author", "A", "--version", "1", "--time", "1717243200"};
  const auto build = [&](std::string project, std::string skin, Args extra) {
    Args args{"build", project, skin};
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
  };
  const auto lightSaved = Saved("light.hqd", [](SkinLayout& l) {
    testing::Place(l, 1, 10, 270, {9, 12, kNoColor});
    testing::Place(l, 2, 60, 270, {15, 14, kNoColor});
    testing::Place(l, 28, 40, 20, {3, kNoColor, kNoColor});
  });
  const Step light{build("light.hqd", "skin.pdb",
                         {"--name", "Test", "--author", "Me", "--version", "1", "--time", "1717243200"}),
                   lightSaved};
  const Step textsBuilt{build("texts.hqd", "texts.pdb", {"--author", "XY", "--time", "1717243200"}),
                        Saved("texts.hqd", [](SkinLayout& l) {
                          testing::Place(l, 1, 10, 270, {9, 12, kNoColor});
                          testing::Place(l, 2, 60, 270, {15, 14, kNoColor});
                          std::memcpy(l.databaseName.data(), "Title", 5);
                          std::memcpy(l.databaseAuthor.data(), "ABCDEF", 6);
                          std::memcpy(l.databaseVersion.data(), "100", 3);
                        })};
  // Sessions in folders of their own, so that they may run side by side.
  const std::vector<std::vector<Step>> sessions{
      {
          // import and info of pictures
          {{"import", "in.bmp", "out.hqd", "--reduced-bmp", "reduced.bmp"}},
          {{"import", "in4.bmp", "four.hqd"}},
          {{"import", "small.bmp", "out.hqd", "--reduced-bmp", "reduced2.bmp"}},
          {{"import", "compressed.bmp", "out.hqd", "--reduced-bmp", "reduced2.bmp"}},
          {{"import", "nothing.bmp", "new.hqd"}},
          {{"import", "folder.bmp", "new.hqd"}},
          {{"import", "nothing.png", "new.hqd"}},
          {{"import", "--help"}},
          {{"import", "in.bmp"}},
          {{"import", "a.bmp", "b.hqd", "c"}},
          {{"import", "a.bmp", "b.hqd", "--reduced-bmp"}},
          {{"info", "in.bmp"}},
          {{"info", "p.bmp"}},
          {{"info", "p.bmp", "--json"}},
          {{"info", "deep.bmp", "--json"}},
          // a file name that is not UTF-8 stays valid JSON
          {{"info", "p\xE9.bmp", "--json"},
           [this] { std::filesystem::copy_file(folder_ / "p.bmp", folder_ / "p\xE9.bmp"); }},
      },
      {
          {{"import", "in.bmp", "out.hqd"}},
          // place: a part of each family, with the colours of a plain OK or those given
          {{"place", "out.hqd", "Play", "0", "0"}},
          {{"place", "out.hqd", "30", "40", "0"}},
          {{"place", "out.hqd", "VolumeBarH", "80", "0"}},
          {{"place", "out.hqd", "EqualizerDotV", "0", "40"}},
          {{"place", "out.hqd", "LevelDotH", "0", "180"}},
          {{"place", "out.hqd", "Track2", "170", "40"}},
          {{"place", "out.hqd", "Stop", "200", "100", "--colors", "3,5,-1"}},
          {{"place", "out.hqd", "Time3", "0", "230", "--colors=0,-1,-1"}},
          {{"info", "out.hqd"}},
          {{"place", "out.hqd", "Rewind", "250", "250", "--colors", "0,5,-1"}},
      },
      {
          {{"import", "in4.bmp", "four.hqd"}},
          // what the editor refuses, and bad arguments
          {{"place", "four.hqd", "Play", "0", "1"}},
          {{"place", "four.hqd", "VolumeBarH", "150", "150"}},
          {{"place", "four.hqd", "Stop", "36", "1"}},
          {{"place", "four.hqd", "Stop", "285", "100"}},
          {{"place", "four.hqd", "Stop", "100", "291"}},
          {{"place", "four.hqd", "Stop", "-1", "100"}},
          {{"place", "four.hqd", "Stop", "2147483647", "100"}},
          {{"place", "four.hqd", "VolumeBarH", "100", "100"}},
          {{"place", "four.hqd", "12", "100", "100"}},
          {{"place", "four.hqd", "Time1", "0", "100", "--colors", "-1,3,-1"}},
          {{"place", "four.hqd", "Stop", "38", "1"}},
          {{"place", "four.hqd", "Rewind", "284", "290"}},
          {{"place", "four.hqd", "Volume", "0", "0"}},
          {{"place", "four.hqd", "31", "0", "0"}},
          {{"place", "four.hqd", "Play", "1x", "0"}},
          {{"place", "four.hqd", "Play", "0"}},
          {{"place", "four.hqd", "Play", "0", "1", "--colors", "16,0,0"}},
          {{"place", "four.hqd", "Play", "0", "1", "--colors", "1,2"}},
          {{"place", "none.hqd", "Play", "0", "1"}},
          {{"place", "bad.hqd", "Play", "0", "1"}, Damaged("four.hqd", "bad.hqd", 12 + 910 + 7, 250)},
          {{"place", "four.hqd", "FastForward", "200", "200"}, {}, {}, 50000},
          {{"place", "--help"}},
          // colours the part last had, and a count that disagreed with the rows
          {{"place", "last.hqd", "LevelBarV", "10", "10"},
           Saved("last.hqd",
                 [](SkinLayout& l) {
                   l.part(18).colors = {1, 2, 3};
                   l.placedCount = 5;
                 })},
          // remove
          {{"place", "four.hqd", "LevelBarH", "0", "100", "--colors", "6,14,9"}},
          {{"remove", "four.hqd", "LevelBarH"}},
          {{"place", "four.hqd", "LevelDotV", "250", "100"}},
          {{"remove", "four.hqd", "20"}},
          {{"place", "four.hqd", "LevelBarH", "100", "200"}},
          {{"remove", "four.hqd", "Track1"}},
          {{"remove", "four.hqd", "0"}},
          {{"remove", "four.hqd"}},
          {{"remove", "four.hqd", "Play"}, {}, {}, 1000},
          {{"remove", "--help"}},
          {{"info", "four.hqd", "--json"}},
      },
      {
          // build
          light,
          {build("light.hqd", "epoch.pdb", {"--name", "T", "--author", "A", "--version", "2"}),
           {},
           {"SOURCE_DATE_EPOCH=1000000000"}},
          {build("light.hqd", "epoch.pdb",
                 {"--name", "T", "--author", "A", "--version", "2", "--time", "1100000000"}),
           {},
           {"SOURCE_DATE_EPOCH=1000000000"}},
          {build("light.hqd", "epoch.pdb",
                 {"--name", "T", "--author", "A", "--version", "2", "--time", "soon"})},
          textsBuilt,
          {build("light.hqd", "あいうえおかきくけこさしす.pdb", texts)},
      },
      {
          {{"info", "light.hqd"}, lightSaved},
          {build("light.hqd", std::string(27, 'a') + ".pdb", texts)},
          {build("light.hqd", "", texts)},
          {build("light.hqd", "x.pdb", {"--author", "A", "--version", "1"})},
          {build("light.hqd", "x.pdb", {"--name", "T", "--author", "A", "--version", "12a"})},
          {build("light.hqd", "x.pdb", {"--name", "T", "--author", "A", "--version", "1234567"})},
          {build("light.hqd", "x.pdb", {"--name", "T", "--author", "\xF0\x9F\x98\x80", "--version", "1"})},
          {build("light.hqd", "x.pdb",
                 {"--name", "T", "--author", "A", "--version", "1", "--time", "852120000"})},
          {build("last.hqd", "x.pdb", texts)},
          {build("nostop.hqd", "x.pdb", texts), Saved("nostop.hqd",
                                                      [](SkinLayout& l) {
                                                        testing::Place(l, 1, 10, 270, {9, 12, kNoColor});
                                                      })},
          {build("light.hqd", "x.pdb", {"--name", std::string(31, 'n'), "--author", "A", "--version", "1"})},
          {build("light.hqd", "absent/x.pdb", texts)},
          {build("count.hqd", "skin.pdb", texts), Saved("count.hqd",
                                                        [](SkinLayout& l) {
                                                          testing::Place(l, 1, 10, 270, {9, 12, kNoColor});
                                                          testing::Place(l, 2, 60, 270, {15, 14, kNoColor});
                                                          l.placedCount = 3;
                                                        })},
          {{"build"}},
          {{"build", "a.hqd"}},
          {{"build", "a.hqd", "b.pdb", "--bogus"}},
          {{"build", "a.hqd", "b.pdb", "--name"}},
          {{"build", "--help"}},
          {{"build", "missing.hqd", "x.pdb"}},
          // info of projects and skins
          {{"info", "named.hqd"},
           Saved("named.hqd",
                 [](SkinLayout& l) {
                   testing::Place(l, 1, 0, 1, {-1, -1, -1});
                   testing::Place(l, 27, 10, 100, {14, -1, -1});
                   l.part(5).colors = {2, 3, -1};
                   std::memcpy(l.databaseName.data(), "\xCA\xDE\xB0\xBC\xDE\xAE\xDD", 7);
                   std::memcpy(l.databaseAuthor.data(), "\x8D\xEC\x8E\xD2\"\x96\xBC\"", 8);
                   std::memcpy(l.databaseVersion.data(),
                               "102\0"
                               "99",
                               6);
                 })},
          {{"info", "named.hqd", "--json"}},
          {{"info", "bad.hqd"}, Damaged("light.hqd", "bad.hqd", 12 + 910 + 7, 250)},
          {{"info", "skin.pdb"}},
          {{"info", "skin.pdb", "--json"}},
      },
      {
          light,
          {{"info", "badskin.pdb"}, Damaged("skin.pdb", "badskin.pdb", 77, 5)},
          // render
          {{"render", "light.hqd", "out.png"}},
          {{"render", "skin.bin", "skin.png"}, Damaged("skin.pdb", "skin.bin", 0, 's')},
          {{"render", "missing.hqd", "x.png"}},
          {{"render", "in.bmp", "x.png"}},
          {{"render", "badskin.pdb", "x.png"}},
          {{"render", "light.hqd", "no-such-folder/x.png"}, {}, {}, {}, false},
          {{"render", "one.hqd"}},
          {{"render", "a", "b", "c"}},
          {{"render", "--help"}},
      },
      {
          light,
          // unpack
          {{"unpack", "skin.pdb", "sky.hqd"}},
          {{"unpack", "changed.pdb", "changed.hqd"}, Damaged("skin.pdb", "changed.pdb", -1, 1)},
          {{"unpack", "changed.pdb", "changed.hqd", "--force"}},
          {{"unpack", "damaged.pdb", "damaged.hqd", "--force"},
           [this] {
             auto bytes = testing::ReadBytes(folder_ / "skin.pdb");
             bytes[ReadBE32(bytes, 78 + 8 * 2) + 16] = 5;  // a background pixel among the picker colours
             WriteBytes(folder_ / "damaged.pdb", bytes);
           }},
          {{"unpack", "missing.pdb", "x.hqd"}},
          {{"unpack", "skin.pdb"}},
          {{"unpack", "skin.pdb", "x.hqd", "--fast"}},
          {{"unpack", "--help"}},
          {{"--help"}},
          {{"info", "changed.pdb"}},
          {{"info", "damaged.pdb", "--json"}},
          {{"help"}},
          {{"bogus"}},
      },
      {
          // pictures of any format and size, with the import's options
          {{"import", "p.png", "out.hqd"}},
          {{"import", "p.png", "contain.hqd", "--fit", "contain", "--matte", "00ff80"}},
          {{"import", "p.png", "stretch.hqd", "--fit", "stretch", "--dither", "none"}},
          {{"import", "p.png", "classic.hqd", "--reduce", "classic"}},
          {{"import", "p.png", "bad.hqd", "--fit", "fill"}},
          {{"import", "p.png", "bad.hqd", "--reduce", "best"}},
          {{"import", "p.png", "bad.hqd", "--dither", "yes"}},
          {{"import", "p.png", "bad.hqd", "--matte", "red"}},
          {{"import", "p.png", "bad.hqd", "--matte"}},
          // the crop's focus: both ends differ, the middle is the default's
          {{"import", "p.png", "left.hqd", "--focus", "0,0"}},
          {{"import", "p.png", "right.hqd", "--focus", "1,1"}},
          {{"import", "p.png", "middle.hqd", "--focus", "0.5,0.5"}},
          {{"import", "p.png", "contain2.hqd", "--fit", "contain", "--focus", "0,1", "--matte", "00ff80"}},
          {{"import", "p.png", "bad.hqd", "--focus", "1.5,0"}},
          {{"import", "p.png", "bad.hqd", "--focus", "0.5"}},
          {{"import", "p.png", "bad.hqd", "--focus", "nan,0"}},
          {{"import", "p320.bmp", "exact.hqd"}},
          {{"import", "p320.bmp", "fine.hqd", "--reduce", "fine", "--reduced-bmp", "fine.bmp"}},
          {{"import", "notes.png", "x.hqd"}},
          {{"import", "cut.png", "x.hqd"}},
          {{"info", "alpha.png"}},
          {{"info", "r.jpg", "--json"}},
      },
      {
          // a layout carried onto a picture, from a project and from its skin
          light,
          textsBuilt,
          {{"import", "p.png", "onto.hqd", "--layout", "texts.hqd"}},
          {{"info", "onto.hqd"}},
          {{"import", "p.png", "ontoskin.hqd", "--layout", "texts.pdb"}},
          {{"info", "ontoskin.hqd"}},
          {{"import", "in.bmp", "exact.hqd", "--layout", "light.hqd", "--reduced-bmp", "x.bmp"}},
          {{"import", "p.png", "x.hqd", "--layout", "missing.hqd"}},
          {{"import", "p.png", "x.hqd", "--layout", "in.bmp"}},
          {{"import", "p.png", "x.hqd", "--layout", "ch.pdb"}, Damaged("texts.pdb", "ch.pdb", -1, 1)},
          {{"import", "cut.png", "x.hqd", "--layout", "texts.hqd"}},
      }};
  std::string trace;
  for (const Step& step : sessions[static_cast<std::size_t>(GetParam())]) trace += Run(step);
  EXPECT_TEXT_GOLDEN("session-" + std::to_string(GetParam()), trace);
}

INSTANTIATE_TEST_SUITE_P(Sessions, CliSession, ::testing::Range(0, 9));

}  // namespace
}  // namespace vorlune
