#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "app/canvas_painter.h"
#include "app/main_window_template.h"
#include "app/qt_pictures.h"
#include "app/skin_editor_dlg.h"
#include "app_test_support.h"

namespace vorlune {
namespace {

using testing::BmpRecipe;
using testing::EnsureApplication;
using testing::MakeBmp;
using testing::ScriptedPrompts;
using testing::WriteFile;

constexpr QRgb kBackground = 0xFF00FF00u;  // bright green (0, 255, 0)

QRgb Xor(QRgb a, QRgb b) {
  return (a ^ b) | 0xFF000000u;
}

// Paints the canvas of `layout` over a plain green background.
QImage Paint(const SkinLayout& layout, const PlacementState& placement) {
  QImage background(320, 320, QImage::Format_RGB32);
  background.fill(kBackground);
  QImage client(551, 418, QImage::Format_RGB32);
  client.fill(Qt::white);
  PaintCanvas(client, layout, placement, background);
  return client;
}

SkinLayout LoadedLayout() {
  SkinLayout layout = NewSkinLayout();
  layout.backgroundLoaded = true;
  return layout;
}

class CanvasPainting : public ::testing::Test {
 protected:
  void SetUp() override { EnsureApplication(); }
};

TEST_F(CanvasPainting, APartAtZeroOneShowsItsExclusiveOrPictureFromClient20And21) {
  SkinLayout layout = LoadedLayout();
  layout.part(1).x = 0;
  layout.part(1).y = 1;
  const QImage client = Paint(layout, {});
  const QImage& bitmap = CanvasBitmapImage(1);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 36; ++x)
      ASSERT_EQ(client.pixel(20 + x, 21 + y), Xor(kBackground, bitmap.pixel(x, y)));
  EXPECT_EQ(client.pixel(20, 20), kBackground);  // the row above the part
  EXPECT_EQ(client.pixel(56, 21), kBackground);  // the column right of it
  EXPECT_EQ(client.pixel(15, 15), qRgb(128, 128, 128));
  EXPECT_EQ(client.pixel(0, 0), qRgb(255, 255, 255));  // outside the frame nothing is painted
}

TEST_F(CanvasPainting, ThePreviewIsDrawnOnlyWhenBothCoordinatesAreAtLeastOne) {
  const SkinLayout layout = LoadedLayout();
  const QImage& bitmap = CanvasBitmapImage(2);
  auto previewAt = [&](int x, int y) {
    PlacementState placement;
    placement.currentKind = 2;
    placement.preview = {x, y};
    return Paint(layout, placement);
  };
  const QRgb ink = Xor(kBackground, bitmap.pixel(10, 10));
  EXPECT_EQ(previewAt(0, 5).pixel(20 + 10, 25 + 10), kBackground);
  EXPECT_EQ(previewAt(5, 0).pixel(25 + 10, 20 + 10), kBackground);
  EXPECT_EQ(previewAt(-1, -1).pixel(30, 30), kBackground);
  EXPECT_EQ(previewAt(1, 5).pixel(21 + 10, 25 + 10), ink);
}

TEST_F(CanvasPainting, WithoutABackgroundOnlyTheGreyFrameAndIndicatorArePainted) {
  SkinLayout layout = NewSkinLayout();
  layout.part(1).x = 10;
  layout.part(1).y = 11;
  PlacementState placement;
  placement.currentKind = 20;
  placement.preview = {50, 50};
  const QImage client = Paint(layout, placement);
  for (int y = 15; y < 345; y += 3)
    for (int x = 15; x < 345; x += 3) ASSERT_EQ(client.pixel(x, y), qRgb(128, 128, 128));
  const QImage& indicator = ButtonPictureImage(20, ButtonPictureState::Down);
  for (int y = 0; y < 35; ++y)
    for (int x = 0; x < 42; ++x) ASSERT_EQ(client.pixel(280 + x, 366 + y), indicator.pixel(x, y));
}

TEST_F(CanvasPainting, PartsAreCombinedInKindOrderAndCancelWhereTheyCoincide) {
  SkinLayout layout = LoadedLayout();
  layout.part(1).x = 40;
  layout.part(1).y = 41;
  PlacementState placement;
  placement.currentKind = 1;
  placement.preview = {40, 41};  // a refused placement over the same part
  const QImage client = Paint(layout, placement);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 36; ++x) ASSERT_EQ(client.pixel(60 + x, 61 + y), kBackground);
}

TEST_F(CanvasPainting, TheWindowPaintsFromTheTemporaryFileAndStaysGreyWithoutIt) {
  ScriptedPrompts prompts;
  CSkinEditorDlg window(&prompts);
  window.show();
  QTemporaryDir files;
  std::vector<std::uint32_t> table{0x00FF00, 0xFF0000};
  prompts.files.push_back(WriteFile(files, "green.bmp", MakeBmp({4, 320, 320, 0, 2, table, {}})));
  QTest::mouseClick(window.Control(1032), Qt::LeftButton);
  ASSERT_TRUE(window.Layout().backgroundLoaded);
  window.Layout().part(1).x = 0;
  window.Layout().part(1).y = 1;
  window.Layout().placedCount = 1;

  QImage client = window.grab().toImage();
  EXPECT_EQ(client.pixel(200, 200), kBackground);
  EXPECT_EQ(client.pixel(20, 21), Xor(kBackground, CanvasBitmapImage(1).pixel(0, 0)));

  // A deleted temporary file leaves the canvas grey; the parts are still drawn on it.
  QFile::remove(window.TemporaryPicturePath());
  client = window.grab().toImage();
  EXPECT_EQ(client.pixel(200, 200), qRgb(128, 128, 128));
  EXPECT_EQ(client.pixel(20, 21), Xor(qRgb(128, 128, 128), CanvasBitmapImage(1).pixel(0, 0)));
}

TEST_F(CanvasPainting, MovingThePreviewRepaintsOnlyTheOldAndNewRectangles) {
  ScriptedPrompts prompts;
  CSkinEditorDlg window(&prompts);
  window.show();
  QTest::mouseClick(window.Control(1002), Qt::LeftButton);  // Play, 36 x 30
  QSignalSpy invalidated(&window, &CSkinEditorDlg::areaInvalidated);
  QTest::mouseMove(&window, QPoint(100, 100));
  QTest::mouseMove(&window, QPoint(110, 100));
  QList<QRect> areas;
  for (const auto& call : invalidated) areas.push_back(call.at(0).toRect());
  const QRect first(100 - 18, 100 - 15, 36, 30);
  const QRect second(110 - 18, 100 - 15, 36, 30);
  EXPECT_TRUE(areas.contains(first));
  EXPECT_TRUE(areas.contains(second));
  for (const QRect& area : areas) EXPECT_LE(area.width() * area.height(), 36 * 30);
}

}  // namespace
}  // namespace vorlune
