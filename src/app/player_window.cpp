#include "player_window.h"

#include <QBoxLayout>
#include <algorithm>
#include <cmath>

#include "player/button_press.h"
#include "player/player_scenarios.h"
#include "player_controls.h"
#include "player_screen.h"
#include "window_placement.h"

namespace vorlune {

namespace {

// Seconds of the song per second of simulated time in each mode.
int Pace(Transport transport) {
  switch (transport) {
    case Transport::Playing:
      return 1;
    case Transport::FastForward:
      return 8;
    case Transport::Rewind:
      return -8;
    default:
      return 0;
  }
}

}  // namespace

PlayerWindow::PlayerWindow(SkinDocument& document, int zoom, QWidget* parent)
    : QWidget(parent, Qt::Window), document_(document), zoom_(zoom) {
  setObjectName(QStringLiteral("playerWindow"));
  setWindowTitle(tr("再生シミュレーション"));
  screen_ = new PlayerScreen(this);
  screen_->ReserveZoom(zoom_);
  controls_ = new PlayerControls(this);
  auto* row = new QHBoxLayout(this);
  row->addWidget(screen_, 0, Qt::AlignTop);
  row->addSpacing(8);
  row->addWidget(controls_, 1);

  frameTimer_.setInterval(1000 / kFramesPerSecond);
  connect(&frameTimer_, &QTimer::timeout, this, &PlayerWindow::Tick);
  rebuildTimer_.setSingleShot(true);
  rebuildTimer_.setInterval(kRebuildDelayMs);
  connect(&rebuildTimer_, &QTimer::timeout, this, &PlayerWindow::RebuildSkin);
  connect(controls_, &PlayerControls::scenarioChosen, this, &PlayerWindow::ChooseScenario);
  connect(controls_, &PlayerControls::runningToggled, this, &PlayerWindow::SetRunning);
  connect(controls_, &PlayerControls::speedChosen, this, [this](double speed) { speed_ = speed; });
  connect(controls_, &PlayerControls::stateEdited, this, [this](const PlayerState& state) {
    TakeOver();
    manual_ = state;
    manual_.pressed = kNoKind;
    Redraw();
  });
  connect(screen_, &PlayerScreen::pressedAt, this, &PlayerWindow::PressAt);
  connect(screen_, &PlayerScreen::released, this, &PlayerWindow::Release);

  subscription_ = document_.Subscribe([this](const DocumentChange& change) {
    if (change.Has(DocumentChange::Background) || change.Has(DocumentChange::Placed)) rebuildTimer_.start();
  });
  controls_->ShowScenario(scenario_);
  controls_->ShowRunning(running_);
  RebuildSkin();
}

PlayerWindow::~PlayerWindow() {
  document_.Unsubscribe(subscription_);
}

void PlayerWindow::SetRunning(bool running) {
  running_ = running;
  controls_->ShowRunning(running);
  UpdateTimer();
}

void PlayerWindow::ChooseScenario(int scenario) {
  if (scenario == PlayerControls::kManual) {
    TakeOver();
  } else {
    scenario_ = scenario;
    clockMs_ = 0;
  }
  controls_->ShowScenario(scenario_);
  Redraw();
}

void PlayerWindow::SetZoom(int zoom) {
  if (zoom == zoom_ || !IsZoomStep(zoom)) return;
  zoom_ = zoom;
  Redraw();
  // Smaller as well as larger: the window follows the screen's new size.
  layout()->activate();
  adjustSize();
  if (isVisible()) KeepOnScreen(*this);
}

void PlayerWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (stale_) RebuildSkin();
  UpdateTimer();
}

void PlayerWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  UpdateTimer();
}

void PlayerWindow::UpdateTimer() {
  const bool tick = running_ && isVisible();
  if (tick == frameTimer_.isActive()) return;
  if (tick) {
    wall_.start();
    frameTimer_.start();
  } else {
    frameTimer_.stop();
  }
}

void PlayerWindow::RebuildSkin() {
  // A closed window makes its skin when it is shown again.
  stale_ = !isVisible();
  if (stale_) return;
  // A layout the skin cannot yet be made of keeps the skin shown before.
  static_cast<void>(simulator_.SetLayout(document_.Layout()));
  Redraw();
}

void PlayerWindow::Tick() {
  Advance(std::llround(static_cast<double>(wall_.restart()) * speed_));
  Redraw();
}

void PlayerWindow::Advance(std::int64_t ms) {
  clockMs_ += ms;
  if (scenario_ != PlayerControls::kManual) return;
  // The manual song runs on as the handheld's would.
  const int pace = Pace(manual_.transport);
  secondMs_ = pace == 0 ? 0 : secondMs_ + ms;
  const auto seconds = secondMs_ / 1000;
  secondMs_ %= 1000;
  manual_.seconds =
      static_cast<int>(std::clamp<std::int64_t>(manual_.seconds + seconds * pace, 0, kMaxPlayerSeconds));
}

void PlayerWindow::Redraw() {
  PlayerState state =
      scenario_ == PlayerControls::kManual
          ? manual_
          : ScenarioState(PlayerScenarios()[static_cast<std::size_t>(scenario_)].name, clockMs_)
                .value_or(PlayerState{});
  if (held_ != kNoKind) state.pressed = held_;
  screen_->Show(simulator_.Draw(state, clockMs_), zoom_);
  if (state != drawn_) controls_->ShowState(state);
  drawn_ = std::move(state);
}

// The state of the scenario at this moment becomes the manual state.
void PlayerWindow::TakeOver() {
  if (scenario_ == PlayerControls::kManual) return;
  manual_ = drawn_;
  manual_.pressed = kNoKind;
  secondMs_ = 0;
  scenario_ = PlayerControls::kManual;
  controls_->ShowScenario(scenario_);
}

void PlayerWindow::PressAt(QPoint skin) {
  const PartKind k = simulator_.ButtonAt(skin.x(), skin.y());
  if (!IsButtonKind(k)) return;
  TakeOver();
  manual_ = PressPlayerButton(manual_, k);
  held_ = k;
  Redraw();
}

void PlayerWindow::Release() {
  if (held_ == kNoKind) return;
  held_ = kNoKind;
  Redraw();
}

}  // namespace vorlune
