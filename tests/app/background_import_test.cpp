#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "app/canvas_painter.h"
#include "app/skin_editor_dlg.h"
#include "app_test_support.h"

namespace vorlune {
namespace {

using testing::BmpRecipe;
using testing::EnsureApplication;
using testing::MakeBmp;
using testing::ScriptedPrompts;
using testing::WriteFile;

const std::string kReductionNotice = "Over 214 color bitmap.\n Down-color conversion started(to 214colors).";

class BackgroundImport : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureApplication();
    window = std::make_unique<CSkinEditorDlg>(&prompts);
    window->show();
  }

  // Chooses `bytes` as a file in the open dialog and presses "画　像".
  void Import(const std::vector<std::uint8_t>& bytes, const QString& name = "picture.bmp") {
    prompts.files.push_back(WriteFile(files, name, bytes));
    QTest::mouseClick(window->Control(1032), Qt::LeftButton);
  }

  QByteArray TemporaryFile() const {
    QFile file(window->TemporaryPicturePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  // Every canvas pixel shows the palette colour of the reduced picture's pixel.
  void ExpectCanvasShowsThePicture() {
    const QImage client = window->grab().toImage();
    const SkinLayout& layout = window->Layout();
    for (int y = 0; y < 320; ++y) {
      for (int x = 0; x < 320; ++x) {
        const Rgb c = layout.palette[layout.picture[910 + static_cast<std::size_t>(y) * 320 + x]];
        ASSERT_EQ(client.pixel(20 + x, 20 + y), qRgb(c.r, c.g, c.b)) << x << "," << y;
      }
    }
  }

  QTemporaryDir files;
  ScriptedPrompts prompts;
  std::unique_ptr<CSkinEditorDlg> window;
};

// Sixteen stripes of the picker colours, so that no reduction changes them.
std::uint32_t Stripe(int x, int) {
  return static_cast<std::uint32_t>(x / 20);
}
std::vector<std::uint32_t> PickerTable() {
  std::vector<std::uint32_t> table;
  for (const Rgb& c : kPickerColors) table.push_back((c.r << 16) | (c.g << 8) | c.b);
  return table;
}

TEST_F(BackgroundImport, CancellingTheDialogChangesNothing) {
  QTest::mouseClick(window->Control(1032), Qt::LeftButton);
  ASSERT_EQ(prompts.requests.size(), 1u);
  EXPECT_EQ(prompts.requests[0].filter, "bitmap (*.bmp)");
  EXPECT_EQ(prompts.requests[0].defaultExtension, "bmp");
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_FALSE(window->Layout().backgroundLoaded);
}

TEST_F(BackgroundImport, RejectionsShowTheirTextAndIconAndKeepTheEditorAsItWas) {
  const auto good = [] { return BmpRecipe{8, 320, 320, 0, 16, PickerTable(), Stripe}; };
  struct Case {
    std::vector<std::uint8_t> bytes;
    std::string text;
    MessageIcon icon;
  };
  std::vector<Case> cases;
  auto notBmp = MakeBmp(good());
  notBmp[0] = 'P';
  cases.push_back({notBmp, "Error : this file is not bmp-file", MessageIcon::Information});
  auto compressed = good();
  compressed.compression = 1;
  compressed.width = 100;
  cases.push_back({MakeBmp(compressed), "This bmp-file is compressed.\nPlease change non-compress bmp-file.",
                   MessageIcon::Information});

  for (const Case& c : cases) {
    prompts.messages.clear();
    Import(c.bytes);
    ASSERT_EQ(prompts.messages.size(), 1u) << c.text;
    EXPECT_EQ(prompts.messages[0].text, c.text);
    EXPECT_EQ(prompts.messages[0].icon, c.icon);
    EXPECT_FALSE(window->Layout().backgroundLoaded);
    EXPECT_FALSE(QFile::exists(window->TemporaryPicturePath()));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  }

  prompts.messages.clear();
  prompts.files.push_back(files.filePath("missing.bmp"));
  QTest::mouseClick(window->Control(1032), Qt::LeftButton);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0], (UserMessage{"Error : Cannot find bmp-file", MessageIcon::Exclamation}));

  prompts.messages.clear();
  prompts.files.push_back(files.path());  // exists, but cannot be read as a file
  QTest::mouseClick(window->Control(1032), Qt::LeftButton);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0], (UserMessage{"Error : Cannot open bmp-file", MessageIcon::Information}));
  EXPECT_FALSE(window->Layout().backgroundLoaded);
}

