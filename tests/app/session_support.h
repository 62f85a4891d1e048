#pragma once

#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <initializer_list>
#include <memory>
#include <utility>

#include "app/main_window_template.h"
#include "app/skin_editor_dlg.h"
#include "app_test_support.h"

namespace vorlune::testing {

// The client point whose click puts a part of kind k at canvas (x, y).
QPoint ClientPointFor(PartKind k, int x, int y);

// A step for a property dialog: for a button, "with image" first; then a click
// on swatch `index` of picker row `row` for each pair; then OK.
ModalScript::Step ChooseColours(std::initializer_list<std::pair<int, int>> rowAndIndex);

// A step for the information dialog: the three texts typed, then OK.
ModalScript::Step FillInfo(const QString& name, const QString& author, const QString& version);

// One editor window with scripted file and message dialogs, driven with the mouse and keys.
class EditorSession {
 public:
  EditorSession();
  ~EditorSession();

  CSkinEditorDlg& window() { return *window_; }
  ScriptedPrompts prompts;
  QTemporaryDir files;

  void Click(int id) { QTest::mouseClick(window_->Control(id), Qt::LeftButton); }
  void PressPart(PartKind k) { QTest::mouseClick(window_->PartButton(k), Qt::LeftButton); }
  void LeftClick(QPoint at) { QTest::mouseClick(window_.get(), Qt::LeftButton, Qt::NoModifier, at); }
  void RightClick(QPoint at) { QTest::mouseClick(window_.get(), Qt::RightButton, Qt::NoModifier, at); }
  void MoveTo(QPoint at) { QTest::mouseMove(window_.get(), at); }
  // Part button k, the mouse over (x, y) and a left click there.
  void Place(PartKind k, int x, int y);
  // A key as a person types it: to whatever control of the active window has the focus.
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  // Drops the files on the canvas; true when the window took the drag.
  bool Drop(const QStringList& paths);
  QString Path(const QString& name) const { return files.filePath(name); }
  QString EditText() const;
  QImage Client() { return window_->grab().toImage(); }
  std::vector<bool> EnabledButtons() const;  // index = kind, entry 0 unused

 private:
  std::unique_ptr<CSkinEditorDlg> window_;
};

}  // namespace vorlune::testing
