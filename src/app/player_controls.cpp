#include "player_controls.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

#include "player/player_scenarios.h"
#include "player/player_settings.h"

namespace vorlune {

namespace {

// In the order of Transport.
const char* const kTransportTexts[] = {QT_TRANSLATE_NOOP("vorlune::PlayerControls", "停止"),
                                       QT_TRANSLATE_NOOP("vorlune::PlayerControls", "再生中"),
                                       QT_TRANSLATE_NOOP("vorlune::PlayerControls", "一時停止中"),
                                       QT_TRANSLATE_NOOP("vorlune::PlayerControls", "早送り"),
                                       QT_TRANSLATE_NOOP("vorlune::PlayerControls", "巻き戻し")};

constexpr double kSpeeds[] = {0.25, 0.5, 1, 2, 4};

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
  auto* row = new QHBoxLayout;
  row->setContentsMargins(0, 0, 0, 0);
  for (QWidget* widget : widgets) row->addWidget(widget);
  row->addStretch();
  return row;
}

}  // namespace

QString PlayerTimeText(int seconds) {
  return QStringLiteral("%1:%2").arg(seconds / 60, 2, 10, QChar('0')).arg(seconds % 60, 2, 10, QChar('0'));
}

PlayerControls::PlayerControls(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("playerControls"));
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(CreateSimulationRow());
  column->addWidget(CreateStateFields());
  column->addStretch();
  ShowState(shown_);
}

QWidget* PlayerControls::CreateSimulationRow() {
  auto* box = new QWidget(this);
  auto* form = new QFormLayout(box);
  scenario_ = new QComboBox(box);
  scenario_->setObjectName(QStringLiteral("scenarioBox"));
  for (std::size_t i = 0; i < PlayerScenarios().size(); ++i)
    scenario_->addItem(QString::fromUtf8(PlayerScenarios()[i].name), static_cast<int>(i));
  scenario_->addItem(tr("手動"), kManual);
  connect(scenario_, &QComboBox::activated, this,
          [this](int index) { emit scenarioChosen(scenario_->itemData(index).toInt()); });
  run_ = new QPushButton(box);
  run_->setObjectName(QStringLiteral("runButton"));
  run_->setCheckable(true);
  connect(run_, &QPushButton::toggled, this, [this](bool running) {
    ShowRunning(running);
    emit runningToggled(running);
  });
  speed_ = new QComboBox(box);
  speed_->setObjectName(QStringLiteral("speedBox"));
  for (double speed : kSpeeds) speed_->addItem(QStringLiteral("%1×").arg(speed), speed);
  speed_->setCurrentIndex(2);
  connect(speed_, &QComboBox::activated, this,
          [this](int index) { emit speedChosen(speed_->itemData(index).toDouble()); });
  form->addRow(tr("シナリオ"), Row({scenario_, run_}));
  form->addRow(tr("速度"), Row({speed_}));
  return box;
}

