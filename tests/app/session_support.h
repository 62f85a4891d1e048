#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QTemporaryDir>
#include <initializer_list>
#include <memory>
#include <utility>

#include "app/skin_editor_dlg.h"
#include "app_test_support.h"

namespace vorlune::testing {

// A 320 x 320 8-bit picture of 200 colours (no reduction), pixel (x, y) of
// colour (x + 3y) % 200, so that any shift of the background shows.
std::vector<std::uint8_t> RampPicture();

// The client point whose click puts a part of kind k at canvas (x, y).
QPoint ClientPointFor(PartKind k, int x, int y);

// A step for a property dialog: for a button, "with image" first; then a click
// on swatch `index` of picker row `row` for each pair; then OK.
ModalScript::Step ChooseColours(std::initializer_list<std::pair<int, int>> rowAndIndex);

// A step for the information dialog: the three texts typed, then OK.
ModalScript::Step FillInfo(const QString& name, const QString& author, const QString& version);

// One editor window with scripted file and message dialogs, driven with the mouse.
class EditorSession {
 public:
  EditorSession();
  ~EditorSession();

  CSkinEditorDlg& window() { return *window_; }
  ScriptedPrompts prompts;
  QTemporaryDir files;

  void ImportRampPicture();
  void PressPart(PartKind k);
  void LeftClick(QPoint at);
  void RightClick(QPoint at);
  void MoveTo(QPoint at);
  // Part button k, the mouse over (x, y) and a left click there.
  void Place(PartKind k, int x, int y);
  QString Path(const QString& name) const { return files.filePath(name); }
  QString EditText() const;
  QImage Client() { return window_->grab().toImage(); }
  std::vector<bool> EnabledButtons() const;  // index = kind, entry 0 unused

 private:
  std::unique_ptr<CSkinEditorDlg> window_;
};

QByteArray ReadFileBytes(const QString& path);

}  // namespace vorlune::testing
