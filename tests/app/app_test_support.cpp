#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include "session_support.h"

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
  if (QApplication::instance() == nullptr) new QApplication(argc, argv);
}

std::optional<QString> ScriptedPrompts::ChooseFileToOpen(QWidget*, const FileDialogRequest& request) {
  requests.push_back(request);
  const QString answer = Next(files, QString());
  if (answer.isEmpty()) return std::nullopt;
  return answer;
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

void ModalScript::Poll() {
  QWidget* dialog = QApplication::activePopupWidget();
  if (dialog == nullptr) dialog = QApplication::activeModalWidget();
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
