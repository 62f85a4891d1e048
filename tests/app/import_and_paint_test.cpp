#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include "app/canvas_painter.h"
#include "core/png_writer.h"
#include "dialogs/picture_import_dialog.h"
#include "run_support.h"
#include "support/golden.h"

namespace vorlune {
namespace {

using namespace testing;

// A step for the import options: notes that they opened and presses the button of `text`.
ModalScript::Step AnswerOptions(const char* text, int& shown) {
  return [text, &shown](QWidget* dialog) {
    shown += qobject_cast<PictureImportDialog*>(dialog) != nullptr;
    for (QPushButton* b : dialog->findChildren<QPushButton*>())
      if (b->text() == QString::fromUtf8(text)) QTest::mouseClick(b, Qt::LeftButton);
  };
}

std::uint8_t Checks(int x, int y) {
  return static_cast<std::uint8_t>((x / 20 + y / 40) % 16);
}

// The Image command from refusals to every depth it takes, in one window:
// messages with their icons, the options dialog for other formats and on
// request, the temporary picture against goldens and the canvas against the
// picture, a temporary folder that cannot be written, and the clean-up at Close.
TEST(ImportRun, TheImageCommandRefusesBadFilesAndTakesEveryDepth) {
  EditorSession s;
  CSkinEditorDlg& w = s.window();
  std::vector<std::uint8_t> notBmp = IndexedPicture(4, PickerTable(), Checks);
  notBmp[0] = 'P';
  std::vector<std::uint8_t> compressed = IndexedPicture(8, PickerTable(), Checks);
  compressed[30] = 1;
  const struct {
    QString file;
    std::string text;
    MessageIcon icon;
  } refusals[] = {
      {WriteFile(s.Path("p.bmp"), notBmp), "Error : this file is not bmp-file", MessageIcon::Information},
      {WriteFile(s.Path("c.bmp"), compressed),
       "This bmp-file is compressed.\nPlease change non-compress bmp-file.", MessageIcon::Information},
      {s.Path("missing.bmp"), "Error : Cannot find bmp-file", MessageIcon::Exclamation},
      {s.files.path(), "Error : Cannot open bmp-file", MessageIcon::Information},  // a folder
      {WriteFile(s.Path("cut.png"), QByteArray("\x89PNG\r\n\x1A\n")), "Error : this PNG file is damaged.",
       MessageIcon::Information},
  };
  for (const auto& refusal : refusals) {
    SCOPED_TRACE(refusal.text);
    s.prompts.files = {refusal.file};
    s.Click(IDC_IMAGE);
    EXPECT_EQ(s.prompts.messages.back(), (UserMessage{refusal.text, refusal.icon}));
    EXPECT_FALSE(w.Layout().backgroundLoaded);
    EXPECT_FALSE(QFile::exists(w.TemporaryPicturePath()));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  }
  s.prompts.messages.clear();

  // A photo takes the options dialog: Cancel imports nothing, OK an 8-bit picture.
  int optionsShown = 0;
  ModalScript script;
  RgbImage photo(400, 300);
  for (int y = 0; y < 300; ++y)
    for (int x = 0; x < 400; ++x) photo.set(x, y, Rgb{std::uint8_t(x), std::uint8_t(y), 90});
  const QString png = WriteFile(s.Path("photo.png"), EncodePng(photo));
  script.Then(AnswerOptions("ｷｬﾝｾﾙ", optionsShown)).Then(AnswerOptions("ＯＫ", optionsShown));
  s.prompts.files = {png};
  s.Click(IDC_IMAGE);
  EXPECT_TRUE(s.prompts.requests.back().moreFilters.contains("*.png"));
  EXPECT_FALSE(w.Layout().backgroundLoaded);
  w.ImportBackgroundFrom(png);
  EXPECT_EQ(optionsShown, 2);
  EXPECT_EQ(w.Layout().pictureBitsPerPixel, 8u);
  EXPECT_GOLDEN("temporary picture of a 400 x 300 PNG", Bytes(ReadFileBytes(w.TemporaryPicturePath())));

  // A BMP takes it when asked, or with Shift and the Image button; the fine reduction shows no notice.
  const QString bmp = WriteFile(s.Path("true.bmp"), IndexedPicture(24, PickerTable(), Checks));
  script.Then(AnswerOptions("ＯＫ", optionsShown)).Then(AnswerOptions("ｷｬﾝｾﾙ", optionsShown));
  w.ImportBackgroundFrom(bmp, true);
  s.prompts.files = {bmp};
  QTest::mouseClick(w.Control(IDC_IMAGE), Qt::LeftButton, Qt::ShiftModifier);
  EXPECT_EQ(optionsShown, 4);
  EXPECT_TRUE(s.prompts.messages.empty());
  EXPECT_EQ(script.Unexpected(), 0);

  // Every depth fills the temporary picture and the canvas; only many colours are reduced with a notice.
  for (const auto& [bits, colorsUsed, entries] :
       {std::tuple(1, 0u, 2), {2, 0u, 4}, {4, 0u, 16}, {8, 16u, 16}, {8, 0u, 256}, {24, 0u, 16}}) {
    const std::string name =
        "import " + std::to_string(bits) + " bits " + std::to_string(entries) + " colours";
    SCOPED_TRACE(name);
    std::vector<Rgb> table;
    for (int i = 0; i < entries; ++i) table.push_back(PickerTable()[static_cast<std::size_t>(i % 16)]);
    s.prompts.messages.clear();
    Import(s,
           bits == 1   ? IndexedPicture(1, table, [](int x, int y) { return std::uint8_t(Checks(x, y) % 2); })
           : bits == 2 ? IndexedPicture(2, table, [](int x, int y) { return std::uint8_t(Checks(x, y) % 4); })
                       : IndexedPicture(bits, table, Checks, colorsUsed));
    EXPECT_EQ(s.prompts.messages.size(), entries > 16 || bits == 24 ? 1u : 0u);
    EXPECT_GOLDEN(name, Bytes(ReadFileBytes(w.TemporaryPicturePath())));
    EXPECT_GOLDEN(name + ", canvas", Pixels(Canvas(s)));
  }
  EXPECT_EQ(s.prompts.messages.at(0).text,
            "Over 214 color bitmap.\n Down-color conversion started(to 214colors).");

  // A deleted temporary picture leaves the canvas grey under the parts.
  w.Layout().part(1).x = 0;
  w.Layout().part(1).y = 1;
  QFile::remove(w.TemporaryPicturePath());
  EXPECT_EQ(s.Client().pixel(200, 200), qRgb(128, 128, 128));
  EXPECT_GOLDEN("canvas without its temporary picture", Pixels(Canvas(s)));

  // A temporary folder that cannot be written keeps the previous picture.
  Import(s, IndexedPicture(4, PickerTable(), Checks));
  const std::vector<std::uint8_t> reduced = w.Layout().reducedBmp;
  const QString folder = w.TemporaryFolderPath();
  QDir(folder).removeRecursively();
  WriteFile(folder, QByteArray());  // a plain file where the folder was: not even root writes there
  Import(s, IndexedPicture(4, PickerTable(), [](int, int y) { return std::uint8_t(y / 20); }));
  EXPECT_EQ(s.prompts.messages.back().text.rfind("Error : ", 0), 0u);
  EXPECT_EQ(s.prompts.messages.back().icon, MessageIcon::Exclamation);
  EXPECT_EQ(w.Layout().reducedBmp, reduced);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  QFile::remove(folder);
  ASSERT_TRUE(QDir().mkdir(folder));

  // Close removes the temporary picture and its folder.
  Import(s, IndexedPicture(4, PickerTable(), Checks));
  ASSERT_TRUE(QFile::exists(w.TemporaryPicturePath()));
  s.prompts.saveAnswers = {UnsavedChangesAnswer::Discard};
  EXPECT_TRUE(w.close());
  EXPECT_FALSE(QDir(folder).exists());
}

// The canvas painter over a plain green picture: parts and the preview by
// exclusive or, the preview only where both coordinates are at least one,
// nothing but the grey frame and indicator without a picture.
TEST(CanvasPainting, PartsAndPreviewAreCombinedByExclusiveOr) {
  EnsureApplication();
  QImage background(320, 320, QImage::Format_RGB32);
  background.fill(qRgb(0, 255, 0));
  const auto paint = [&](bool loaded, PartKind part, QPoint at, PartKind preview, QPoint previewAt) {
    SkinLayout layout = NewSkinLayout();
    layout.backgroundLoaded = loaded;
    if (part != 0) {
      layout.part(part).x = at.x();
      layout.part(part).y = at.y();
    }
    PlacementState placement{.currentKind = preview, .preview = {previewAt.x(), previewAt.y()}};
    QImage client(551, 418, QImage::Format_RGB32);
    client.fill(Qt::white);
    PaintCanvas(client, layout, placement, background);
    return client;
  };
  const QImage plain = paint(true, 0, {}, 0, {});
  EXPECT_EQ(plain.pixel(0, 0), qRgb(255, 255, 255));  // outside the frame nothing is painted
  for (auto [name, loaded, part, at, preview, previewAt, asPlain] :
       {std::tuple("Play at 0, 1", true, 1, QPoint(0, 1), 0, QPoint(), false),
        {"Stop previewed at 1, 5", true, 0, {}, 2, {1, 5}, false},
        {"Stop previewed at 0, 5", true, 0, {}, 2, {0, 5}, true},
        {"Stop previewed at 5, 0", true, 0, {}, 2, {5, 0}, true},
        {"Play previewed over itself", true, 1, {40, 41}, 1, {40, 41}, true},
        {"no picture", false, 1, {10, 11}, 20, {50, 50}, false}}) {
    SCOPED_TRACE(name);
    const QImage painted = paint(loaded, part, at, preview, previewAt);
    EXPECT_EQ(painted.copy(kCanvasFrameArea) == plain.copy(kCanvasFrameArea), asPlain);
    EXPECT_GOLDEN(std::string("painted canvas, ") + name, Pixels(painted));
  }
}

}  // namespace
}  // namespace vorlune