TEST_F(BackgroundImport, EveryDepthFillsTheTemporaryFilePaletteAndCanvas) {
  const struct {
    int bits;
    std::uint32_t colorsUsed;
    bool notice;
  } depths[] = {{1, 0, false}, {2, 0, false}, {4, 0, false}, {8, 16, false}, {8, 0, true}, {24, 0, true}};
  for (const auto& d : depths) {
    SCOPED_TRACE(d.bits);
    BmpRecipe recipe{d.bits, 320, 320, 0, d.colorsUsed, {}, {}};
    const int entries =
        d.bits == 24 ? 0 : (d.bits == 8 && d.colorsUsed == 0 ? 256 : 1 << std::min(d.bits, 4));
    const std::vector<std::uint32_t> picker = PickerTable();
    for (int i = 0; i < entries; ++i) recipe.colors.push_back(picker[static_cast<std::size_t>(i % 16)]);
    recipe.pixel = [&](int x, int y) -> std::uint32_t {
      const std::uint32_t index =
          static_cast<std::uint32_t>((x / 20 + y / 40) % std::min(entries == 0 ? 16 : entries, 16));
      return d.bits == 24 ? picker[index] : index;
    };
    prompts.messages.clear();
    Import(MakeBmp(recipe));
    std::vector<std::string> expected;
    if (d.notice) expected.push_back(kReductionNotice);
    std::vector<std::string> shown;
    for (const auto& m : prompts.messages) shown.push_back(m.text);
    EXPECT_EQ(shown, expected);

    const QByteArray temporary = TemporaryFile();
    EXPECT_EQ(temporary.size(), 103312);
    EXPECT_TRUE(temporary.startsWith("BM"));
    const SkinLayout& layout = window->Layout();
    EXPECT_TRUE(layout.backgroundLoaded);
    EXPECT_EQ(layout.palette[0], (Rgb{0, 0, 0}));
    for (int i = 0; i < 16; ++i)
      EXPECT_EQ(layout.palette[static_cast<std::size_t>(i + 1)], kPickerColors[static_cast<std::size_t>(i)]);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ExpectCanvasShowsThePicture();
  }
}

TEST_F(BackgroundImport, ASecondImportKeepsThePlacedPartsAndResetsPlacement) {
  Import(MakeBmp({4, 320, 320, 0, 0, PickerTable(), Stripe}));
  ASSERT_TRUE(window->Layout().backgroundLoaded);
  window->Layout().part(2).x = 100;
  window->Layout().part(2).y = 101;
  window->Layout().placedCount = 1;
  window->PartButton(2)->setEnabled(false);
  QTest::mouseClick(window->Control(1005), Qt::LeftButton);  // placing kind 4
  ASSERT_EQ(window->Placement().currentKind, 4);

  QSignalSpy invalidated(window.get(), &CSkinEditorDlg::areaInvalidated);
  Import(MakeBmp(
      {4, 320, 320, 0, 0, PickerTable(), [](int, int y) { return static_cast<std::uint32_t>(y / 20); }}));
  EXPECT_EQ(window->Layout().part(2).x, 100);
  EXPECT_EQ(window->Layout().placedCount, 1u);
  EXPECT_FALSE(window->PartButton(2)->isEnabled());
  EXPECT_EQ(window->Placement().currentKind, 0);
  EXPECT_EQ(window->Placement().movingFlag, 0);
  EXPECT_TRUE(qobject_cast<QLineEdit*>(window->Control(1033))->text().isEmpty());
  // Only the canvas and the indicator are repainted.
  ASSERT_EQ(invalidated.count(), 2);
  QList<QRect> areas{invalidated.at(0).at(0).toRect(), invalidated.at(1).at(0).toRect()};
  EXPECT_TRUE(areas.contains(QRect(20, 20, 320, 320)));
  EXPECT_TRUE(areas.contains(QRect(280, 366, 42, 35)));

  // The part is drawn over the new picture.
  const QImage client = window->grab().toImage();
  const SkinLayout& layout = window->Layout();
  const Rgb bg = layout.palette[layout.picture[910 + 101 * 320 + 100]];
  EXPECT_EQ(client.pixel(120, 121), qRgb(bg.r ^ 128, bg.g ^ 128, bg.b ^ 128));
}

TEST_F(BackgroundImport, AnUnwritableTemporaryFileIsReportedAndThePreviousPictureStays) {
  Import(MakeBmp({4, 320, 320, 0, 0, PickerTable(), Stripe}));
  ASSERT_TRUE(window->Layout().backgroundLoaded);
  const std::vector<std::uint8_t> before = window->Layout().reducedBmp;

  // A plain file where the private folder was: nothing can be written there, even by root.
  const QString folder = window->TemporaryFolderPath();
  QDir(folder).removeRecursively();
  QFile blocker(folder);
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();

  prompts.messages.clear();
  Import(MakeBmp(
      {4, 320, 320, 0, 0, PickerTable(), [](int, int y) { return static_cast<std::uint32_t>(y / 20); }}));
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text.rfind("Error : ", 0), 0u);
  EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(window->Layout().reducedBmp, before);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  QFile::remove(folder);
}

TEST_F(BackgroundImport, ClosingAfterAnImportRemovesTheTemporaryFileAndFolder) {
  Import(MakeBmp({1, 320, 320, 0, 0, {0x000000, 0xFFFFFF}, [](int x, int y) { return (x + y) % 2u; }}));
  const QString path = window->TemporaryPicturePath();
  const QString folder = window->TemporaryFolderPath();
  ASSERT_TRUE(QFile::exists(path));
  prompts.saveAnswers = {UnsavedChangesAnswer::Discard};
  window->close();
  EXPECT_FALSE(QFile::exists(path));
  EXPECT_FALSE(QDir(folder).exists());
}

}  // namespace
}  // namespace vorlune
