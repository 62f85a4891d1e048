#pragma once

#include <QWidget>
#include <array>

#include "player/player_state.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;

namespace vorlune {

// The controls of the player window: the scenario (or the manual state), the
// simulation's play/pause and speed, and one field for each part of the player
// state. The fields show the state drawn; an edit of any of them hands the
// whole edited state out in `stateEdited`.
class PlayerControls : public QWidget {
  Q_OBJECT

 public:
  // The scenario box's entry for the manual state, after the scenarios.
  static constexpr int kManual = -1;

  explicit PlayerControls(QWidget* parent = nullptr);

  // Shows these without handing anything out.
  void ShowState(const PlayerState& state);
  void ShowScenario(int scenario);  // index into PlayerScenarios(), or kManual
  void ShowRunning(bool running);

  QComboBox* ScenarioBox() const { return scenario_; }

 signals:
  void stateEdited(const vorlune::PlayerState& state);
  void scenarioChosen(int scenario);
  void runningToggled(bool running);
  void speedChosen(double speed);

 private:
  QWidget* CreateSimulationRow();
  QWidget* CreateStateFields();
  QSlider* PercentSlider(Qt::Orientation orientation, const QString& name, int* field);
  void Edited();

  PlayerState shown_;
  bool showing_ = false;  // fields being set from the state: no edit
  QComboBox* scenario_ = nullptr;
  QPushButton* run_ = nullptr;
  QComboBox* speed_ = nullptr;
  QComboBox* transport_ = nullptr;
  QCheckBox* repeat_ = nullptr;
  QSlider* volume_ = nullptr;
  std::array<QSlider*, 8> equalizer_{};
  std::array<QSlider*, 2> level_{};
  std::array<QSlider*, 2> peak_{};
  QLineEdit* time_ = nullptr;
  QSpinBox* track_ = nullptr;
  QLineEdit* title_ = nullptr;
};

// MM:SS, minutes up to 99.
QString PlayerTimeText(int seconds);

}  // namespace vorlune
