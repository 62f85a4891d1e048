#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "app/user_prompts.h"

namespace vorlune::testing {

// A QApplication for the whole test program (offscreen platform).
void EnsureApplication();

// Answers the editor's questions from a script and records what it was shown.
class ScriptedPrompts final : public UserPrompts {
 public:
  QStringList files;  // next answers of the file dialogs; an empty name cancels
  std::vector<UserMessage> messages;
  std::vector<FileDialogRequest> requests;
  std::function<void(const UserMessage&)> onMessage;

  void ShowMessage(QWidget* owner, const UserMessage& message) override;
  std::optional<QString> ChooseFileToOpen(QWidget* owner, const FileDialogRequest& request) override;
  std::optional<QString> ChooseFileToSave(QWidget* owner, const FileDialogRequest& request) override;
};

// A 320 x 320 BMP file with a colour table of `colors` entries (none for 24
// bits) whose pixel (x, y), counted from the top, is pixel(x, y): a colour
// index, or 0xRRGGBB for 24 bits.
struct BmpRecipe {
  int bitsPerPixel = 8;
  int width = 320;
  int height = 320;
  std::uint32_t compression = 0;
  std::uint32_t colorsUsed = 0;
  std::vector<std::uint32_t> colors;  // 0xRRGGBB
  std::function<std::uint32_t(int x, int y)> pixel;
};
std::vector<std::uint8_t> MakeBmp(const BmpRecipe& recipe);

// Writes bytes to a file in `folder`, returns its path.
QString WriteFile(const QTemporaryDir& folder, const QString& name, const std::vector<std::uint8_t>& bytes);

// Runs `action` on the next modal dialog or popup that opens.
void OnNextModal(std::function<void(QWidget*)> action);

}  // namespace vorlune::testing