QWidget* PlayerControls::CreateStateFields() {
  auto* box = new QWidget(this);
  auto* form = new QFormLayout(box);
  transport_ = new QComboBox(box);
  transport_->setObjectName(QStringLiteral("transportBox"));
  for (const char* text : kTransportTexts) transport_->addItem(tr(text));
  connect(transport_, &QComboBox::activated, this, [this](int index) {
    shown_.transport = static_cast<Transport>(index);
    Edited();
  });
  repeat_ = new QCheckBox(tr("リピート"), box);
  repeat_->setObjectName(QStringLiteral("repeatCheck"));
  connect(repeat_, &QCheckBox::toggled, this, [this](bool on) {
    shown_.repeat = on;
    Edited();
  });
  form->addRow(tr("状態"), Row({transport_, repeat_}));
  volume_ = PercentSlider(Qt::Horizontal, QStringLiteral("volumeSlider"), &shown_.volume);
  form->addRow(tr("音量"), volume_);
  auto* bands = new QHBoxLayout;
  for (std::size_t i = 0; i < equalizer_.size(); ++i) {
    equalizer_[i] = PercentSlider(Qt::Vertical, QStringLiteral("eqSlider%1").arg(i), &shown_.equalizer[i]);
    bands->addWidget(equalizer_[i]);
  }
  bands->addStretch();
  form->addRow(tr("イコライザ"), bands);
  auto* meters = new QHBoxLayout;
  for (std::size_t i = 0; i < level_.size(); ++i) {
    level_[i] = PercentSlider(Qt::Vertical, QStringLiteral("levelSlider%1").arg(i), &shown_.level[i]);
    meters->addWidget(level_[i]);
  }
  meters->addSpacing(16);
  for (std::size_t i = 0; i < peak_.size(); ++i) {
    peak_[i] = PercentSlider(Qt::Vertical, QStringLiteral("peakSlider%1").arg(i), &shown_.peak[i]);
    meters->addWidget(peak_[i]);
  }
  meters->addStretch();
  form->addRow(tr("レベル / ピーク"), meters);

  time_ = new QLineEdit(box);
  time_->setObjectName(QStringLiteral("timeLine"));
  time_->setInputMask(QStringLiteral("99:99"));
  time_->setMaximumWidth(time_->fontMetrics().horizontalAdvance(QStringLiteral("00:000")) + 12);
  connect(time_, &QLineEdit::editingFinished, this, [this] {
    // The command line's own reading of MM:SS; a time it refuses is put back.
    PlayerState edited = shown_;
    if (ApplyPlayerSetting(edited, ("time=" + time_->text()).toStdString()) && edited != shown_) {
      shown_ = edited;
      Edited();
    }
    time_->setText(PlayerTimeText(shown_.seconds));
  });
  track_ = new QSpinBox(box);
  track_->setObjectName(QStringLiteral("trackBox"));
  track_->setRange(0, 99);
  connect(track_, &QSpinBox::valueChanged, this, [this](int track) {
    shown_.track = track;
    Edited();
  });
  form->addRow(tr("時間"), Row({time_}));
  form->addRow(tr("トラック"), Row({track_}));
  title_ = new QLineEdit(box);
  title_->setObjectName(QStringLiteral("titleLine"));
  connect(title_, &QLineEdit::textEdited, this, [this](const QString& title) {
    shown_.title = title.toStdString();
    Edited();
  });
  form->addRow(tr("タイトル"), title_);
  return box;
}

QSlider* PlayerControls::PercentSlider(Qt::Orientation orientation, const QString& name, int* field) {
  auto* slider = new QSlider(orientation, this);
  slider->setObjectName(name);
  slider->setRange(0, 100);
  slider->setPageStep(10);
  if (orientation == Qt::Vertical) slider->setFixedHeight(72);
  connect(slider, &QSlider::valueChanged, this, [this, field](int value) {
    *field = value;
    Edited();
  });
  return slider;
}

void PlayerControls::Edited() {
  if (!showing_) emit stateEdited(shown_);
}

void PlayerControls::ShowState(const PlayerState& state) {
  showing_ = true;
  shown_ = state;
  transport_->setCurrentIndex(static_cast<int>(state.transport));
  repeat_->setChecked(state.repeat);
  volume_->setValue(state.volume);
  for (std::size_t i = 0; i < equalizer_.size(); ++i) equalizer_[i]->setValue(state.equalizer[i]);
  for (std::size_t i = 0; i < level_.size(); ++i) level_[i]->setValue(state.level[i]);
  for (std::size_t i = 0; i < peak_.size(); ++i) peak_[i]->setValue(state.peak[i]);
  if (!time_->hasFocus()) time_->setText(PlayerTimeText(state.seconds));
  track_->setValue(state.track);
  const QString title = QString::fromStdString(state.title);
  if (title_->text() != title) {
    title_->setText(title);
    title_->setCursorPosition(0);  // a long title shows its beginning
  }
  showing_ = false;
}

void PlayerControls::ShowScenario(int scenario) {
  scenario_->setCurrentIndex(scenario_->findData(scenario));
}

void PlayerControls::ShowRunning(bool running) {
  const QSignalBlocker blocker(run_);
  run_->setChecked(running);
  run_->setText(running ? tr("一時停止") : tr("再生"));
}

}  // namespace vorlune
