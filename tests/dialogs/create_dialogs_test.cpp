#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "core/cp932.h"
#include "dialogs/created_dialog.h"
#include "dialogs/image_preview_dialog.h"
#include "dialogs/modal_dialog.h"
#include "dialogs_support.h"
#include "skin/skin_renderer.h"

namespace vorlune {
namespace {

using testing::Shot;
using testing::ShowAndSettle;
using testing::ToColor;

QPushButton* ButtonNamed(QWidget& dialog, const char* text) {
  for (QPushButton* b : dialog.findChildren<QPushButton*>()) {
    if (b->text() == QString::fromUtf8(text)) return b;
  }
  ADD_FAILURE() << "no button " << text;
  return nullptr;
}

int ModalAnswer(QDialog& dialog, std::function<void()> answer, std::function<int()> run) {
  QTimer::singleShot(0, &dialog, std::move(answer));
  return run();
}

TEST(ImagePreviewDialog, PaintsTheRenderedLayoutOnAGreyGround) {
  SkinLayout layout = NewSkinLayout();
  layout.part(1).x = 10;
  layout.part(1).y = 20;
  layout.part(1).colors = {9, 10, kNoColor};
  CImagePreviewDlg dialog;
  dialog.SetPreviewLayout(layout);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("イメージ表示"));
  EXPECT_EQ(dialog.size(), QSize(369, 397));
  ShowAndSettle(dialog);
  const QImage shot = Shot(dialog);
  const RgbImage expected = RenderLayoutPreview(layout);
  int wrong = 0;
  for (int y = 0; y < 320; ++y) {
    for (int x = 0; x < 320; ++x)
      wrong += shot.pixelColor(20 + x, 20 + y) != ToColor(expected.at(x, y)) ? 1 : 0;
  }
  EXPECT_EQ(wrong, 0);
  const QColor grey(128, 128, 128);
  for (QPoint p : {QPoint(15, 15), QPoint(19, 200), QPoint(344, 344), QPoint(200, 341)}) {
    EXPECT_EQ(shot.pixelColor(p), grey) << p.x() << "," << p.y();
  }
  EXPECT_EQ(shot.pixelColor(345, 345), dialog.palette().color(QPalette::Window));
}

TEST(ImagePreviewDialog, CreateGoesOnAndCancelStops) {
  CImagePreviewDlg dialog;
  dialog.SetPreviewLayout(NewSkinLayout());
  const std::pair<std::function<void()>, int> answers[] = {
      {[&] { QTest::mouseClick(ButtonNamed(dialog, "作　成"), Qt::LeftButton); }, kIdOk},
      {[&] { QTest::mouseClick(ButtonNamed(dialog, "ｷｬﾝｾﾙ"), Qt::LeftButton); }, kIdCancel},
      {[&] { QTest::keyClick(&dialog, Qt::Key_Return); }, kIdOk},
      {[&] { QTest::keyClick(&dialog, Qt::Key_Escape); }, kIdCancel},
  };
  for (const auto& [answer, result] : answers)
    EXPECT_EQ(ModalAnswer(dialog, answer, [&dialog] { return dialog.DoModal(); }), result);
  EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
}

TEST(CreatedDialog, ShowsTheNoticeAndEndsWithOk) {
  CCreatedDlg dialog;
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Harmoniquest"));
  QStringList texts;
  for (QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
  EXPECT_TRUE(texts.contains(QStringLiteral("Harmoniquest SKINデータを")));
  EXPECT_TRUE(texts.contains(QStringLiteral("作成しました")));
  EXPECT_TRUE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_EQ(ModalAnswer(
                dialog, [&] { QTest::mouseClick(ButtonNamed(dialog, "OK"), Qt::LeftButton); },
                [&] { return dialog.DoModal(); }),
            kIdOk);
}

}  // namespace
}  // namespace vorlune
