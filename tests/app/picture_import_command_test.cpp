#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/skin_editor_dlg.h"
#include "app_test_support.h"
#include "core/png_writer.h"
#include "dialogs/picture_import_dialog.h"

namespace vorlune {
namespace {

using testing::OnNextModal;

class PictureImportCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::EnsureApplication();
    window = std::make_unique<CSkinEditorDlg>(&prompts);
    window->show();
  }

  // Answers the options dialog with the button of `text`, noting that it opened.
  void AnswerOptions(const char* text) {
    OnNextModal([this, text](QWidget* dialog) {
      optionsShown = qobject_cast<PictureImportDialog*>(dialog) != nullptr;
      for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
        if (b->text() == QString::fromUtf8(text)) QTest::mouseClick(b, Qt::LeftButton);
      }
    });
  }

  testing::ScriptedPrompts prompts;
  std::unique_ptr<CSkinEditorDlg> window;
  QTemporaryDir files;
  bool optionsShown = false;
};

RgbImage Photo(int w, int h) {
  RgbImage image(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      image.set(x, y, Rgb{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 90});
  return image;
}

TEST_F(PictureImportCommand, AnyPictureGoesThroughTheOptionsDialog) {
  const QString png = testing::WriteFile(files, "photo.png", EncodePng(Photo(400, 300)));
  prompts.files.push_back(png);
  AnswerOptions("ｷｬﾝｾﾙ");
  QTest::mouseClick(window->Control(1032), Qt::LeftButton);
  ASSERT_EQ(prompts.requests.size(), 1u);
  EXPECT_EQ(prompts.requests[0].filter, "bitmap (*.bmp)");
  EXPECT_TRUE(prompts.requests[0].moreFilters.contains("*.png"));
  EXPECT_TRUE(optionsShown);
  EXPECT_FALSE(window->Layout().backgroundLoaded);
  EXPECT_FALSE(QFile::exists(window->TemporaryPicturePath()));

  optionsShown = false;
  AnswerOptions("ＯＫ");
  window->ImportBackgroundFrom(png);
  EXPECT_TRUE(optionsShown);
  EXPECT_TRUE(window->Layout().backgroundLoaded);
  EXPECT_EQ(window->Layout().pictureBitsPerPixel, 8u);
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);

  // A damaged picture is refused before any dialog.
  window->ImportBackgroundFrom(
      testing::WriteFile(files, "cut.png", {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, "Error : this PNG file is damaged.");
}

TEST_F(PictureImportCommand, ABmpTakesTheOptionsDialogOnlyWhenAsked) {
  std::vector<std::uint8_t> bmp = testing::MakeBmp(
      {24, 320, 320, 0, 0, {}, [](int x, int y) { return std::uint32_t((x << 16) | (y << 8) | 40); }});
  const QString path = testing::WriteFile(files, "p.bmp", bmp);
  AnswerOptions("ＯＫ");
  window->ImportBackgroundFrom(path, true);
  EXPECT_TRUE(optionsShown);
  EXPECT_EQ(window->Layout().pictureBitsPerPixel, 8u);
  EXPECT_TRUE(prompts.messages.empty());  // the fine reduction shows no notice

  // Shift with the Image button is the same command.
  prompts.files.push_back(path);
  optionsShown = false;
  AnswerOptions("ｷｬﾝｾﾙ");
  QTest::mouseClick(window->Control(1032), Qt::LeftButton, Qt::ShiftModifier);
  EXPECT_TRUE(optionsShown);
}

}  // namespace
}  // namespace vorlune
