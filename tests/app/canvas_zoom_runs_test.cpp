// The canvas at every display scale (ctest runs this file again with
// QT_SCALE_FACTOR 1.25, 1.5 and 2): exact blocks, clicks and placement help.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>

#include "app/canvas_painter.h"
#include "app/canvas_status.h"
#include "app/problems_panel.h"
#include "app/qt_pictures.h"
#include "session_support.h"

namespace vorlune::testing {
namespace {

// Every device pixel checked shows its skin pixel: exact N x N blocks, no smoothing.
TEST(CanvasZoomRun, DrawsEachSkinPixelAsAnExactBlockAtEveryZoom) {
  EditorSession s;
  s.window().resize(900, 800);
  Import(s, RampPicture());
  const QImage skin = BackgroundImage(s.layout());
  const int standard = s.Canvas()->Zoom();
  s.Canvas()->ShowGrid(false);
  EXPECT_EQ(standard, DefaultZoom(s.Canvas()->devicePixelRatioF()));
  for (int zoom : {standard, 3, 4, 6}) {
    s.Canvas()->SetZoom(zoom);
    const QImage shot = s.Canvas()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const CanvasMapping m = s.Canvas()->Mapping();
    ASSERT_EQ(shot.width(), qRound(s.Canvas()->width() * m.scale)) << "grabbed at device size";
    int wrong = 0;
    for (const QRect area : {QRect(150, 150, 20, 20), QRect(0, 0, 3, 3)}) {
      const DeviceRect d = SkinAreaDeviceRect(m, area.x(), area.y(), area.width(), area.height());
      for (int y = std::max(d.y, 0); y < std::min(d.y + d.height, shot.height() - 20); ++y)
        for (int x = std::max(d.x, 0); x < std::min(d.x + d.width, shot.width() - 20); ++x)
          wrong += shot.pixel(x, y) != skin.pixel((x - m.originX) / zoom, (y - m.originY) / zoom);
    }
    EXPECT_EQ(wrong, 0) << "zoom " << zoom << " at scale " << m.scale;
  }
  s.Canvas()->ZoomToDefault();
  s.Canvas()->ShowGrid(true);
  // At a whole scale each part button shows the picture of its state drawn
  // from the masks at that scale (the pictures have goldens), not enlarged.
  for (PartKind k = kFirstKind; k <= kLastKind && standard == s.Canvas()->devicePixelRatioF(); ++k) {
    for (const auto state :
         {ButtonPictureState::Up, ButtonPictureState::Down, ButtonPictureState::Disabled}) {
      s.Part(k)->setDown(state == ButtonPictureState::Down);
      s.Part(k)->setEnabled(state != ButtonPictureState::Disabled);
      EXPECT_EQ(s.Part(k)->grab().toImage().convertToFormat(QImage::Format_RGB32),
                ButtonPictureImage(k, state, standard).convertToFormat(QImage::Format_RGB32))
          << k;
    }
  }
}

TEST(CanvasZoomRun, PlacesAtAnyZoomAndShowsRefusalsBeforeTheClick) {
  EnsureApplication();
  // Whole logical points (as tests click) reach every skin pixel from the default zoom on.
  for (int zoom : {DefaultZoom(qApp->devicePixelRatio()), 6}) {
    EditorSession s;
    s.window().resize(1000, 900);
    s.window().Problems()->hide();  // the whole height for the canvas
    Import(s, RampPicture());
    s.Canvas()->SetSnapping(true);
    s.Canvas()->SetZoom(zoom);
    ModalScript script;
    script.Then(ChooseColours({}));
    s.Place(1, 100, 99);
    EXPECT_EQ(std::pair(s.layout().part(1).x, s.layout().part(1).y), std::pair(100, 99)) << zoom;

    s.PressPart(2);
    const PartRecord& play = s.layout().part(1);
    s.MoveTo(SkinPointFor(2, play.x + 4, play.y + 2));
    ASSERT_TRUE(s.Canvas()->Help().has_value());
    EXPECT_EQ(s.Canvas()->Help()->refusal, (Refusal{RefusalReason::Touches, 1}));
    EXPECT_EQ(s.window().PlacementLine()->text(), QStringLiteral("再生ボタンと接しています"));
    const CanvasPoint at = s.Canvas()->Help()->position;
    EXPECT_TRUE(
        s.window().StatusReadout().Text().contains(QStringLiteral("位置 %1, %2").arg(at.x).arg(at.y)));
    const DeviceRect corner =
        SkinAreaDeviceRect(s.Canvas()->Mapping(), at.x, at.y + KindInfo(2).height - 1, 1, 1);
    const QImage grabbed = s.Canvas()->grab().toImage();
    const QColor outline = grabbed.pixelColor(corner.x, corner.y);
    EXPECT_GT(outline.red(), outline.green() + 100) << "red outline, zoom " << zoom;
    // Keys that bring the part against Play from a free place are told the same.
    s.MoveTo(SkinPointFor(2, play.x + 60, play.y));
    ASSERT_EQ(s.Canvas()->Help()->refusal, Refusal{});
    for (int i = 0; i < 3; ++i) s.Key(Qt::Key_Left, Qt::ShiftModifier);
    ASSERT_TRUE(s.Canvas()->Help().has_value());
    EXPECT_EQ(s.Canvas()->Help()->refusal, (Refusal{RefusalReason::Touches, 1}));
    EXPECT_EQ(s.window().PlacementLine()->text(), QStringLiteral("再生ボタンと接しています"));
    s.Key(Qt::Key_Escape);
    s.Canvas()->ZoomToDefault();
  }
}

}  // namespace
}  // namespace vorlune::testing
