#pragma once

#include <QImage>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdint>
#include <deque>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "app/canvas_view.h"
#include "app/editor_window.h"
#include "app/part_button.h"
#include "app/part_palette.h"
#include "dialogs/user_prompts.h"
#include "layout/skin_palette.h"

namespace vorlune::testing {

// A QApplication for the whole test program (offscreen platform).
void EnsureApplication();

// The next of `answers`, or `otherwise` when none is left.
template <typename T>
T Next(std::deque<T>& answers, T otherwise) {
  if (answers.empty()) return otherwise;
  const T answer = answers.front();
  answers.pop_front();
  return answer;
}

// Answers the editor's questions from a script and records what it was shown.
class ScriptedPrompts final : public UserPrompts {
 public:
  std::deque<QString> files;  // next answers of the file dialogs; an empty name cancels
  std::vector<UserMessage> messages;
  std::vector<FileDialogRequest> requests;
  bool yes = false;  // the answer to every Yes/No question
  QStringList questions;
  std::deque<UnsavedChangesAnswer> saveAnswers;  // Cancel when none is left
  int saveQuestions = 0;
  bool restore = false;  // the answer to every offer of a recovery copy
  QStringList restoreOffers;

  void ShowMessage(QWidget*, const UserMessage& message) override { messages.push_back(message); }
  std::optional<QString> ChooseFileToOpen(QWidget*, const FileDialogRequest& request) override;
  // The next answer, its files one a line.
  QStringList ChooseFilesToOpen(QWidget* owner, const FileDialogRequest& request) override {
    const std::optional<QString> answer = ChooseFileToOpen(owner, request);
    return answer ? answer->split(QLatin1Char('\n')) : QStringList();
  }
  std::optional<QString> ChooseFolder(QWidget* owner, const QString&) override {
    return ChooseFileToOpen(owner, {});
  }
  std::optional<QString> ChooseFileToSave(QWidget* owner, const FileDialogRequest& request) override {
    return ChooseFileToOpen(owner, request);
  }
  bool AskYesNo(QWidget*, const QString& question) override {
    questions.push_back(question);
    return yes;
  }
  UnsavedChangesAnswer AskToSaveChanges(QWidget*) override {
    ++saveQuestions;
    return Next(saveAnswers, UnsavedChangesAnswer::Cancel);
  }
  bool AskToRestoreRecovery(QWidget*, const QString& description) override {
    restoreOffers.push_back(description);
    return restore;
  }
};

// Answers modal dialogs and popups in order; one beyond the steps is cancelled and counted.
class ModalScript {
 public:
  using Step = std::function<void(QWidget*)>;
  ModalScript();
  ~ModalScript();
  ModalScript(const ModalScript&) = delete;
  ModalScript& operator=(const ModalScript&) = delete;

  ModalScript& Then(Step step) {
    steps_.push_back(std::move(step));
    return *this;
  }
  std::size_t Remaining() const { return steps_.size(); }
  int Unexpected() const { return unexpected_; }
  const QStringList& Titles() const { return titles_; }  // of every dialog answered

 private:
  void Poll();
  QTimer* timer_;
  QObject* showWatcher_;  // a dialog shown again is answered again
  std::deque<Step> steps_;
  QStringList titles_;
  int unexpected_ = 0;
};

// Steps for a modal dialog: end it with OK (Enter) or Cancel (Escape).
void PressEnter(QWidget* dialog);
void PressEscape(QWidget* dialog);

// The skin pixel whose click puts a part of kind k at (x, y): the part's centre.
QPoint SkinPointFor(PartKind k, int x, int y);

// A property dialog step: a button's "with image", swatch (row, index) clicks, then OK.
ModalScript::Step ChooseColours(std::initializer_list<std::pair<int, int>> rowAndIndex);

// A step for the information dialog: the three texts typed, then OK.
ModalScript::Step FillInfo(const QString& name, const QString& author, const QString& version);

// One editor window with scripted dialogs, driven by mouse and keys; points are skin pixels.
class EditorSession {
 public:
  EditorSession();
  ~EditorSession();

  EditorWindow& window() const { return *window_; }
  const SkinDocument& document() const { return window_->Document(); }
  const SkinLayout& layout() const { return window_->Document().Layout(); }
  ScriptedPrompts prompts;
  QTemporaryDir files;

  void Click(QWidget* button, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::mouseClick(button, Qt::LeftButton, modifiers);
  }
  PartButton* Part(PartKind k) const;
  void PressPart(PartKind k) { Click(Part(k)); }
  void LeftClick(QPoint skin) {
    QTest::mouseClick(Canvas(), Qt::LeftButton, Qt::NoModifier, ViewPoint(skin));
  }
  void RightClick(QPoint skin) {
    QTest::mouseClick(Canvas(), Qt::RightButton, Qt::NoModifier, ViewPoint(skin));
  }
  void MoveTo(QPoint skin) { QTest::mouseMove(Canvas(), ViewPoint(skin)); }
  // Part button k, the mouse over (x, y) and a left click there.
  void Place(PartKind k, int x, int y);
  // The window a person types into, active again once a dialog has gone.
  void Activate();
  // A key as a person types it: to whatever control of the active window has the focus.
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  // Drops the files on the canvas; true when the window took the drag.
  bool Drop(const QStringList& paths);
  QString Path(const QString& name) const { return files.filePath(name); }
  QString EditText() const;
  CanvasView* Canvas() const { return window_->Canvas(); }
  QPoint ViewPoint(QPoint skin) const;
  // The skin as the canvas shows it, 320 x 320, and with its frame.
  QImage Skin() const;
  QImage Framed() const;
  std::vector<bool> EnabledButtons() const;  // index = kind, entry 0 unused

 private:
  std::unique_ptr<EditorWindow> window_;
};

// What only the test program builds (run_support.cpp), not the screenshots.

// 320 x 320, 8 bits, pixel (x, y) of colour (x + 3y) % 200: any shift of the background shows.
std::vector<std::uint8_t> RampPicture();
// 320 x 320 of `bits` bits, pixel (x, y) from the top of colour index(x, y) of `table`.
std::vector<std::uint8_t> IndexedPicture(int bits, const std::vector<Rgb>& table,
                                         std::uint8_t (*index)(int x, int y), std::uint32_t colorsUsed = 0);
// The sixteen colours of the property dialogs, which no reduction changes.
std::vector<Rgb> PickerTable();

QString WriteFile(const QString& path, const std::vector<std::uint8_t>& bytes);
QString WriteFile(const QString& path, const QByteArray& bytes);
QByteArray ReadFileBytes(const QString& path);
inline std::span<const std::uint8_t> Bytes(const QByteArray& bytes) {
  return {reinterpret_cast<const std::uint8_t*>(bytes.data()), static_cast<std::size_t>(bytes.size())};
}
// Chooses `bytes`, written as `name`, in the open dialog of "画　像".
void Import(EditorSession& s, const std::vector<std::uint8_t>& bytes, const QString& name = "picture.bmp");

// The document's layout as a project file would hold it.
std::vector<std::uint8_t> ProjectBytes(const EditorSession& s);
// The pixels of `image`, for golden checks.
std::vector<std::uint8_t> Pixels(const QImage& image);
// The framed canvas with the current-kind indicator beside its lower right corner.
QImage CanvasShot(const EditorSession& s);

// The recovery copies in the folder every editor of the test run writes them to.
QStringList RecoveryCopies();

// Runs vorlune-cli; its exit code, its error output appended to `error`.
int RunCli(const QStringList& arguments, std::string& error);

}  // namespace vorlune::testing
