#pragma once

#include <QColor>
#include <QEvent>
#include <QImage>
#include <QObject>
#include <QRect>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "core/rgb_image.h"
#include "dialogs/user_prompts.h"
#include "layout/skin_layout.h"

namespace vorlune::testing {

// Shows the dialog and waits until it has been painted, so that later paints
// come only from what the test does.
void ShowAndSettle(QWidget& widget);

// Lets queued events run, so that a missed immediate repaint still shows up.
void Settle();

// The widget as it paints itself now.
QImage Shot(QWidget& widget);

QColor ToColor(Rgb c);

// The three picker indexes a property dialog hands back.
template <class Dialog>
ColorTriple Colors(const Dialog& dialog) {
  ColorTriple out{};
  dialog.GetColors(out[0], out[1], out[2]);
  return out;
}

// Types a text into the widget one character at a time, as key presses that
// carry the character (how an input method hands over Japanese text too).
void TypeText(QWidget* widget, const QString& text);

// Records the paint events a widget receives.
class PaintRecorder : public QObject {
 public:
  explicit PaintRecorder(QWidget& widget);
  const std::vector<QRect>& Rects() const { return rects_; }
  void Clear() { rects_.clear(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<QRect> rects_;
};

// Keeps the messages instead of showing them.
class RecordingPrompts : public UserPrompts {
 public:
  void ShowMessage(QWidget* owner, const UserMessage& message) override {
    owners.push_back(owner);
    messages.push_back(message);
  }
  std::optional<QString> ChooseFileToOpen(QWidget*, const FileDialogRequest&) override {
    return std::nullopt;
  }
  std::optional<QString> ChooseFileToSave(QWidget*, const FileDialogRequest&) override {
    return std::nullopt;
  }
  bool AskYesNo(QWidget*, const QString&) override { return false; }
  UnsavedChangesAnswer AskToSaveChanges(QWidget*) override { return UnsavedChangesAnswer::Cancel; }
  bool AskToRestoreRecovery(QWidget*, const QString&) override { return false; }
  std::vector<QWidget*> owners;
  std::vector<UserMessage> messages;
};

}  // namespace vorlune::testing
