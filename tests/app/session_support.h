#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QTemporaryDir>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

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

  // Chooses `bytes`, written as `name`, in the open dialog of "画　像".
  void Import(const std::vector<std::uint8_t>& bytes, const QString& name = "picture.bmp");
  void Click(int controlId);
  void PressPart(PartKind k);
  void LeftClick(QPoint at);
  void RightClick(QPoint at);
  void MoveTo(QPoint at);
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

// Writes bytes to a file in `folder`, returns its path.
QString WriteFile(const QTemporaryDir& folder, const QString& name, const std::vector<std::uint8_t>& bytes);
QByteArray ReadFileBytes(const QString& path);

}  // namespace vorlune::testing
