#include "app_test_support.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace vorlune::testing {

void EnsureApplication() {
  // Recovery copies and the recent list go to folders of the test run, never the user's.
  static QTemporaryDir home;
  if (qEnvironmentVariableIsEmpty("VORLUNE_TEST_KEEP_HOME")) {
    qputenv("XDG_STATE_HOME", home.filePath(QStringLiteral("state")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
  }
  static int argc = 1;
  static char name[] = "test_app";
  static char* argv[] = {name, nullptr};
  static QApplication* application =
      QApplication::instance() == nullptr ? new QApplication(argc, argv) : nullptr;
  (void)application;
}

void ScriptedPrompts::ShowMessage(QWidget*, const UserMessage& message) {
  messages.push_back(message);
  if (onMessage) onMessage(message);
}

std::optional<QString> ScriptedPrompts::ChooseFileToOpen(QWidget*, const FileDialogRequest& request) {
  requests.push_back(request);
  const QString answer = files.isEmpty() ? QString() : files.takeFirst();
  if (answer.isEmpty()) return std::nullopt;
  return answer;
}

std::optional<QString> ScriptedPrompts::ChooseFileToSave(QWidget* owner, const FileDialogRequest& request) {
  return ChooseFileToOpen(owner, request);
}

bool ScriptedPrompts::AskYesNo(QWidget*, const QString& question) {
  questions.push_back(question);
  if (answers.empty()) return false;
  const bool answer = answers.front();
  answers.erase(answers.begin());
  return answer;
}

UnsavedChangesAnswer ScriptedPrompts::AskToSaveChanges(QWidget*) {
  ++saveQuestions;
  if (saveAnswers.empty()) return UnsavedChangesAnswer::Cancel;
  const UnsavedChangesAnswer answer = saveAnswers.front();
  saveAnswers.pop_front();
  return answer;
}

bool ScriptedPrompts::AskToRestoreRecovery(QWidget*, const QString& description) {
  restoreOffers.push_back(description);
  if (restoreAnswers.empty()) return false;
  const bool answer = restoreAnswers.front();
  restoreAnswers.pop_front();
  return answer;
}

namespace {
void Put16(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
  b[at] = v & 0xFF;
  b[at + 1] = (v >> 8) & 0xFF;
}
void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = (v >> (8 * i)) & 0xFF;
}
}  // namespace

std::vector<std::uint8_t> MakeBmp(const BmpRecipe& recipe) {
  const int rows = recipe.height < 0 ? -recipe.height : recipe.height;
  const int rowBytes = (recipe.width * recipe.bitsPerPixel + 31) / 32 * 4;
  const std::size_t tableBytes = recipe.colors.size() * 4;
  const std::size_t offset = 54 + tableBytes;
  std::vector<std::uint8_t> b(offset + static_cast<std::size_t>(rowBytes) * rows);
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 2, static_cast<std::uint32_t>(b.size()));
  Put32(b, 10, static_cast<std::uint32_t>(offset));
  Put32(b, 14, 40);
  Put32(b, 18, static_cast<std::uint32_t>(recipe.width));
  Put32(b, 22, static_cast<std::uint32_t>(recipe.height));
  Put16(b, 26, 1);
  Put16(b, 28, static_cast<std::uint32_t>(recipe.bitsPerPixel));
  Put32(b, 30, recipe.compression);
  Put32(b, 46, recipe.colorsUsed);
  for (std::size_t i = 0; i < recipe.colors.size(); ++i) {
    b[54 + 4 * i] = recipe.colors[i] & 0xFF;
    b[55 + 4 * i] = (recipe.colors[i] >> 8) & 0xFF;
    b[56 + 4 * i] = (recipe.colors[i] >> 16) & 0xFF;
  }
  for (int row = 0; row < rows; ++row) {
    const int y = recipe.height > 0 ? rows - 1 - row : row;  // bottom-up unless the height is negative
    std::uint8_t* line = b.data() + offset + static_cast<std::size_t>(row) * rowBytes;
    for (int x = 0; x < recipe.width; ++x) {
      const std::uint32_t v = recipe.pixel ? recipe.pixel(x, y) : 0;
      if (recipe.bitsPerPixel == 24) {
        line[3 * x] = v & 0xFF;
        line[3 * x + 1] = (v >> 8) & 0xFF;
        line[3 * x + 2] = (v >> 16) & 0xFF;
      } else {
        const int bit = x * recipe.bitsPerPixel;
        line[bit / 8] |= static_cast<std::uint8_t>(v << (8 - recipe.bitsPerPixel - bit % 8));
      }
    }
  }
  return b;
}

QString WriteFile(const QTemporaryDir& folder, const QString& name, const std::vector<std::uint8_t>& bytes) {
  const QString path = folder.filePath(name);
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
  return path;
}

void OnNextModal(std::function<void(QWidget*)> action) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, action] {
    QWidget* widget = QApplication::activePopupWidget();
    if (widget == nullptr) widget = QApplication::activeModalWidget();
    if (widget == nullptr || widget->property("seenByTest").toBool()) return;
    widget->setProperty("seenByTest", true);
    timer->stop();
    timer->deleteLater();
    action(widget);
  });
  timer->start();
}

namespace {

// Marks every window that is shown as not yet answered.
class ShowWatcher : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow())
      watched->setProperty("answeredByScript", false);
    return false;
  }
};

}  // namespace

ModalScript::ModalScript() : timer_(new QTimer), showWatcher_(new ShowWatcher) {
  QApplication::instance()->installEventFilter(showWatcher_);
  timer_->setInterval(5);
  QObject::connect(timer_, &QTimer::timeout, [this] { Poll(); });
  timer_->start();
}

ModalScript::~ModalScript() {
  delete timer_;
  delete showWatcher_;
}

ModalScript& ModalScript::Then(Step step) {
  steps_.push_back(std::move(step));
  return *this;
}

void ModalScript::Poll() {
  QWidget* dialog = QApplication::activeModalWidget();
  if (dialog == nullptr || dialog->property("answeredByScript").toBool()) return;
  dialog->setProperty("answeredByScript", true);
  titles_.push_back(dialog->windowTitle());
  if (steps_.empty()) {
    ++unexpected_;
    PressEscape(dialog);
    return;
  }
  const Step step = std::move(steps_.front());
  steps_.pop_front();
  step(dialog);
}

void PressEnter(QWidget* dialog) {
  QTest::keyClick(dialog, Qt::Key_Return);
}

void PressEscape(QWidget* dialog) {
  QTest::keyClick(dialog, Qt::Key_Escape);
}

}  // namespace vorlune::testing
