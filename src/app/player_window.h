#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <cstdint>

#include "document/skin_document.h"
#include "player/player_simulator.h"
#include "player/player_state.h"

namespace vorlune {

class PlayerControls;
class PlayerScreen;

// "再生シミュレーション": the layout being edited as the handheld shows it while
// music plays, following every edit. A scenario or the manual state (the
// fields) drives the player; the simulated clock runs at the chosen speed
// while the simulation plays and the window is shown, and stops dead (no
// timer at all) otherwise. A click on a button of the simulated skin acts as
// on the handheld and lights the button while the mouse is down. The window
// only reads the document: simulating adds no step and no unsaved mark. The
// skin is shown at the canvas's zoom, which the editor hands on as it changes.
class PlayerWindow : public QWidget {
  Q_OBJECT

 public:
  // Frames a second while the simulation plays.
  static constexpr int kFramesPerSecond = 30;
  // Edits that follow each other this closely make one new skin.
  static constexpr int kRebuildDelayMs = 60;

  PlayerWindow(SkinDocument& document, int zoom, QWidget* parent = nullptr);
  ~PlayerWindow() override;

  const PlayerState& State() const { return drawn_; }
  std::int64_t ClockMs() const { return clockMs_; }
  bool Running() const { return running_; }
  PlayerScreen* Screen() const { return screen_; }
  PlayerControls* Controls() const { return controls_; }

  // Plays or pauses the simulation, as the play/pause button does.
  void SetRunning(bool running);
  // A scenario by its index in PlayerScenarios(), or PlayerControls::kManual;
  // a scenario starts from its beginning.
  void ChooseScenario(int scenario);
  // Shows the skin at another zoom (one of kZoomSteps); the window fits it.
  void SetZoom(int zoom);

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void RebuildSkin();
  void Tick();
  void Advance(std::int64_t ms);
  void Redraw();
  void UpdateTimer();
  void TakeOver();
  void PressAt(QPoint skin);
  void Release();

  SkinDocument& document_;
  int subscription_ = 0;
  PlayerSimulator simulator_;
  PlayerScreen* screen_ = nullptr;
  PlayerControls* controls_ = nullptr;
  QTimer frameTimer_;
  QTimer rebuildTimer_;
  QElapsedTimer wall_;
  int zoom_ = 1;
  double speed_ = 1;
  bool running_ = true;
  bool stale_ = false;  // the layout changed while the window was closed
  std::int64_t clockMs_ = 0;
  std::int64_t secondMs_ = 0;  // manual playing: simulated time toward the next second
  int scenario_ = 1;           // "playing"
  PlayerState manual_;
  PartKind held_ = kNoKind;  // the simulated button under the mouse while it is down
  PlayerState drawn_;
};

}  // namespace vorlune
