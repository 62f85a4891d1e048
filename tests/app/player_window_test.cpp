// ctest runs the player tests again at display scales 1.25, 1.5 and 2.
#include "app/player_window.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/canvas_painter.h"
#include "app/editor_actions.h"
#include "app/player_screen.h"
#include "session_support.h"

namespace vorlune {
namespace {

using namespace testing;

// The logical point in the middle of a skin pixel of the player's screen.
QPoint ScreenPoint(const PlayerScreen& screen, QPoint skin) {
  const LogicalRect r = SkinAreaLogicalRect(screen.Mapping(), skin.x(), skin.y(), 1, 1);
  return QPointF(r.x + r.width / 2, r.y + r.height / 2).toPoint();
}

TEST(PlayerWindowRun, FollowsEditsAndPlaysWithoutTouchingTheDocument) {
  EditorSession s;
  ModalScript script;
  Import(s, RampPicture());
  s.Key(Qt::Key_P, Qt::ControlModifier);  // the View menu's action
  ASSERT_NE(s.window().Player(), nullptr);
  PlayerWindow& player = *s.window().Player();
  EXPECT_TRUE(player.isVisible() && player.isWindow());
  EXPECT_EQ(player.windowTitle(), "再生シミュレーション");
  player.SetRunning(false);
  player.ChooseScenario(0);  // idle: a click takes its state over
  // The skin at the canvas's zoom, following it, as exact blocks of device pixels like the canvas.
  const QImage skin = BackgroundImage(s.layout());
  for (const int zoom : {3, 4, s.Canvas()->Zoom()}) {
    const int before = player.sizeHint().width();
    s.Canvas()->SetZoom(zoom);
    const CanvasMapping m = player.Screen()->Mapping();
    ASSERT_EQ(m.zoom, zoom);
    EXPECT_EQ(player.Screen()->width(), static_cast<int>(std::ceil(kCanvasSize * zoom / m.scale - 1e-9)));
    EXPECT_NE(player.sizeHint().width(), before) << "the window's size follows, zoom " << zoom;
    const QImage shot = player.Screen()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const DeviceRect d = SkinAreaDeviceRect(m, 150, 30, 20, 20);
    int wrong = 0;
    for (int y = d.y; y < d.y + d.height; ++y)
      for (int x = d.x; x < d.x + d.width; ++x) wrong += shot.pixel(x, y) != skin.pixel(x / zoom, y / zoom);
    EXPECT_EQ(wrong, 0) << "zoom " << zoom << " at scale " << m.scale;
  }
  const QImage bare = player.Screen()->Picture();
  for (int i = 0; i < 3; ++i) script.Then(ChooseColours({{0, 4}, {1, 9}}));
  const auto x = [](PartKind k) { return k == 1 ? 20 : k == 2 ? 60 : 100; };
  for (PartKind k : {1, 2, 7}) s.Place(k, x(k), 251);
  ASSERT_TRUE(QTest::qWaitFor([&] { return player.Screen()->Picture() != bare; }));
  QTest::qWait(3 * PlayerWindow::kRebuildDelayMs);
  const bool modified = s.window().isWindowModified();
  const QString undo = s.window().Actions().UndoText();

  const struct {
    PartKind k;
    Transport transport;
    int volume;
    bool litOnlyWhileDown;
  } clicks[] = {{1, Transport::Playing, 50, false},
                {1, Transport::Paused, 50, true},
                {2, Transport::Stopped, 50, true},
                {7, Transport::Stopped, 60, true}};
  for (const auto& click : clicks) {
    const QPoint at = ScreenPoint(*player.Screen(), SkinPointFor(click.k, x(click.k), 251));
    QTest::mousePress(player.Screen(), Qt::LeftButton, {}, at);
    EXPECT_EQ(player.State().pressed, click.k);
    const QImage down = player.Screen()->Picture();
    QTest::mouseRelease(player.Screen(), Qt::LeftButton, {}, at);
    EXPECT_EQ(player.State().pressed, kNoKind);
    EXPECT_EQ(player.State().transport, click.transport) << click.k;
    EXPECT_EQ(player.State().volume, click.volume) << click.k;
    EXPECT_EQ(player.Screen()->Picture() != down, click.litOnlyWhileDown) << click.k;
  }
  EXPECT_EQ(s.window().isWindowModified(), modified);
  EXPECT_EQ(s.document().Modified(), modified);
  EXPECT_EQ(s.window().Actions().UndoText(), undo);
  EXPECT_EQ(script.Unexpected(), 0);
}

}  // namespace
}  // namespace vorlune
