#include "session_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include "dialogs/button_setting_dialog.h"
#include "dialogs/database_info_dialog.h"
#include "dialogs/picker_dialog.h"

namespace vorlune::testing {

QPoint SkinPointFor(PartKind k, int x, int y) {
  const PartKindInfo& info = KindInfo(k);
  return {x + info.width / 2, y + info.height / 2};
}

ModalScript::Step ChooseColours(std::initializer_list<std::pair<int, int>> rowAndIndex) {
  const std::vector<std::pair<int, int>> clicks(rowAndIndex);
  return [clicks](QWidget* widget) {
    auto* picker = dynamic_cast<PickerDialog*>(widget);
    if (picker == nullptr) {
      ADD_FAILURE() << "not a property dialog: " << widget->windowTitle().toStdString();
      PressEscape(widget);
      return;
    }
    if (auto* button = dynamic_cast<ButtonSettingDialog*>(picker); button && !clicks.empty())
      QTest::mouseClick(button->WithImageBox(), Qt::LeftButton);
    for (const auto& [row, index] : clicks) {
      QTest::mouseClick(picker, Qt::LeftButton, Qt::NoModifier, picker->SwatchCenter(row, index));
    }
    PressEnter(picker);
  };
}

ModalScript::Step FillInfo(const QString& name, const QString& author, const QString& version) {
  return [=](QWidget* widget) {
    auto* info = dynamic_cast<DatabaseInfoDialog*>(widget);
    if (info == nullptr) {
      ADD_FAILURE() << "not the information dialog: " << widget->windowTitle().toStdString();
      PressEscape(widget);
      return;
    }
    const std::pair<QLineEdit*, QString> edits[] = {
        {info->NameEdit(), name}, {info->AuthorEdit(), author}, {info->VersionEdit(), version}};
    for (const auto& [edit, text] : edits) {
      edit->clear();
      // Key presses that carry their character, as an input method hands over Japanese.
      for (char32_t codePoint : text.toUcs4()) {
        const QString character = QString::fromUcs4(&codePoint, 1);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(edit, &press);
      }
    }
    PressEnter(info);
  };
}

EditorSession::EditorSession() {
  EnsureApplication();
  window_ = std::make_unique<EditorWindow>(&prompts);
  // Parts land exactly where the tests put them, as with Alt held.
  window_->Canvas()->SetSnapping(false);
  window_->show();
}

EditorSession::~EditorSession() = default;

PartButton* EditorSession::Part(PartKind k) const {
  return window_->Palette()->Button(k);
}

QPoint EditorSession::ViewPoint(QPoint skin) const {
  // A whole logical point within the pixel's block, at any zoom and scale.
  const QRect block = Canvas()->ViewRect({skin.x(), skin.y(), skin.x() + 1, skin.y() + 1});
  for (int y = block.top(); y <= block.bottom(); ++y)
    for (int x = block.left(); x <= block.right(); ++x)
      if (Canvas()->SkinPointAt(QPointF(x, y)) == SkinPoint{skin.x(), skin.y()}) return {x, y};
  return block.topLeft();
}

QImage EditorSession::Skin() const {
  return Canvas()->grab(Canvas()->ViewRect(kWholeSkin)).toImage();
}

QImage EditorSession::Framed() const {
  return Canvas()->grab(Canvas()->ViewRect(kWholeSkin).adjusted(-5, -5, 5, 5)).toImage();
}

void EditorSession::Place(PartKind k, int x, int y) {
  PressPart(k);
  MoveTo(SkinPointFor(k, x, y));
  LeftClick(SkinPointFor(k, x, y));
}

void EditorSession::Activate() {
  if (window_->isActiveWindow()) return;
  window_->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
}

void EditorSession::Key(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  Activate();
  QWidget* focus = QApplication::focusWidget();
  QTest::keyClick(focus != nullptr ? focus : window_.get(), key, modifiers);
}

bool EditorSession::Drop(const QStringList& paths) {
  QMimeData data;
  QList<QUrl> urls;
  for (const QString& path : paths) urls.push_back(QUrl::fromLocalFile(path));
  data.setUrls(urls);
  QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window_.get(), &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window_.get(), &drop);
  QApplication::processEvents();  // the command runs once the drop has ended
  return true;
}

QString EditorSession::EditText() const {
  return window_->PlacementLine()->text();
}

std::vector<bool> EditorSession::EnabledButtons() const {
  std::vector<bool> enabled(kLayoutRows, false);
  for (PartKind k = kFirstKind; k <= kLastKind; ++k)
    enabled[static_cast<std::size_t>(k)] = Part(k)->isEnabled();
  return enabled;
}

}  // namespace vorlune::testing
